#include "app/frmPortDevice.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace kelpie {

frmPortDevice::frmPortDevice(int comPort, const QString& current, const QStringList& offered, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"frmPortDevice"_s);
    setWindowTitle(tr("Serial Device for COM%1").arg(comPort));

    cmbDevice = new QComboBox(this);
    cmbDevice->setObjectName(u"cmbDevice"_s);
    cmbDevice->setEditable(true);
    cmbDevice->setInsertPolicy(QComboBox::NoInsert);
    cmbDevice->addItems(offered);
    cmbDevice->setCurrentText(current);
    cmbDevice->setMinimumContentsLength(24);

    lblDevice = new QLabel(tr("&Device for COM%1:").arg(comPort), this);
    lblDevice->setObjectName(u"lblDevice"_s);
    lblDevice->setBuddy(cmbDevice);

    auto* note = new QLabel(offered.isEmpty() ? tr("The system offers no serial device; type its path.")
                                              : tr("Pick the cable's device or type its path."),
                            this);
    note->setObjectName(u"lblNote"_s);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"cmdOK"_s);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"cmdCancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(lblDevice, cmbDevice);
    layout->addRow(note);
    layout->addRow(buttons);
}

QString frmPortDevice::Device() const
{
    return cmbDevice->currentText().trimmed();
}

}  // namespace kelpie
