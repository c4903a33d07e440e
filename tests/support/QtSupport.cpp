#include "QtSupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTest>
#include <QTreeWidgetItemIterator>

namespace kelpie::test {
namespace {

constexpr int kPollMs = 10;

// Closes a modal window whatever its own cancel would say.
void CloseModal(QWidget& window)
{
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->done(QDialog::Rejected);
    } else {
        window.close();
    }
}

}  // namespace

bool WaitUntil(const std::function<bool()>& holds, const std::string& what, int timeoutMs,
               std::source_location where)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!holds()) {
        if (deadline.hasExpired()) {
            ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
                << "waited " << timeoutMs << " ms in vain until " << what;
            return false;
        }
        QTest::qWait(kPollMs);
    }
    return true;
}

QTreeWidgetItem* TreeNode(const QTreeWidget& tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == key) {
            return *it;
        }
    }
    return nullptr;
}

ModalDriver::ModalDriver(QString target, std::function<void(QWidget&)> act, int timeoutMs,
                         std::source_location where)
    : m_target(std::move(target)), m_act(std::move(act)), m_timeoutMs(timeoutMs), m_where(where)
{
    QObject::connect(&m_poll, &QTimer::timeout, [this] { Poll(); });
    m_poll.start(kPollMs);
    m_clock.start();
}

ModalDriver::~ModalDriver()
{
    m_poll.stop();
    if (!m_met && !m_failed) {
        Fail("the modal " + m_target.toStdString() + " never appeared");
    }
}

void ModalDriver::Fail(const std::string& message)
{
    m_failed = true;
    ADD_FAILURE_AT(m_where.file_name(), static_cast<int>(m_where.line())) << message;
}

void ModalDriver::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (m_met || modal == nullptr) {
        return;
    }
    if (!m_failed && (modal->objectName() == m_target || modal->inherits(m_target.toLatin1().constData()))) {
        m_met = true;
        const QPointer<QWidget> dialog = modal;
        try {
            m_act(*modal);
        } catch (const MissingControl&) {
            // Recorded by the finder.
        } catch (const std::exception& error) {
            Fail("acting on the modal " + m_target.toStdString() + " threw: " + error.what());
        }
        if (dialog && dialog->isVisible()) {
            CloseModal(*dialog);
        }
    } else if (m_clock.elapsed() > m_timeoutMs) {
        if (!m_failed) {
            Fail("expected the modal " + m_target.toStdString() + ", but " +
                 modal->objectName().toStdString() + " (" + modal->metaObject()->className() + ") stayed up");
        }
        CloseModal(*modal);
    }
}

}  // namespace kelpie::test
