#include "app/DocumentActions.h"

#include <QFileInfo>
#include <QMenu>

#include "app/frmCompare.h"
#include "app/frmMain.h"
#include "app/frmPrn.h"
#include "command/DocumentCommands.h"
#include "editor/Dialogs.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "files/FileAccess.h"
#include "files/HexFile.h"
#include "files/ProgramSettings.h"
#include "link/Verify.h"
#include "model/Models.h"
#include "printing/PrintCommands.h"

namespace kelpie {

using namespace Qt::StringLiterals;

namespace {

constexpr int kNewDelayMs = 100;
constexpr auto kSaveFilter = "dat files(*.dat);;hex files(*.hex)"_L1;
constexpr auto kCompareFilter =
    "Programming files (*.dat *.hex *.ini);;dat files(*.dat);;hex files(*.hex);;Default images(*.ini)"_L1;

// "dat files(*.dat)|*.dat|All files(*.*)|*.*" as a file dialog's filter: the descriptions (each
// names its own patterns), one per line of the file-type list.
QString DialogFilter(std::string_view filter)
{
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        descriptions << parts[i];
    }
    return descriptions.join(u";;"_s);
}

}  // namespace

DocumentActions::DocumentActions(frmMain& window)
    : QObject(&window), m_window(window), m_folders(window.Environment().Settings)
{
    m_newTimer.setSingleShot(true);
    m_newTimer.setInterval(kNewDelayMs);
    connect(&m_newTimer, &QTimer::timeout, this, &DocumentActions::RunNew);
}

void DocumentActions::OnNew()
{
    if (!m_window.Editor().CommitPage() || !m_window.MayReplaceData()) {
        return;
    }
    m_newTimer.start();
}

void DocumentActions::RunNew()
{
    m_newTimer.stop();
    BusyScope busy(m_window.Files());
    m_window.Editor().SelectNodeByKey(QString::fromLatin1(kGeneralKey));
    m_window.Files().Pause(kAfterFileMs);
    m_window.NewImage(true);
}

void DocumentActions::OnOpen()
{
    if (!m_window.Editor().CommitPage() || !m_window.MayReplaceData()) {
        return;
    }
    // The wait cursor would cover the file dialog too: the window turns busy once a name is chosen.
    m_window.Shell().CancelFlag = true;
    const QString name =
        Dialogs::OpenFileName(&m_window, tr("Open"), m_folders.Start(), DialogFilter(kDataFileFilter));
    if (name.isEmpty() || !MayOpenForItsModel(name)) {
        return;
    }
    m_folders.Used(name);
    OpenFile(name);
}

void DocumentActions::OnOpenRecent(const QString& name)
{
    if (!QFileInfo(name).isFile()) {
        RemoveRecentFile(m_window.Environment().Settings, name.toStdString());
        FillRecentMenu();
        Dialogs::Message(&m_window, tr("%1 is no longer there; it was removed from Recent Files.").arg(name),
                         tr("Recent Files"), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    if (!m_window.Editor().CommitPage() || !m_window.MayReplaceData() || !MayOpenForItsModel(name)) {
        return;
    }
    m_window.Shell().CancelFlag = true;
    OpenFile(name);
}

void DocumentActions::OpenFile(const QString& name)
{
    Outcome opened;
    {
        BusyScope busy(m_window.Files());
        opened = OpenDataFile(m_window.Data(), m_window.Shell(), m_window.Files(), name.toStdString());
        if (opened.IsDone()) {
            m_window.SetCaption();
            m_window.RefreshAfterLoad();
            RememberFile(name);
        }
    }
    m_window.ShowOutcome(opened, QFileInfo(name).fileName());
}

void DocumentActions::RememberFile(const QString& name)
{
    if (QFileInfo(name).suffix().compare(u"hex"_s, Qt::CaseInsensitive) != 0) {
        AddRecentFile(m_window.Environment().Settings, QFileInfo(name).absoluteFilePath().toStdString());
        FillRecentMenu();
    }
}

void DocumentActions::SetRecentMenu(QMenu* menu)
{
    m_recentMenu = menu;
    FillRecentMenu();
}

void DocumentActions::FillRecentMenu()
{
    m_recentMenu->clear();
    const std::vector<std::string> files = RecentFiles(m_window.Environment().Settings);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString file = QString::fromStdString(files[i]);
        QAction* entry = m_recentMenu->addAction(u"&%1 %2"_s.arg(i + 1).arg(file));
        entry->setObjectName(u"mnuFileRecent%1"_s.arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, file] { OnOpenRecent(file); });
    }
    m_recentMenu->addSeparator();
    QAction* clear = m_recentMenu->addAction(tr("&Clear List"));
    clear->setObjectName(u"mnuFileRecentClear"_s);
    clear->setEnabled(!files.empty());
    connect(clear, &QAction::triggered, this, [this] {
        ClearRecentFiles(m_window.Environment().Settings);
        FillRecentMenu();
    });
}

bool DocumentActions::MayOpenForItsModel(const QString& name)
{
    const std::optional<int> model = DataFileModel(name.toStdString());
    const int current = m_window.Data().ModelIndex;
    if (!model || *model == current) {
        return true;
    }
    const QString radio = QString::fromStdString(RadioNameOf(*model));
    const QString text =
        tr("This file is for the %1; Kelpie is set for the %2. Switch to the %1 and open it?")
            .arg(radio, QString::fromStdString(RadioNameOf(current)));
    if (Dialogs::Message(&m_window, text, QString::fromStdString(m_window.Shell().ProgramTitle),
                         MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        return false;
    }
    // The save question came before the file dialog.
    m_window.SwitchToModel(*model);
    return true;
}

bool DocumentActions::SaveData(bool current)
{
    if (!m_window.Editor().CommitPage()) {
        return false;
    }
    ShellState& shell = m_window.Shell();
    const bool choose = !current || shell.CurrentFileName.empty();
    QString name =
        choose ? Dialogs::SaveFileName(&m_window, tr("Save As"), m_folders.Start(), kSaveFilter, u"dat"_s)
               : QString::fromStdString(shell.CurrentFileName);
    if (choose && !name.isEmpty()) {
        m_folders.Used(name);
        // A name without an extension is a data file.
        if (QFileInfo(name).suffix().isEmpty()) {
            name += u".dat"_s;
        }
    }
    if (name.isEmpty() || !MayOverwrite(name)) {
        shell.CancelFlag = true;
        return false;
    }
    // A file opened under any name is saved again as the data file it was read as; a hex image
    // loaded in debug mode as the image.
    const bool dataFile = !choose && QFileInfo(name).suffix().compare(u"hex"_s, Qt::CaseInsensitive) != 0;
    const Outcome saved = dataFile
                              ? SaveDataFile(m_window.Data(), shell, m_window.Files(), name.toStdString())
                              : SaveDocument(m_window.Data(), shell, m_window.Files(), name.toStdString());
    if (saved.IsDone()) {
        m_window.SetCaption();
        RememberFile(name);
    }
    m_window.ShowOutcome(saved, QFileInfo(name).fileName());
    return saved.IsDone();
}

bool DocumentActions::MayOverwrite(const QString& name)
{
    const ShellState& shell = m_window.Shell();
    // A file gone from the disk is not overwritten.
    const std::string stamp = FileStamp(name.toStdString());
    if (shell.CurrentFileStamp.empty() || name.toStdString() != shell.CurrentFileName || stamp.empty() ||
        stamp == shell.CurrentFileStamp) {
        return true;
    }
    const QString text = tr("%1 has changed on disk since it was opened or last saved.\r\n"
                            "Do you want to replace it with this data?")
                             .arg(QFileInfo(name).fileName());
    return Dialogs::Message(&m_window, text, tr("Save"), MessageIcon::Exclamation, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

void DocumentActions::OnCompareWith()
{
    if (!m_window.Editor().CommitPage()) {
        return;
    }
    // The backups of every read are a place to compare with.
    const QUrl backups = QUrl::fromLocalFile(ToQString(m_window.Environment().DataFolder / "backups"));
    const QString name =
        Dialogs::OpenFileName(&m_window, tr("Compare With"), m_folders.Start(), kCompareFilter, {backups});
    if (name.isEmpty()) {
        return;
    }
    m_folders.Used(name);
    std::vector<Difference> differences;
    Outcome compared;
    {
        const BusyScope busy(m_window.Files());
        // A .dat file carries the records only: on a copy of the data it gives what Open would.
        RadioData other = m_window.Data();
        compared = CompareWithFile(m_window.Data(), other, m_window.Shell(), m_window.Files(),
                                   name.toStdString(), differences);
    }
    const QString fileName = QFileInfo(name).fileName();
    if (compared.IsDone()) {
        ShowCompare(differences, fileName, false);
    }
    m_window.ShowOutcome(compared, fileName);
}

void DocumentActions::ShowCompare(const std::vector<Difference>& differences, const QString& otherSide,
                                  bool radio)
{
    qDeleteAll(m_window.findChildren<frmCompare*>());
    // What the radio is never compared with (the directories no transfer writes) is said with a
    // radio's result.
    const QString notCompared =
        radio ? QString::fromStdString(NotComparedWithRadio(m_window.Data().ModelIndex)) : QString();
    auto* window = new frmCompare(differences, {otherSide, radio, notCompared}, &m_window);
    connect(window, &frmCompare::JumpRequested, &m_window.Editor(), &PageEditor::SelectNodeByKey);
    window->show();
}

void DocumentActions::OnPrint()
{
    if (m_window.Editor().CommitPage()) {
        m_window.ShowOutcome(
            PrintListing(m_window.Data(), m_window.Shell(), m_window.DestinationName(), &m_window), {});
    }
}

void DocumentActions::OnPrintPreview()
{
    if (m_window.Editor().CommitPage()) {
        PreviewListing(m_window.Data(), m_window.Shell(), m_window.DestinationName(), &m_window);
    }
}

void DocumentActions::OnExportPdf()
{
    if (!m_window.Editor().CommitPage()) {
        return;
    }
    const QString name = Dialogs::SaveFileName(&m_window, tr("Export PDF"), m_folders.Start(),
                                               tr("PDF files(*.pdf)"), u"pdf"_s);
    if (name.isEmpty()) {
        return;
    }
    m_folders.Used(name);
    Outcome exported;
    {
        const BusyScope busy(m_window.Files());
        exported = ExportListingPdf(m_window.Data(), m_window.Shell(), m_window.DestinationName(),
                                    name.toStdString());
    }
    m_window.ShowOutcome(exported, {});
}

void DocumentActions::OnPrintToFile()
{
    frmPrn listing(m_window.Data(), m_window.Shell(), m_folders, m_window.Environment().Pauses, &m_window);
    listing.exec();
}

void DocumentActions::OnSaveHex()
{
    ShellState& shell = m_window.Shell();
    if (!shell.DebugMode || !m_window.Editor().CommitPage()) {
        return;
    }
    const QString name = Dialogs::SaveFileName(&m_window, tr("Save Hex File"), m_folders.Start(),
                                               DialogFilter(kHexFileFilter), QString());
    if (name.isEmpty()) {
        shell.CancelFlag = true;
        return;
    }
    m_folders.Used(name);
    Outcome saved;
    {
        BusyScope busy(m_window.Files());
        saved = SaveHexFile(m_window.Data(), shell, m_window.Files(), name.toStdString());
    }
    m_window.ShowOutcome(saved, QFileInfo(name).fileName());
}

void DocumentActions::OnLoadHex()
{
    ShellState& shell = m_window.Shell();
    if (!shell.DebugMode) {
        return;
    }
    const QString name = Dialogs::OpenFileName(&m_window, tr("Open Hex File"), m_folders.Start(),
                                               DialogFilter(kHexFileFilter));
    if (name.isEmpty()) {
        shell.CancelFlag = true;
        return;
    }
    m_folders.Used(name);
    Outcome loaded;
    {
        BusyScope busy(m_window.Files());
        // The page's input is finished before the records are replaced, never onto the loaded data.
        m_window.Editor().SelectNodeByKey(QString::fromLatin1(kGeneralKey));
        loaded = LoadHexFile(m_window.Data(), shell, m_window.Files(), name.toStdString());
        if (loaded.IsDone()) {
            m_window.RefreshAfterLoad();
            m_window.SetCaption();
        }
    }
    m_window.ShowOutcome(loaded, QFileInfo(name).fileName());
}

}  // namespace kelpie
