// QtSupport.h — what the window tests share: waiting on the event loop with a failure instead of a
// silent pass, a driver for modal dialogs that never leaves one open, and control finders.
#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <functional>
#include <source_location>
#include <stdexcept>
#include <string>

namespace kelpie::test {

// Pumps events until `holds` is true. A wait that runs out records a failure naming `what` at the
// caller and returns false, so the caller can stop with ASSERT_TRUE.
bool WaitUntil(const std::function<bool()>& holds, const std::string& what, int timeoutMs = 5000,
               std::source_location where = std::source_location::current());

// A control that is not there: the finders below have recorded the failure already.
struct MissingControl : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// The child of `parent` named `name`; a missing one records a failure and throws MissingControl, which
// ends the test body instead of dereferencing a null pointer.
template <typename T = QWidget>
T* Child(const QObject& parent, const QString& name,
         std::source_location where = std::source_location::current())
{
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) {
        ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
            << "no " << T::staticMetaObject.className() << " named " << name.toStdString();
        throw MissingControl(name.toStdString());
    }
    return child;
}

// The item of the page tree whose key is `key`, or null.
QTreeWidgetItem* TreeNode(const QTreeWidget& tree, const QString& key);

// Acts on the modal dialog named `target` (its objectName or its class) as soon as it is up, then
// closes it if the act left it open. A dialog that does not come within `timeoutMs`, or a different
// modal that stays up that long, records a failure and is closed, so a missed dialog fails the test
// at once instead of hanging it. Lives for the command that shows the dialog:
//     ModalDriver about(u"frmAbout"_s, [](QWidget& dialog) { ... });
//     Action("mnuHelpAbout")->trigger();
class ModalDriver
{
public:
    ModalDriver(QString target, std::function<void(QWidget&)> act, int timeoutMs = 3000,
                std::source_location where = std::source_location::current());
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

private:
    void Poll();
    void Fail(const std::string& message);

    QString m_target;
    std::function<void(QWidget&)> m_act;
    int m_timeoutMs;
    std::source_location m_where;
    QTimer m_poll;
    QElapsedTimer m_clock;
    bool m_met = false;
    bool m_failed = false;
};

}  // namespace kelpie::test
