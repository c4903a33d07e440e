// FieldBox.h — a text box of the editor bound to one field rule: it takes only the characters the
// rule allows (typed or pasted), folds case where the rule folds it, selects its text and shows its
// hint on focus, and runs the Change / Validate / LostFocus protocol of the form's FieldInput.
#pragma once

#include <QLineEdit>
#include <QString>
#include <string>

#include "edit/EditContext.h"
#include "edit/FieldInput.h"
#include "editor/RecordText.h"

namespace kelpie {

// A plain box that takes typed and pasted text by the field's rule as a FieldBox does, without
// writing any record while it is typed in (a grid cell's editor commits it as a whole).
void TakeTextByRule(QLineEdit* box, FieldId field);

class FieldBox : public QLineEdit
{
    Q_OBJECT
public:
    // `input` is the form's one FieldInput, shared by all its boxes; both it and `ctx` outlive the box.
    FieldBox(FieldId field, FieldInput& input, EditContext ctx, QWidget* parent = nullptr);

    FieldId Field() const { return m_ref.field; }
    // The record the box edits (group and element, see FieldRef); the MMSI and name boxes of the
    // directory entry page also switch their field with the directory shown.
    void SetRecord(FieldId field, int group, int index);
    void SetRecord(int group, int index) { SetRecord(m_ref.field, group, index); }
    // Shows a stored value or a display form ("---.----") that the box's keys could not type.
    void Show(const QString& text);
    // The user is typing or pasting: the text passes the box's rule.
    bool Typing() const { return !m_showing && !isReadOnly(); }
    // A keystroke or paste the box does not take: the status bar says what the box takes.
    void Refused();
    // The box as wide as the longest text it holds.
    void FitTo(const QString& longest);
    // The page is being left with the focus in this box: commit quietly, as on leaving it.
    void FinishInput();
    // The same for a box checked however it is left: false, with "Data Error!!" shown and the
    // focus kept, when its text is refused (or was refused as the focus left it).
    bool FinishCheckedInput();

signals:
    void StatusText(const QString& text);
    // The user's typing changed a record or made a commit due.
    void Edited();
    // A commit changed what the box shows, deleted a directory entry or renamed a group: the page
    // refills or refreshes its captions.
    void Committed(const kelpie::FieldCommit& commit);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void OnTextEdited(const QString& text);
    bool Active() const { return isEnabled() && !isReadOnly(); }
    // True when the focus moved to a control of the same page, which asks for validation.
    bool FocusStaysOnPage() const;
    // The directory entry's MMSI: checked on every leave, not only towards the page's controls.
    bool ChecksEveryLeave() const;
    // Validates the text; refused, says so and takes the focus back.
    bool Check();
    void Apply(const FieldCommit& commit);

    FieldInput& m_input;
    EditContext m_ctx;
    FieldRef m_ref;
    bool m_showing = false;
};

}  // namespace kelpie
