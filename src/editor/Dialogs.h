// Dialogs.h — the one wrapper every window shows message boxes and file dialogs through, with the
// hooks GUI tests use to answer them without a modal window.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <vector>

#include "model/MessageBox.h"

class QWidget;

namespace kelpie {

struct ShownMessage
{
    QString text, title;
    MessageIcon icon;
    MessageButtons buttons;
};

// A file dialog as it was asked for: its caption, the folder it starts in and the places its
// sidebar offers besides the usual ones.
struct FileRequest
{
    QString caption, folder;
    QList<QUrl> places;
};

class Dialogs
{
public:
    // A modal message box (model/MessageBox.h kinds). OK is the default of Ok/OkCancel, Cancel of
    // RetryCancel, No of YesNo, Yes of YesNoCancel, Save of SaveDiscardCancel. With a scripted answer
    // queued, no box is shown.
    static MessageAnswer Message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                                 MessageButtons buttons);
    // Empty result = cancelled. `filter` in Qt's form ("JMB Data (*.dat)"); `places` are added to
    // the sidebar. SaveFileName asks the overwrite question for an existing file (answering No asks
    // again, like the standard dialog).
    static QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter, const QList<QUrl>& places = {});
    static QString SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter, const QString& defaultSuffix);

    // Test hooks: queued answers and file names are used first-in first-out; a queued empty name
    // is a cancelled dialog. Every box and file dialog shown (or answered from the queue) is recorded.
    static void AnswerNext(MessageAnswer answer);
    static void GiveNextFileName(const QString& name);
    static const std::vector<ShownMessage>& Shown();
    static const std::vector<FileRequest>& FileRequests();
    static void ResetHooks();
    // In test mode a box with nothing queued answers its default and a file dialog with nothing
    // queued is cancelled, so a test never blocks on a modal window.
    static void SetTestMode(bool on);
};

}  // namespace kelpie
