#include "serial/QtSerialPort.h"

#include <QSerialPortInfo>
#include <chrono>
#include <optional>
#include <thread>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace kelpie {

namespace {

// Line settings "baud,parity,data bits,stop bits", as "9600,N,8,1".
struct LineSettings
{
    qint32 Baud;
    QSerialPort::Parity Parity;
    QSerialPort::DataBits DataBits;
    QSerialPort::StopBits StopBits;
};

std::optional<LineSettings> ParseLineSettings(std::string_view text)
{
    const QStringList parts = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split(u',');
    if (parts.size() != 4) {
        return std::nullopt;
    }
    bool baudOk = false;
    const qint32 baud = parts[0].trimmed().toInt(&baudOk);
    const QString parity = parts[1].trimmed().toUpper();
    const QString data = parts[2].trimmed();
    const QString stop = parts[3].trimmed();
    LineSettings settings{baud, QSerialPort::NoParity, QSerialPort::Data8, QSerialPort::OneStop};
    if (parity == u"E") {
        settings.Parity = QSerialPort::EvenParity;
    } else if (parity == u"O") {
        settings.Parity = QSerialPort::OddParity;
    } else if (parity == u"M") {
        settings.Parity = QSerialPort::MarkParity;
    } else if (parity == u"S") {
        settings.Parity = QSerialPort::SpaceParity;
    } else if (parity != u"N") {
        return std::nullopt;
    }
    if (data == u"5" || data == u"6" || data == u"7" || data == u"8") {
        settings.DataBits = static_cast<QSerialPort::DataBits>(data.toInt());
    } else {
        return std::nullopt;
    }
    if (stop == u"2") {
        settings.StopBits = QSerialPort::TwoStop;
    } else if (stop == u"1.5") {
        settings.StopBits = QSerialPort::OneAndHalfStop;
    } else if (stop != u"1") {
        return std::nullopt;
    }
    if (!baudOk || baud <= 0) {
        return std::nullopt;
    }
    return settings;
}

}  // namespace

std::vector<std::string> AvailableSerialDevices()
{
    std::vector<std::string> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        devices.push_back(info.systemLocation().toStdString());
    }
    return devices;
}

bool QtSerialPort::Fail(int number, std::string text)
{
    m_errorNumber = number;
    m_errorText = std::move(text);
    return false;
}

bool QtSerialPort::Open(int portNumber, std::string_view settings)
{
    m_device = m_devices.DeviceFor(portNumber);
    const std::optional<LineSettings> line = ParseLineSettings(settings);
    if (!line) {
        return Fail(QSerialPort::UnsupportedOperationError,
                    "line settings \"" + std::string(settings) + "\" are not understood");
    }
    m_port.setPortName(QString::fromStdString(m_device));
    m_port.setBaudRate(line->Baud);
    m_port.setParity(line->Parity);
    m_port.setDataBits(line->DataBits);
    m_port.setStopBits(line->StopBits);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = m_port.error();
        std::string reason = m_port.errorString().toStdString();
#ifdef Q_OS_LINUX
        // Qt reports a port held by another program (its lock, or its exclusive use) as a
        // permission error too: a device the user may open is in use, not forbidden.
        if (error == QSerialPort::PermissionError) {
            reason += access(m_device.c_str(), R_OK | W_OK) == 0
                          ? " (the port is in use by another program)"
                          : " (the user must be a member of the dialout group to use serial ports)";
        }
#endif
        m_port.clearError();
        return Fail(error, std::move(reason));
    }
    m_settings = settings;
    return true;
}

void QtSerialPort::Close()
{
    m_port.close();
}

int QtSerialPort::BytesWaiting()
{
    return static_cast<int>(m_port.bytesAvailable());
}

std::vector<std::uint8_t> QtSerialPort::Read(int count)
{
    const QByteArray bytes = m_port.read(count);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void QtSerialPort::Write(std::span<const std::uint8_t> bytes)
{
    m_port.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Out to the line now: the echo check that follows waits for these very bytes.
    while (m_port.bytesToWrite() > 0 && m_port.waitForBytesWritten(1000)) {
    }
}

bool QtSerialPort::WaitReadable(int milliseconds)
{
    if (m_port.bytesAvailable() > 0) {
        return true;
    }
    if (m_port.isOpen() && m_port.waitForReadyRead(milliseconds)) {
        return true;
    }
    // A closed or failed port returns at once: wait out the time so that a wait does not spin.
    if (!m_port.isOpen() ||
        (m_port.error() != QSerialPort::NoError && m_port.error() != QSerialPort::TimeoutError)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    m_port.clearError();
    return m_port.bytesAvailable() > 0;
}

}  // namespace kelpie
