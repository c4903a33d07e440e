#include "app/frmRadio_102.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "app/RadioPictures.h"
#include "edit/Twips.h"
#include "editor/Dialogs.h"

namespace kelpie {

using namespace Qt::StringLiterals;

namespace {

constexpr int kDialogWidth = 465;
constexpr int kDialogHeight = 290;
constexpr int kProgressHeight = 18;
constexpr int kTopicConnection = 1012;
// The box every completed run ends with.
constexpr std::string_view kCompleteText = "Complete!!";

QString FromStd(std::string_view text)
{
    return QString::fromStdString(std::string(text)).replace(u"\r\n"_s, u"\n"_s);
}

QPushButton* MakeButton(const QString& name, const QString& caption, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

}  // namespace

QString VerifyAdvice()
{
    return frmRadio_102::tr(
        "Turn the radio off and on in programming mode, then choose Verify Radio to check it");
}

frmRadio_102::frmRadio_102(SerialPort& port, Clock& clock, ShellState& shell, RadioData& data, bool pauses,
                           QWidget* parent)
    : QDialog(parent), m_shell(shell), m_dialog(port, *this, clock, shell, data), m_pauses(pauses)
{
    setObjectName(u"frmRadio_102"_s);
    setWindowTitle(QString::fromStdString(m_dialog.Caption()));
    setFixedSize(kDialogWidth, kDialogHeight);
    setModal(true);

    lblmess = new QLabel(FromStd(TransferInstructions()), this);
    lblmess->setObjectName(u"lblmess"_s);
    lblWaiting = new QLabel(this);
    lblWaiting->setObjectName(u"lblWaiting"_s);
    lblWaiting->setWordWrap(true);
    lblWaiting->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lblWaiting->hide();
    lblmon = new QLabel(this);
    lblmon->setObjectName(u"lblmon"_s);
    lblmon->setVisible(shell.DebugMode);
    lblmon->setStyleSheet(u"color: palette(dark);"_s);

    pictHandy = new TransferPicture(TransferPictureKind::Radio, this);
    pictHandy->setObjectName(u"pictHandy"_s);
    pictB = new TransferPicture(TransferPictureKind::Computer, this);
    pictB->setObjectName(u"pictB"_s);
    pictA = new TransferPicture(TransferPictureKind::Cable, this);
    pictA->setObjectName(u"pictA"_s);

    pictProgress = new QFrame(this);
    pictProgress->setObjectName(u"pictProgress"_s);
    pictProgress->setFrameShape(QFrame::Box);
    pictProgress->setFixedHeight(kProgressHeight);
    lblPercent = new QLabel(pictProgress);
    lblPercent->setObjectName(u"lblPercent"_s);
    lblPercent->setAutoFillBackground(true);
    lblPercent->setBackgroundRole(QPalette::Highlight);
    lblPercent->setForegroundRole(QPalette::HighlightedText);
    lblPercent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    cmdOK = MakeButton(u"cmdOK"_s, tr("OK"),
                       tr("Start, once the radio is connected and switched on in programming mode"), this);
    cmdOK->setDefault(true);
    cmdCancel = MakeButton(u"cmdCancel"_s, tr("Cancel"),
                           tr("Close this window, or stop the transfer that is running"), this);
    cmdCancel->setCursor(Qt::ArrowCursor);
    cmdHelp = MakeButton(u"cmdHelp"_s, tr("Help"), tr("How to connect the radio (F1)"), this);
    connect(cmdOK, &QPushButton::clicked, this, &frmRadio_102::OnOk);
    connect(cmdCancel, &QPushButton::clicked, this, &frmRadio_102::OnCancel);
    connect(cmdHelp, &QPushButton::clicked, this, &frmRadio_102::OnHelp);

    // The pictures stand at fixed places above the bar; the layout keeps their band free.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblmess);
    layout->addWidget(lblWaiting);
    layout->addStretch();
    layout->addWidget(lblmon);
    layout->addWidget(pictProgress);
    layout->addLayout(buttons);

    PlacePictures();
    setCursor(Qt::WaitCursor);
    m_dialog.Load();
    unsetCursor();
}

void frmRadio_102::PlacePictures()
{
    const TransferPictures at = TransferPicturesFor(m_shell.TransferMode);
    const int top = at.Top / kTwipsPerPixel;
    pictHandy->move(at.HandyLeft / kTwipsPerPixel, top);
    pictB->move(at.BLeft / kTwipsPerPixel, top);
    // The cable joins the two, from whichever stands on the left.
    const bool radioLeft = pictHandy->x() < pictB->x();
    const QWidget* left = radioLeft ? static_cast<QWidget*>(pictHandy) : pictB;
    const QWidget* right = radioLeft ? static_cast<QWidget*>(pictB) : pictHandy;
    pictA->setGeometry(left->geometry().right() + 1, top + 30, right->x() - left->geometry().right() - 1, 40);
    // A read or a verify brings the radio's programming to the PC; the other runs send to the radio.
    const bool fromRadio = m_shell.TransferMode == kTransferRead || m_shell.TransferMode == kTransferVerify;
    pictA->SetFlowRight(radioLeft == fromRadio);
}

void frmRadio_102::ShowMonitor(std::string_view text)
{
    lblmon->setText(FromStd(text));
}

void frmRadio_102::ShowProgress(int percent)
{
    m_percent = percent;
    const int width = pictProgress->width();
    lblPercent->setGeometry(ProgressBarLeft(width, percent), 0, width, pictProgress->height());
    lblPercent->setText(percent > 0 ? u"%1 % "_s.arg(std::min(percent, 100)) : QString());
}

void frmRadio_102::PumpEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The window keeps painting through the pause; a click waits for the next pump, so that the wait
// after the transmission sees it.
void frmRadio_102::Pause(int milliseconds)
{
    const QDeadlineTimer deadline(m_pauses ? milliseconds : 0);
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(deadline.remainingTime(), 2)));
    } while (!deadline.hasExpired());
}

MessageAnswer frmRadio_102::Message(std::string_view text, std::string_view title, MessageIcon icon,
                                    MessageButtons buttons)
{
    QString shown = FromStd(text);
    // The box that ends a program run also says how to check what the radio now holds.
    if (m_shell.TransferMode == kTransferProgram && m_shell.TransferDone && text == kCompleteText) {
        shown += u"\n\n"_s + VerifyAdvice();
    }
    return Dialogs::Message(this, shown, FromStd(title), icon, buttons);
}

void frmRadio_102::SetRunning(bool running)
{
    cmdOK->setEnabled(!running);
    cmdHelp->setEnabled(!running);
    if (running) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

void frmRadio_102::ShowWaiting(std::string_view text)
{
    lblWaiting->setText(FromStd(text));
    lblWaiting->setVisible(!text.empty());
    lblmess->setVisible(text.empty());
}

void frmRadio_102::OnOk()
{
    if (m_dialog.OkPressed()) {
        accept();
    } else if (m_shell.RadioModelIndex >= 0) {
        // A radio of another model: the main window says which, and may switch to it.
        QDialog::reject();
    }
}

void frmRadio_102::OnCancel()
{
    if (m_dialog.CancelPressed()) {
        QDialog::reject();
    }
}

void frmRadio_102::reject()
{
    OnCancel();
}

void frmRadio_102::OnHelp()
{
    const QString title = windowTitle();
    if (!m_help) {
        Dialogs::Message(
            this, tr("Unable to display Help Contents. There is no Help associated with this project."),
            title, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    QString error;
    if (!m_help(kTopicConnection, error)) {
        Dialogs::Message(this, error, title, MessageIcon::Critical, MessageButtons::Ok);
    }
}

void frmRadio_102::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ShowProgress(m_percent);
}

void frmRadio_102::closeEvent(QCloseEvent* event)
{
    if (!m_dialog.CloseAllowed()) {
        event->ignore();
        return;
    }
    pictA->hide();
    pictB->hide();
    pictHandy->hide();
    QDialog::closeEvent(event);
}

}  // namespace kelpie
