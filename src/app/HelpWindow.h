// HelpWindow.h — the program's help: Kelpie.html shown in a small window of its own, opened at a
// topic number (the anchor "topic<N>").
#pragma once

#include <QPointer>
#include <QTextBrowser>
#include <QWidget>

#include <filesystem>
#include <vector>

namespace kelpie {

// One help window: a browser over the help file.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // Shows the help file at the topic's anchor; topic 0 shows the overview at the top.
    void ShowTopic(const QString& helpFile, int topic);

private:
    QTextBrowser* m_browser;
};

// The help windows the program opened, and where the help file is looked for.
class HelpSystem
{
public:
    // The help file is looked for in these folders, in order.
    explicit HelpSystem(std::vector<std::filesystem::path> folders) : m_folders(std::move(folders)) {}

    // Kelpie.html from the first folder that has it; empty when none has.
    QString HelpFile() const;

    // Opens the help file at the topic in the owner's help window (one per owner, reused). False
    // with the error description when the help file is missing.
    bool ShowHelpTopic(QWidget* owner, int topic, QString& error);

    // Closes every help window opened here.
    void CloseAllHelp();

private:
    std::vector<std::filesystem::path> m_folders;
    std::vector<QPointer<HelpWindow>> m_windows;
};

}  // namespace kelpie
