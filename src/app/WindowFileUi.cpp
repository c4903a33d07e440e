#include "app/WindowFileUi.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "editor/Dialogs.h"

namespace kelpie {

void WindowFileUi::SetBusy(bool busy)
{
    if (busy) {
        if (m_busyDepth++ == 0) {
            m_window.setEnabled(false);
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    } else if (m_busyDepth > 0 && --m_busyDepth == 0) {
        QApplication::restoreOverrideCursor();
        m_window.setEnabled(true);
    }
}

MessageAnswer WindowFileUi::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                                        MessageButtons buttons)
{
    return Dialogs::Message(&m_window, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                            QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())), icon,
                            buttons);
}

void WindowFileUi::Pause(int milliseconds)
{
    if (!m_pauses || !m_window.isVisible()) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace kelpie
