#include "app/frmPrn.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/Dialogs.h"
#include "editor/RecordText.h"
#include "files/FileAccess.h"
#include "report/TextImage.h"

using namespace Qt::StringLiterals;

namespace kelpie {

namespace {

constexpr int kWidth = 558;
constexpr int kHeight = 409;
constexpr int kBuildDelayMs = 10;
constexpr int kAfterFileMs = 500;

}  // namespace

frmPrn::frmPrn(RadioData& data, ShellState& shell, FileFolders& folders, bool pauses, QWidget* parent)
    : QDialog(parent), m_data(data), m_shell(shell), m_folders(folders), m_ui(*this, pauses)
{
    setObjectName(u"frmPrn"_s);
    setWindowTitle(tr("Print to File"));
    resize(kWidth, kHeight);

    auto* menuBar = new QMenuBar(this);
    QMenu* mnuFile = menuBar->addMenu(tr("&File"));
    mnuFile->setObjectName(u"mnuFile"_s);
    mnuFileSave = mnuFile->addAction(tr("&Save"), this, [this] { SaveListing(); });
    mnuFileSave->setObjectName(u"mnuFileSave"_s);
    mnuFileSave->setShortcut(QKeySequence::Save);
    mnuFileSave->setStatusTip(tr("Save the listing as a text file"));
    mnuFileExit = mnuFile->addAction(tr("E&xit"), this, &QDialog::accept);
    mnuFileExit->setObjectName(u"mnuFileExit"_s);

    txtPrn = new QPlainTextEdit(this);
    txtPrn->setObjectName(u"txtPrn"_s);
    txtPrn->setReadOnly(true);
    txtPrn->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtPrn->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtPrn->setPlainText(tr("Now, making text image. Please wait..."));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(txtPrn);
    layout->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setSingleShot(true);
    Timer1->setInterval(kBuildDelayMs);
    connect(Timer1, &QTimer::timeout, this, &frmPrn::BuildListing);
    Timer1->start();
}

void frmPrn::BuildListing()
{
    Timer1->stop();
    const BusyScope busy(m_ui);
    const std::string text = BuildTextImage(m_data);
    // The listing's lines are CR LF separated; the box shows them as lines.
    txtPrn->setPlainText(ShownText(text).replace(u"\r\n"_s, u"\n"_s));
    m_ui.Pause(kAfterFileMs);
}

bool frmPrn::SaveListing()
{
    const QString fileName = Dialogs::SaveFileName(this, tr("Save Listing"), m_folders.Start(),
                                                   tr("Text files(*.txt);;All files(*.*)"), u"txt"_s);
    if (fileName.isEmpty()) {
        m_shell.CancelFlag = true;
        return false;
    }
    m_folders.Used(fileName);
    m_shell.ErrorFlag = false;
    try {
        const BusyScope busy(m_ui);
        // The file keeps the listing's 8-bit bytes.
        QString text = txtPrn->toPlainText();
        SaveTextImage(fileName.toStdString(), RecordText(text.replace(u'\n', u"\r\n"_s)));
        m_ui.Pause(kAfterFileMs);
        return true;
    } catch (const FileError& error) {
        m_shell.ErrorFlag = m_shell.CancelFlag = true;
        Dialogs::Message(this, QString::fromStdString(error.what()),
                         QString::fromStdString(m_shell.ModelName + " " + m_shell.ProgramTitle),
                         MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
}

}  // namespace kelpie
