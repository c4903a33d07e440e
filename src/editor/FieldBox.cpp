// FieldBox.cpp — the text boxes' key filter, focus habits and leave checks over the edit layer.
#include "editor/FieldBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPointer>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <functional>
#include <optional>

#include "edit/FieldRules.h"
#include "editor/Dialogs.h"
#include "editor/PageView.h"

namespace kelpie {
namespace {

// Asks the box's rule which characters stay: a keystroke or paste holding no character the box
// takes is refused whole, so the text and its selection stay; a pasted text keeps what the rule
// allows, and letters come out in the rule's case.
class FieldValidator : public QValidator
{
public:
    // `field` and `typing` tell the rule of the moment and whether the user is typing; `refused`,
    // when given, hears of each keystroke the rule refuses whole.
    FieldValidator(QLineEdit* box, std::function<FieldId()> field, std::function<bool()> typing,
                   std::function<void()> refused = {})
        : QValidator(box),
          m_field(std::move(field)),
          m_typing(std::move(typing)),
          m_refused(std::move(refused))
    {
        // The text as it stood before an edit: the line edit hands over only the edited text.
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
    }

    State validate(QString& input, int& pos) const override
    {
        if (!m_typing())
            return Acceptable;
        const FieldId field = m_field();
        const std::optional<std::string> taken = FilterEdit(field, RecordText(m_before), RecordText(input));
        if (!taken) {
            if (m_refused)
                m_refused();
            return Invalid;
        }
        const QString accepted = ShownText(*taken);
        if (accepted != input) {
            // Characters removed before the caret move it back by as many.
            const int removedBefore =
                static_cast<int>(input.left(pos).size()) -
                static_cast<int>(ShownText(FilterText(field, RecordText(input.left(pos)))).size());
            pos = std::clamp(pos - std::max(0, removedBefore), 0, static_cast<int>(accepted.size()));
            input = accepted;
        }
        return Acceptable;
    }

private:
    std::function<FieldId()> m_field;
    std::function<bool()> m_typing;
    std::function<void()> m_refused;
    QString m_before;
};

// The box that takes the focus back after a refused check; the boxes the focus passed through on
// the way make no checks of their own.
QPointer<FieldBox> g_returningFocus;

}  // namespace

FieldBox::FieldBox(FieldId field, FieldInput& input, EditContext ctx, QWidget* parent)
    : QLineEdit(parent), m_input(input), m_ctx(ctx), m_ref{field}
{
    setValidator(new FieldValidator(
        this, [this] { return Field(); }, [this] { return Typing(); }, [this] { Refused(); }));
    SetRecord(field, 0, 0);
    connect(this, &QLineEdit::textEdited, this, &FieldBox::OnTextEdited);
}

void TakeTextByRule(QLineEdit* box, FieldId field)
{
    box->setValidator(new FieldValidator(
        box, [field] { return field; }, [] { return true; }));
    const int limit = MaxLength(field);
    box->setMaxLength(limit > 0 ? limit : 32767);
}

void FieldBox::SetRecord(FieldId field, int group, int index)
{
    m_ref = {field, group, index};
    const int limit = MaxLength(field);
    setMaxLength(limit > 0 ? limit : 32767);
}

void FieldBox::Show(const QString& text)
{
    m_showing = true;
    setText(text);
    m_showing = false;
}

void FieldBox::FitTo(const QString& longest)
{
    // The text's width plus the frame and the text margins on both sides.
    constexpr int kFrameAndMargins = 14;
    setFixedWidth(fontMetrics().horizontalAdvance(longest) + kFrameAndMargins);
}

void FieldBox::Refused()
{
    emit StatusText(QString::fromStdString(RuleText(m_ref.field, m_ctx.data.ModelIndex)));
}

void FieldBox::FinishInput()
{
    if (Active() && hasFocus())
        Apply(m_input.LostFocus(m_ctx, m_ref, RecordText(text())));
}

void FieldBox::OnTextEdited(const QString& text)
{
    if (!Active())
        return;
    const FieldChange change = m_input.Change(m_ctx, m_ref, RecordText(text));
    if (change.rewrite) {
        const int caret = cursorPosition();
        Show(ShownText(*change.rewrite));
        setCursorPosition(caret);
    }
    if (change.edited)
        emit Edited();
}

void FieldBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!isReadOnly()) {
        // A mouse click places the caret after the focus arrives; select once it has.
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
        emit StatusText(ShownText(FocusHint(m_ref.field)));
    }
}

void FieldBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or a popup taking the focus is no leaving of the box.
    const bool leaving =
        event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    if (leaving && !isReadOnly())
        emit StatusText(QString());  // the box's hint goes with it
    if (!Active() || !leaving || (g_returningFocus && g_returningFocus != this))
        return;
    // A control of the page asks for validation first, and a directory entry's MMSI is checked
    // however the box is left; a refused check keeps the focus here.
    if ((FocusStaysOnPage() || ChecksEveryLeave()) && !Check()) {
        return;
    }
    const FieldCommit commit = m_input.LostFocus(m_ctx, m_ref, RecordText(text()));
    Apply(commit);
    // Refused quietly, the box shows the stored value again; the status bar says why.
    if (!commit.ok)
        emit StatusText(QString::fromStdString(commit.failureText).replace(u'\n', u' '));
}

bool FieldBox::ChecksEveryLeave() const
{
    return m_ref.field == FieldId::IndividualMmsi || m_ref.field == FieldId::GroupMmsi;
}

bool FieldBox::Check()
{
    const FieldCommit commit = m_input.Validate(m_ctx, m_ref, RecordText(text()));
    if (commit.ok) {
        Apply(commit);
        return true;
    }
    Dialogs::Message(this, QString::fromStdString(commit.failureText), ShownText(commit.failureTitle),
                     MessageIcon::Exclamation, MessageButtons::Ok);
    g_returningFocus = this;
    QTimer::singleShot(0, this, [this] {
        setFocus(Qt::OtherFocusReason);
        g_returningFocus = nullptr;
    });
    return false;
}

bool FieldBox::FinishCheckedInput()
{
    if (g_returningFocus == this) {
        return false;  // refused on leaving; the focus is on its way back
    }
    if (!Active() || !hasFocus()) {
        return true;
    }
    if (!Check()) {
        return false;
    }
    Apply(m_input.LostFocus(m_ctx, m_ref, RecordText(text())));
    return true;
}

bool FieldBox::FocusStaysOnPage() const
{
    const QWidget* page = window();
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<PageView*>(w)) {
            page = w;
            break;
        }
    }
    const QWidget* next = QApplication::focusWidget();
    return next && page->isAncestorOf(next);
}

void FieldBox::Apply(const FieldCommit& commit)
{
    if (commit.shown)
        Show(ShownText(*commit.shown));
    if (commit.shown || commit.entryCleared || commit.captionsChanged)
        emit Committed(commit);
}

}  // namespace kelpie
