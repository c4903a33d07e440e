#include "app/HelpWindow.h"

#include <QFileInfo>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace kelpie {

namespace {

constexpr const char* kHelpFileName = "Kelpie.html";

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(u"frmHelp"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Kelpie Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(u"txtHelp"_s);
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    // Closed from the keyboard as other viewers are.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    }
    resize(560, 600);
}

void HelpWindow::ShowTopic(const QString& helpFile, int topic)
{
    QUrl url = QUrl::fromLocalFile(helpFile);
    if (topic > 0) {
        url.setFragment(u"topic%1"_s.arg(topic));
    }
    m_browser->setSource(url);
    if (topic > 0) {
        m_browser->scrollToAnchor(url.fragment());
    }
}

QString HelpSystem::HelpFile() const
{
    for (const std::filesystem::path& folder : m_folders) {
        const QFileInfo file(QString::fromStdString((folder / kHelpFileName).string()));
        if (file.isFile()) {
            return file.absoluteFilePath();
        }
    }
    return {};
}

bool HelpSystem::ShowHelpTopic(QWidget* owner, int topic, QString& error)
{
    const QString helpFile = HelpFile();
    if (helpFile.isEmpty()) {
        QStringList places;
        for (const std::filesystem::path& folder : m_folders) {
            places << QString::fromStdString(folder.lexically_normal().string());
        }
        error = HelpWindow::tr("The help file %1 was not found in %2.")
                    .arg(QString::fromLatin1(kHelpFileName), places.join(HelpWindow::tr(" or ")));
        return false;
    }
    std::erase_if(m_windows, [](const QPointer<HelpWindow>& window) { return window.isNull(); });
    const auto own =
        std::find_if(m_windows.begin(), m_windows.end(),
                     [owner](const QPointer<HelpWindow>& window) { return window->parentWidget() == owner; });
    HelpWindow* window =
        own != m_windows.end() ? own->data() : m_windows.emplace_back(new HelpWindow(owner)).data();
    window->ShowTopic(helpFile, topic);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

void HelpSystem::CloseAllHelp()
{
    for (const QPointer<HelpWindow>& window : m_windows) {
        if (window) {
            window->close();
        }
    }
    m_windows.clear();
}

}  // namespace kelpie
