// Dialogs.cpp — message boxes and file dialogs, or their scripted answers in tests.
#include "editor/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <deque>
#include <optional>

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

struct Hooks
{
    std::deque<MessageAnswer> answers;
    std::deque<QString> fileNames;
    std::vector<ShownMessage> shown;
    std::vector<FileRequest> requests;
    bool testMode = false;
};

Hooks& TheHooks()
{
    static Hooks hooks;
    return hooks;
}

// The request recorded, then a scripted file name, or in test mode a cancelled dialog; nothing when
// the real dialog runs.
std::optional<QString> ScriptedFileName(const FileRequest& request)
{
    Hooks& hooks = TheHooks();
    hooks.requests.push_back(request);
    if (!hooks.fileNames.empty()) {
        QString name = hooks.fileNames.front();
        hooks.fileNames.pop_front();
        return name;
    }
    if (hooks.testMode)
        return QString();
    return std::nullopt;
}

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

struct ButtonAnswer
{
    QMessageBox::StandardButton button;
    MessageAnswer answer;
};

std::vector<ButtonAnswer> BoxButtons(MessageButtons buttons)
{
    switch (buttons) {
        case MessageButtons::Ok:
            return {{QMessageBox::Ok, MessageAnswer::Ok}};
        case MessageButtons::OkCancel:
            return {{QMessageBox::Ok, MessageAnswer::Ok}, {QMessageBox::Cancel, MessageAnswer::Cancel}};
        case MessageButtons::RetryCancel:
            return {{QMessageBox::Retry, MessageAnswer::Retry}, {QMessageBox::Cancel, MessageAnswer::Cancel}};
        case MessageButtons::YesNo:
            return {{QMessageBox::Yes, MessageAnswer::Yes}, {QMessageBox::No, MessageAnswer::No}};
        case MessageButtons::SaveDiscardCancel:
            return {{QMessageBox::Save, MessageAnswer::Save},
                    {QMessageBox::Discard, MessageAnswer::Discard},
                    {QMessageBox::Cancel, MessageAnswer::Cancel}};
        case MessageButtons::YesNoCancel:
            break;
    }
    return {{QMessageBox::Yes, MessageAnswer::Yes},
            {QMessageBox::No, MessageAnswer::No},
            {QMessageBox::Cancel, MessageAnswer::Cancel}};
}

// The answer a box gives when its default button is taken.
MessageAnswer DefaultAnswer(MessageButtons buttons)
{
    switch (buttons) {
        case MessageButtons::RetryCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::YesNo:
            return MessageAnswer::No;  // a question that destroys data defaults to keeping it
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        case MessageButtons::SaveDiscardCancel:
            return MessageAnswer::Save;
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            break;
    }
    return MessageAnswer::Ok;
}

}  // namespace

MessageAnswer Dialogs::Message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                               MessageButtons buttons)
{
    Hooks& hooks = TheHooks();
    hooks.shown.push_back({text, title, icon, buttons});
    if (!hooks.answers.empty()) {
        const MessageAnswer answer = hooks.answers.front();
        hooks.answers.pop_front();
        return answer;
    }
    const MessageAnswer byDefault = DefaultAnswer(buttons);
    if (hooks.testMode)
        return byDefault;

    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::NoButton, parent);
    const std::vector<ButtonAnswer> offered = BoxButtons(buttons);
    for (const ButtonAnswer& entry : offered) {
        box.addButton(entry.button);
        if (entry.answer == byDefault)
            box.setDefaultButton(entry.button);
    }
    // Closing the box without a button (Escape, the close box) answers Cancel where it is offered.
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const ButtonAnswer& entry : offered) {
        if (entry.button == clicked)
            return entry.answer;
    }
    return offered.size() > 1 ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

QString Dialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter, const QList<QUrl>& places)
{
    if (std::optional<QString> scripted = ScriptedFileName({caption, folder, places}))
        return *scripted;
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!places.isEmpty()) {
        // Qt's own dialog shows a sidebar; the places join the ones it offers already.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setSidebarUrls(dialog.sidebarUrls() + places);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString Dialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter, const QString& defaultSuffix)
{
    if (std::optional<QString> scripted = ScriptedFileName({caption, folder, {}}))
        return *scripted;
    // The dialog itself asks before replacing an existing file and stays open when told No.
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void Dialogs::AnswerNext(MessageAnswer answer)
{
    TheHooks().answers.push_back(answer);
}

void Dialogs::GiveNextFileName(const QString& name)
{
    TheHooks().fileNames.push_back(name);
}

const std::vector<ShownMessage>& Dialogs::Shown()
{
    return TheHooks().shown;
}

const std::vector<FileRequest>& Dialogs::FileRequests()
{
    return TheHooks().requests;
}

void Dialogs::ResetHooks()
{
    Hooks& hooks = TheHooks();
    hooks.answers.clear();
    hooks.fileNames.clear();
    hooks.shown.clear();
    hooks.requests.clear();
}

void Dialogs::SetTestMode(bool on)
{
    TheHooks().testMode = on;
}

}  // namespace kelpie
