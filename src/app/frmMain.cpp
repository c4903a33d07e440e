#include "app/frmMain.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <cstdio>

#include "app/ChannelRowActions.h"
#include "app/DocumentActions.h"
#include "app/RadioActions.h"
#include "app/frmAbout.h"
#include "command/DocumentCommands.h"
#include "edit/EditContext.h"
#include "edit/Twips.h"
#include "editor/Dialogs.h"
#include "editor/DscPage.h"
#include "editor/HelpTopic.h"
#include "files/ProgramSettings.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

using namespace Qt::StringLiterals;

namespace {

// The first start's size: the tree's captions and every column of a channel grid in sight.
constexpr QSize kFirstSize(1000, 700);

// The toolbar's twelve buttons in order, separators included: key, tool tip, short label, icon.
struct ToolButton
{
    const char* Key;      // nullptr: a separator
    const char* Command;  // the menu entry it runs
    const char* Tip;
    const char* Label;
    const char* Theme;
    QStyle::StandardPixmap Fallback;
};
constexpr std::array<ToolButton, 12> kToolButtons{{
    {"New", "mnuFileNew", "New", "New", "document-new", QStyle::SP_FileIcon},
    {"Open", "mnuFileOpen", "Open...", "Open", "document-open", QStyle::SP_DialogOpenButton},
    {"Save", "mnuFileSave", "Save", "Save", "document-save", QStyle::SP_DialogSaveButton},
    {nullptr, nullptr, "", "", "", QStyle::SP_CustomBase},
    {"SaveAsDefault", "mnuFileSaveAsDefault", "Save As Default", "Default", "document-save-as",
     QStyle::SP_DriveHDIcon},
    {nullptr, nullptr, "", "", "", QStyle::SP_CustomBase},
    {"Print", "mnuFilePrint", "Print", "Print", "document-print", QStyle::SP_FileDialogDetailedView},
    {nullptr, nullptr, "", "", "", QStyle::SP_CustomBase},
    {"Program", "mnuTransferProgram", "Program to Radio", "Program", "go-up", QStyle::SP_ArrowUp},
    {"Program2", "mnuTransferProgram", "Program to Radio", "Program", "go-up", QStyle::SP_ArrowUp},
    {"Read", "mnuTransferRead", "Read from Radio", "Read", "go-down", QStyle::SP_ArrowDown},
    {"Read2", "mnuTransferRead", "Read from Radio", "Read", "go-down", QStyle::SP_ArrowDown},
}};

}  // namespace

QString ToQString(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

frmMain::frmMain(const AppEnvironment& environment, QWidget* parent)
    : QMainWindow(parent),
      m_env(environment),
      m_fileUi(*this, environment.Pauses),
      m_help(DefaultImageFolders(environment.ProgramFolder))
{
    setObjectName(u"frmMain"_s);
    m_shell.DebugMode = m_env.Options.DebugMode;
    m_shell.History = &m_history;

    // The logs go to the user's data folder beside the backups, never where the program is installed.
    if (m_shell.DebugMode) {
        std::error_code ignored;  // a log that cannot be written is ignored, as every log failure is
        std::filesystem::create_directories(m_env.DataFolder, ignored);
    }
    m_shell.ErrorLogPath = (m_env.DataFolder / "err.log").string();

    for (const std::filesystem::path& folder : DefaultImageFolders(m_env.ProgramFolder)) {
        const QString iconFile = ToQString(folder / "kelpie.svg");
        if (QFileInfo::exists(iconFile)) {
            m_icon = QIcon(iconFile);
            setWindowIcon(m_icon);
            break;
        }
    }

    m_editor = new PageEditor(m_data, m_shell, this);
    setCentralWidget(m_editor);
    m_documents = new DocumentActions(*this);
    BuildMenus();
    m_history.OnChange([this] { ShowModified(); });
    BuildToolBar();
    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(u"sbStatusBar"_s);
    m_statusPanel = new QLabel(sbStatusBar);
    m_statusPanel->setObjectName(u"sbStatusBar_1"_s);  // the first panel
    // A long text (a backup's path) is cut at the window's edge, never widens the window; its tip
    // holds the whole text.
    m_statusPanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    sbStatusBar->addWidget(m_statusPanel, 1);
    // What a write that stopped halfway left in the radio stays in sight until a complete write.
    m_radioWarning = new QLabel(sbStatusBar);
    m_radioWarning->setObjectName(u"sbStatusBar_2"_s);
    m_radioWarning->setWordWrap(true);
    m_radioWarning->setStyleSheet(u"color: #b00000; font-weight: bold;"_s);
    m_radioWarning->hide();
    sbStatusBar->addPermanentWidget(m_radioWarning, 2);
    setStatusBar(sbStatusBar);

    connect(m_editor, &PageEditor::StatusText, this, &frmMain::ShowStatus);
    connect(m_editor, &PageEditor::OpenFileRequested, m_documents, &DocumentActions::OnOpen);
    connect(m_editor, &PageEditor::NewImageRequested, m_documents, &DocumentActions::OnNew);
    connect(m_editor, &PageEditor::ModelChosen, this, &frmMain::ChooseModel);
    if (auto* dsc = m_editor->findChild<DscPage*>()) {
        connect(dsc, &DscPage::ClearDistressRequested, m_radio, &RadioActions::ClearDistressLog);
    }
    // The start page's read button follows the menu entry it stands for.
    QAction* read = findChild<QAction*>(u"mnuTransferRead"_s);
    connect(m_editor, &PageEditor::ReadRadioRequested, read, &QAction::trigger);
    if (auto* readButton = m_editor->findChild<QPushButton*>(u"cmdGeneralRead"_s)) {
        readButton->setEnabled(read->isEnabled());
        connect(read, &QAction::enabledChanged, readButton, &QPushButton::setEnabled);
    }

    qApp->installEventFilter(this);

    Load();
    if (m_shell.DebugMode) {
        const QString where = tr("Debug mode: err.log and serial-trace.log are written to %1")
                                  .arg(QDir::toNativeSeparators(ToQString(m_env.DataFolder)));
        ShowStatus(where);
        std::fprintf(stderr, "kelpie: %s\n", qPrintable(where));
    }
}

frmMain::~frmMain()
{
    qApp->removeEventFilter(this);
    delete m_editor;
}

void frmMain::Load()
{
    m_fileUi.SetBusy(true);
    m_shell.ProductName = "Kelpie";
    ReadSettings(m_env.Settings, m_data, m_shell);
    ShowModel();
    // On the very first start the start page asks which radio is to be programmed.
    m_editor->SetModelQuestionVisible(!HasStoredModel(m_env.Settings));
    // One program button and one read button show.
    findChild<QAction*>(u"Program"_s)->setVisible(false);
    findChild<QAction*>(u"Read2"_s)->setVisible(false);
    m_shell.RetryCount = 1;
    m_radio->SelectCommPort(m_shell.CommPort - 1, false);

    RestoreLayout();
    ChannelPlan();  // the marine channel plan and the weather table, built once for the run
    WxPlan();
    NewImage(true);
    m_shell.DataChanged = false;
    m_fileUi.SetBusy(false);
}

void frmMain::RestoreLayout()
{
    const WindowLayout layout = StoredWindowLayout(m_env.Settings);
    // Qt's restore moves a window that would lie off every screen back onto one.
    if (!restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(layout.Geometry)))) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        resize(screen ? kFirstSize.boundedTo(screen->availableSize()) : kFirstSize);
    }
    // Without a stored split the editor puts its own when it first shows.
    m_editor->RestoreSplitterState(QByteArray::fromBase64(QByteArray::fromStdString(layout.Splitter)));
}

QAction* frmMain::AddAction(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void frmMain::BuildMenus()
{
    const auto addMenu = [this](QMenu* parent, const char* name, const QString& caption) {
        QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    const auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu* mnuFile = addMenu(nullptr, "mnuFile", tr("&File"));
    QAction* mnuFileNew = AddAction(mnuFile, "mnuFileNew", tr("&New"));
    mnuFileNew->setShortcut(QKeySequence::New);
    QAction* mnuFileOpen = AddAction(mnuFile, "mnuFileOpen", tr("&Open"));
    mnuFileOpen->setShortcut(QKeySequence::Open);
    QAction* mnuFileCompare = AddAction(mnuFile, "mnuFileCompare", tr("&Compare With..."));
    mnuFileCompare->setStatusTip(tr("List what differs between this data and a file"));
    m_documents->SetRecentMenu(addMenu(mnuFile, "mnuFileRecent", tr("Recent &Files")));
    addSeparator(mnuFile, "mnuFileBar1");
    QAction* mnuFileSave = AddAction(mnuFile, "mnuFileSave", tr("&Save"));
    mnuFileSave->setShortcut(QKeySequence::Save);
    QAction* mnuFileSaveAs = AddAction(mnuFile, "mnuFileSaveAs", tr("Save &As..."));
    // Laid out with the others but without a command: not offered.
    QAction* mnuFileSaveAsDefault = AddAction(mnuFile, "mnuFileSaveAsDefault", tr("Save As &Default"));
    mnuFileSaveAsDefault->setVisible(false);
    addSeparator(mnuFile, "mnuFileBar2");
    QAction* mnuFilePrint = AddAction(mnuFile, "mnuFilePrint", tr("&Print"));
    mnuFilePrint->setShortcut(QKeySequence::Print);
    QAction* mnuFilePrintPreview = AddAction(mnuFile, "mnuFilePrintPreview", tr("Print Pre&view..."));
    mnuFilePrintPreview->setStatusTip(tr("See the printed listing's pages before printing them"));
    QAction* mnuFileExportPdf = AddAction(mnuFile, "mnuFileExportPdf", tr("&Export PDF..."));
    mnuFileExportPdf->setStatusTip(tr("Save the printed listing's pages as a PDF file"));
    QAction* mnuFilePrintToFile = AddAction(mnuFile, "mnuFilePrintToFile", tr("P&rint to File"));
    addSeparator(mnuFile, "mnuFileBarChannels");
    QAction* mnuFileImportChannels = AddAction(mnuFile, "mnuFileImportChannels", tr("&Import Channels..."));
    mnuFileImportChannels->setStatusTip(tr("Read the channel list in view from a CSV file"));
    QAction* mnuFileExportChannels = AddAction(mnuFile, "mnuFileExportChannels", tr("E&xport Channels..."));
    mnuFileExportChannels->setStatusTip(tr("Write the channel list in view to a CSV file"));
    addSeparator(mnuFile, "mnuFileBar3");
    QAction* mnuFileExit = AddAction(mnuFile, "mnuFileExit", tr("E&xit"));

    QMenu* mnuEdit = addMenu(nullptr, "mnuEdit", tr("&Edit"));
    mnuEditUndo = AddAction(mnuEdit, "mnuEditUndo", tr("&Undo"));
    mnuEditUndo->setShortcut(QKeySequence::Undo);
    mnuEditRedo = AddAction(mnuEdit, "mnuEditRedo", tr("&Redo"));
    mnuEditRedo->setShortcuts({QKeySequence(u"Ctrl+Shift+Z"_s), QKeySequence(u"Ctrl+Y"_s)});
    connect(mnuEditUndo, &QAction::triggered, this, [this] { OnUndoRedo(false); });
    connect(mnuEditRedo, &QAction::triggered, this, [this] { OnUndoRedo(true); });
    addSeparator(mnuEdit, "mnuEditBar0");
    auto* rows = new ChannelRowActions(*this);
    const std::array<
        std::tuple<const char*, QString, QKeySequence::StandardKey, void (ChannelRowActions::*)()>, 3>
        rowCommands{{{"mnuEditCopy", tr("&Copy"), QKeySequence::Copy, &ChannelRowActions::OnCopy},
                     {"mnuEditCut", tr("Cu&t"), QKeySequence::Cut, &ChannelRowActions::OnCut},
                     {"mnuEditPaste", tr("&Paste"), QKeySequence::Paste, &ChannelRowActions::OnPaste}}};
    for (const auto& [name, caption, keys, command] : rowCommands) {
        QAction* action = AddAction(mnuEdit, name, caption);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, rows, command);
    }
    connect(mnuFileImportChannels, &QAction::triggered, rows, &ChannelRowActions::OnImport);
    connect(mnuFileExportChannels, &QAction::triggered, rows, &ChannelRowActions::OnExport);
    addSeparator(mnuEdit, "mnuEditBar1");
    QMenu* mnuEditModel = addMenu(mnuEdit, "mnuEditModel", tr("&Model"));
    auto* models = new QActionGroup(mnuEditModel);
    for (int model = 0; model < kModelCount; ++model) {
        const QByteArray name = "mnuEditModel" + QByteArray::number(model);
        mnuEditModelEntries[model] =
            AddAction(mnuEditModel, name.constData(), QString::fromLatin1(RadioNameOf(model)));
        mnuEditModelEntries[model]->setCheckable(true);
        models->addAction(mnuEditModelEntries[model]);
        connect(mnuEditModelEntries[model], &QAction::triggered, this, [this, model] { ChooseModel(model); });
    }

    QMenu* mnuTransfer = addMenu(nullptr, "mnuTransfer", tr("&Transfer"));
    QAction* mnuTransferProgram = AddAction(mnuTransfer, "mnuTransferProgram", tr("&Program to Radio"));
    QAction* mnuTransferRead = AddAction(mnuTransfer, "mnuTransferRead", tr("&Read from Radio"));
    QAction* mnuTransferVerify = AddAction(mnuTransfer, "mnuTransferVerify", tr("&Verify Radio..."));
    mnuTransferVerify->setStatusTip(tr("Read the radio back and list what differs from this data"));

    mnuDestination = addMenu(nullptr, "mnuDestination", tr("&Destination"));
    for (int k = 0; k < kDestinationEntryCount; ++k) {
        const QByteArray name = "mnuDestinationChild_" + QByteArray::number(k);
        mnuDestinationChild[k] = AddAction(mnuDestination, name.constData(), QString());
        mnuDestinationChild[k]->setCheckable(true);
        connect(mnuDestinationChild[k], &QAction::triggered, this, [this, k] { OnDestination(k); });
    }

    QMenu* mnuOptions = addMenu(nullptr, "mnuOptions", tr("&Options"));
    QMenu* mnuOptionsSerialPort = addMenu(mnuOptions, "mnuOptionsSerialPort", tr("&SerialPort"));
    m_radio = new RadioActions(*this, *mnuOptionsSerialPort);

    QMenu* mnuHelp = addMenu(nullptr, "mnuHelp", tr("&Help"));
    QAction* mnuHelpContents = AddAction(mnuHelp, "mnuHelpContents", tr("&Contents"));
    addSeparator(mnuHelp, "mnuHelpBar0");
    QAction* mnuHelpAbout = AddAction(mnuHelp, "mnuHelpAbout", tr("&About JMB Version"));

    DocumentActions* documents = m_documents;
    connect(mnuFileNew, &QAction::triggered, documents, &DocumentActions::OnNew);
    connect(mnuFileOpen, &QAction::triggered, documents, &DocumentActions::OnOpen);
    connect(mnuFileCompare, &QAction::triggered, documents, &DocumentActions::OnCompareWith);
    connect(mnuFileSave, &QAction::triggered, documents, [documents] { documents->SaveData(true); });
    connect(mnuFileSaveAs, &QAction::triggered, documents, [documents] { documents->SaveData(false); });
    connect(mnuFilePrint, &QAction::triggered, documents, &DocumentActions::OnPrint);
    connect(mnuFilePrintPreview, &QAction::triggered, documents, &DocumentActions::OnPrintPreview);
    connect(mnuFileExportPdf, &QAction::triggered, documents, &DocumentActions::OnExportPdf);
    connect(mnuFilePrintToFile, &QAction::triggered, documents, &DocumentActions::OnPrintToFile);
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuTransferProgram, &QAction::triggered, m_radio, &RadioActions::OnProgram);
    connect(mnuTransferRead, &QAction::triggered, m_radio, &RadioActions::OnRead);
    connect(mnuTransferVerify, &QAction::triggered, m_radio, &RadioActions::OnVerify);
    connect(mnuHelpContents, &QAction::triggered, this, &frmMain::OpenHelpForFocus);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::OnAbout);
}

void frmMain::BuildToolBar()
{
    tbToolBar = addToolBar(tr("Toolbar"));
    tbToolBar->setObjectName(u"tbToolBar"_s);
    tbToolBar->setMovable(false);
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const ToolButton& button : kToolButtons) {
        if (!button.Key) {
            tbToolBar->addSeparator();
            continue;
        }
        QAction* command = findChild<QAction*>(QString::fromLatin1(button.Command));
        QAction* action = tbToolBar->addAction(
            QIcon::fromTheme(QString::fromLatin1(button.Theme), style()->standardIcon(button.Fallback)),
            tr(button.Label));
        action->setObjectName(QString::fromLatin1(button.Key));
        action->setToolTip(tr(button.Tip));
        // A button runs its command only while the menu entry is enabled, and looks it.
        action->setEnabled(command->isEnabled());
        connect(command, &QAction::enabledChanged, action, &QAction::setEnabled);
        connect(action, &QAction::triggered, command, [command] {
            if (command->isEnabled()) {
                command->trigger();
            }
        });
    }
    // "Save As Default" carries no command: its button is not shown, nor the separator after it.
    const QList<QAction*> items = tbToolBar->actions();
    items[4]->setVisible(false);
    items[5]->setVisible(false);
}

void frmMain::NewImage(bool reload)
{
    m_shell.BusyFlag = true;
    ShowOutcome(NewData(m_data, m_shell), {});
    m_editor->PrepareForNewData();
    if (reload) {
        if (BuildDestinationList(m_destinations, m_data, m_shell, m_env.Settings, m_fileUi,
                                 m_env.ProgramFolder)) {
            m_editor->PrepareForNewData();
        }
        SyncDestinationMenu();
    }
    m_editor->BuildPageTree();
    m_editor->SelectNodeByKey(QString::fromLatin1(kGeneralKey));
    ShowStatus(QString());
    SetCaption();
    m_editor->RefreshGroupCaptions();
    m_shell.BusyFlag = false;
    m_shell.DataChanged = false;
    ShowModified();
}

void frmMain::ShowOutcome(const Outcome& outcome, const QString& subject)
{
    ShowModified();
    if (outcome.IsPlainSuccess()) {
        return;
    }
    const QString message = QString::fromStdString(outcome.Message);
    if (!message.isEmpty()) {
        if (outcome.IsDone()) {
            ShowStatus(message);
        } else {
            Dialogs::Message(
                this, message, ProgramTitle(),
                outcome.Kind == OutcomeKind::Failed ? MessageIcon::Critical : MessageIcon::Information,
                MessageButtons::Ok);
        }
    }
    if (!outcome.NotTaken.empty()) {
        const QString text = QString::fromStdString(NotTakenText(outcome));
        Dialogs::Message(this, subject.isEmpty() ? text : subject + u": "_s + text, ProgramTitle(),
                         MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

void frmMain::ShowRadioWarning()
{
    m_radioWarning->setText(QString::fromStdString(m_shell.PartlyProgrammed));
    m_radioWarning->setVisible(!m_shell.PartlyProgrammed.empty());
}

void frmMain::ShowStatus(const QString& text)
{
    m_statusPanel->setText(text);
    m_statusPanel->setToolTip(text);
}

void frmMain::SetCaption()
{
    QString caption = QString::fromStdString(m_shell.ProductName + "  " + m_shell.ProgramTitle);
    if (!m_shell.CurrentFileName.empty()) {
        const QString name = QFileInfo(QString::fromStdString(m_shell.CurrentFileName)).fileName().toLower();
        caption = name + u" - "_s + caption;
    }
    setWindowTitle(caption + u"[*]"_s);
    ShowModified();
    m_editor->RefreshGeneralPage();
}

void frmMain::ShowModified()
{
    m_modifiedCheckDue = false;
    setWindowModified(m_shell.DataChanged);
    SyncUndoActions();
}

void frmMain::SyncUndoActions()
{
    const std::optional<StepLabel> undo = m_history.NextUndo();
    const std::optional<StepLabel> redo = m_history.NextRedo();
    mnuEditUndo->setText(undo ? tr("&Undo %1").arg(QString::fromStdString(undo->caption)) : tr("&Undo"));
    mnuEditRedo->setText(redo ? tr("&Redo %1").arg(QString::fromStdString(redo->caption)) : tr("&Redo"));
    mnuEditUndo->setEnabled(undo.has_value());
    mnuEditRedo->setEnabled(redo.has_value());
}

void frmMain::OnUndoRedo(bool redo)
{
    if (!m_editor->CommitPage()) {
        return;
    }
    EditContext ctx{m_data, m_shell};
    if (const std::optional<StepLabel> step = redo ? m_history.Redo(ctx) : m_history.Undo(ctx)) {
        m_editor->ShowRecordsAgain(QString::fromStdString(step->pageKey));
    }
    ShowModified();
}

bool frmMain::MayReplaceData()
{
    if (!m_shell.DataChanged) {
        return true;
    }
    const QString file = m_shell.CurrentFileName.empty()
                             ? tr("the new data")
                             : QFileInfo(QString::fromStdString(m_shell.CurrentFileName)).fileName();
    switch (Dialogs::Message(this, tr("Save the changes to %1?").arg(file), ProgramTitle(),
                             MessageIcon::Question, MessageButtons::SaveDiscardCancel)) {
        case MessageAnswer::Save:
            return m_documents->SaveData(true);
        case MessageAnswer::Discard:
            return true;
        default:
            return false;
    }
}

// The editor after the records were replaced by a loaded image.
void frmMain::RefreshAfterLoad()
{
    m_editor->PrepareForNewData();
    m_editor->ShowCurrentPageAgain();
    m_editor->BuildPageTree();
    m_editor->RefreshGroupCaptions();
}

bool frmMain::ChooseModel(int model)
{
    // The page's input is checked before the model changes: a refused page would otherwise stop
    // the reset and leave the old model's records under the new model number.
    const bool chosen = model == m_data.ModelIndex || (m_editor->CommitPage() && MayReplaceData());
    if (chosen && model != m_data.ModelIndex) {
        SwitchToModel(model);
    }
    ShowModel();
    return chosen;
}

void frmMain::SwitchToModel(int model)
{
    // Saved or given up: the reset that follows asks nothing more.
    m_shell.DataChanged = false;
    m_data.ModelIndex = static_cast<std::int16_t>(model);
    m_shell.ModelName = ModelNameOf(model);
    StoreModelIndex(m_env.Settings, m_data);
    m_editor->SetModelQuestionVisible(false);
    ShowModel();
    m_editor->SelectNodeByKey(QString::fromLatin1(kGeneralKey));
    NewImage(true);
}

void frmMain::ShowModel()
{
    m_shell.ProgramTitle = "PC Program for " + RadioNameOf(m_data.ModelIndex);
    mnuEditModelEntries.at(static_cast<std::size_t>(m_data.ModelIndex))->setChecked(true);
}

void frmMain::OnDestination(int entry)
{
    const QString text =
        tr("Do you want to change to %1?\r\nAll programming is replaced by that destination's defaults.")
            .arg(QString::fromStdString(m_destinations.Entries[entry].Caption));
    const bool checked = m_destinations.Entries[entry].Checked;
    if ((!checked && Dialogs::Message(this, text, ProgramTitle(), MessageIcon::Exclamation,
                                      MessageButtons::OkCancel) == MessageAnswer::Cancel) ||
        !MayReplaceData()) {
        SyncDestinationMenu();
        return;
    }
    BusyScope busy(m_fileUi);
    m_editor->SelectNodeByKey(QString::fromLatin1(kGeneralKey));
    m_fileUi.Pause(kAfterFileMs);
    NewImage(false);
    if (LoadDestination(m_destinations, entry, m_data, m_shell, m_env.Settings, m_fileUi)) {
        RefreshAfterLoad();
    }
    SyncDestinationMenu();
    m_shell.DataChanged = false;
    ShowModified();
}

void frmMain::SyncDestinationMenu()
{
    mnuDestination->setEnabled(m_destinations.Enabled);
    QString checkedName;
    for (int k = 0; k < kDestinationEntryCount; ++k) {
        const DestinationEntry& entry = m_destinations.Entries[k];
        mnuDestinationChild[k]->setText(QString::fromStdString(entry.Caption));
        mnuDestinationChild[k]->setVisible(entry.Visible);
        mnuDestinationChild[k]->setChecked(entry.Checked);
        if (entry.Checked) {
            checkedName = QString::fromStdString(entry.Caption);
        }
    }
    m_editor->SetDestinationName(checkedName);
}

void frmMain::OpenHelpForFocus()
{
    OpenHelpFor(focusWidget());
}

void frmMain::OpenHelpFor(QWidget* control)
{
    QString error;
    if (!m_help.ShowHelpTopic(this, HelpTopicOf(control), error)) {
        Dialogs::Message(this, error, windowTitle().remove(u"[*]"_s), MessageIcon::Information,
                         MessageButtons::Ok);
    }
}

void frmMain::OnAbout()
{
    ShowAbout(m_shell, m_icon, this);
}

std::string frmMain::DestinationName() const
{
    for (const DestinationEntry& entry : m_destinations.Entries) {
        if (entry.Checked) {
            return entry.Caption;
        }
    }
    return {};
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // Every edit follows a key, a click or a drop: the mark is brought up to date once the input
    // has been handled.
    const QEvent::Type type = event->type();
    if (!m_modifiedCheckDue && (type == QEvent::KeyPress || type == QEvent::MouseButtonRelease ||
                                type == QEvent::Drop || type == QEvent::Wheel)) {
        m_modifiedCheckDue = true;
        QMetaObject::invokeMethod(this, &frmMain::ShowModified, Qt::QueuedConnection);
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool control = key->modifiers() == Qt::ControlModifier;
    // The channel list's own copy key would copy one cell's text: its rows are copied, cut and
    // pasted by the Edit menu's commands.
    if (watched->objectName() == u"MSFlexGrid1"_s) {
        for (const auto& [keys, command] : {std::pair{QKeySequence::Copy, u"mnuEditCopy"_s},
                                            {QKeySequence::Cut, u"mnuEditCut"_s},
                                            {QKeySequence::Paste, u"mnuEditPaste"_s}}) {
            if (key->matches(keys)) {
                findChild<QAction*>(command)->trigger();
                return true;
            }
        }
    }
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // The list grids jump to the row's page on Enter and their cell editors commit with it;
            // everywhere else Enter is swallowed.
            for (const QObject* each = watched; each; each = each->parent()) {
                if (each->objectName() == u"MSFlexGrid1"_s || each->objectName() == u"MSFlexGrid2"_s)
                    return false;
            }
            return true;
        }
        case Qt::Key_F1:
            if (key->modifiers() != Qt::NoModifier) {
                break;
            }
            OpenHelpFor(static_cast<QWidget*>(watched));
            return true;
        case Qt::Key_F2:
            if (!control) {
                break;
            }
            m_documents->OnLoadHex();
            return true;
        case Qt::Key_F3:
            if (!control) {
                break;
            }
            m_documents->OnSaveHex();
            return true;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    m_help.CloseAllHelp();
    if (m_shell.BusyFlag) {
        event->ignore();
        return;
    }
    if (m_shell.DataChanged) {
        const MessageAnswer answer =
            Dialogs::Message(this, u"JMB data has changed.\r\nDo you want to save changes?"_s, ProgramTitle(),
                             MessageIcon::Exclamation, MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::Cancel ||
            (answer == MessageAnswer::Yes && (!m_editor->CommitPage() || !m_documents->SaveData(true)))) {
            event->ignore();
            return;
        }
    }
    const QList<QWidget*> windows = findChildren<QWidget*>();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        if ((*window)->isWindow() && (*window)->isVisible()) {
            (*window)->close();
        }
    }
    StoreWindowLayout(m_env.Settings, {saveGeometry().toBase64().toStdString(),
                                       m_editor->SplitterState().toBase64().toStdString()});
    if (!isMinimized()) {
        StoreWindowGeometry(m_env.Settings, {x() * kTwipsPerPixel, y() * kTwipsPerPixel,
                                             width() * kTwipsPerPixel, height() * kTwipsPerPixel});
    }
    event->accept();
}

}  // namespace kelpie
