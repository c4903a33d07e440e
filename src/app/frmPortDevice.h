// frmPortDevice.h — the small dialog that assigns a serial device to a COM number: one of the
// devices the system offers, or a path typed in.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QStringList>

namespace kelpie {

class frmPortDevice : public QDialog
{
    Q_OBJECT
public:
    // `current` is the device the COM number opens now; `offered` the system's serial devices.
    frmPortDevice(int comPort, const QString& current, const QStringList& offered, QWidget* parent);

    // The chosen device, trimmed; empty gives the COM number back its default device.
    QString Device() const;

private:
    QLabel* lblDevice;
    QComboBox* cmbDevice;
};

}  // namespace kelpie
