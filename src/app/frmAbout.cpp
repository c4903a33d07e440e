#include "app/frmAbout.h"

#include <QGridLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace kelpie {

namespace {

// Frame1 is 200 twips narrower than the inner width and cmdOK sits 70 twips below it: at 15
// twips per pixel, a margin of about 7 px on each side and 5 px between them.
constexpr int kFrameMargin = 7;
constexpr int kButtonGap = 5;
constexpr int kIconSize = 48;

const char* const kLegalNotice = QT_TRANSLATE_NOOP(
    "kelpie::frmAbout",
    "Copyright \u00A9 2026 the Kelpie developers.\n"
    "This program is provided \"as is\", without warranty of any kind, express or implied. "
    "Check the programming of every radio before you rely on it at sea. Kelpie is not made or "
    "endorsed by the maker of the radios it programs; the model names belong to their owners.");

}  // namespace

frmAbout::frmAbout(const ShellState& shell, const QIcon& icon, QWidget* parent) : QDialog(parent)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(tr("Version Information"));
    setFixedSize(375, 251);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);

    picIcon = new QLabel(Frame1);
    picIcon->setObjectName(u"picIcon"_s);
    picIcon->setPixmap(icon.pixmap(kIconSize, kIconSize));
    picIcon->setFixedSize(kIconSize, kIconSize);

    lblTitle = new QLabel(QString::fromStdString(shell.ProductName + "  " + shell.ProgramTitle), Frame1);
    lblTitle->setObjectName(u"lblTitle"_s);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setWordWrap(true);

    lblVersion = new QLabel(tr("Version %1").arg(QString::fromUtf8(KELPIE_VERSION)), Frame1);
    lblVersion->setObjectName(u"lblVersion"_s);

    lblDescription = new QLabel(tr(kLegalNotice), Frame1);
    lblDescription->setObjectName(u"lblDescription"_s);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* frameLayout = new QGridLayout(Frame1);
    frameLayout->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    frameLayout->addWidget(lblTitle, 0, 1);
    frameLayout->addWidget(lblVersion, 1, 1);
    frameLayout->addWidget(lblDescription, 2, 0, 1, 2);
    frameLayout->setRowStretch(2, 1);
    frameLayout->setColumnStretch(1, 1);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFrameMargin, kFrameMargin, kFrameMargin, kFrameMargin);
    layout->setSpacing(kButtonGap);
    layout->addWidget(Frame1, 1);
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
}

void ShowAbout(const ShellState& shell, const QIcon& icon, QWidget* owner)
{
    frmAbout about(shell, icon, owner);
    about.exec();
}

}  // namespace kelpie
