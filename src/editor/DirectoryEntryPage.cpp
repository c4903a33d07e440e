// DirectoryEntryPage.cpp — the entry page over the directory rules of the edit layer: only the
// first free entry can be taken, and a delete (confirmed, or an MMSI cleared) closes the gap.
#include "editor/DirectoryEntryPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "edit/DirectoryEdit.h"
#include "editor/Dialogs.h"
#include "editor/FieldBox.h"
#include "editor/FocusHint.h"
#include "editor/HelpTopic.h"
#include "editor/PageControls.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

constexpr int kEntryCheckTopic = 1049;
constexpr int kNameTopic = 1050;
constexpr int kMmsiTopic = 1051;

FieldId NameField(DirectoryKind kind)
{
    return kind == DirectoryKind::Individual ? FieldId::IndividualName : FieldId::GroupName;
}

FieldId MmsiField(DirectoryKind kind)
{
    return kind == DirectoryKind::Individual ? FieldId::IndividualMmsi : FieldId::GroupMmsi;
}

}  // namespace

DirectoryEntryPage::DirectoryEntryPage(RadioData& data, ShellState& shell, QWidget* parent)
    : PageView(parent), m_data(data), m_shell(shell)
{
    setObjectName(u"DirectoryEntryPage"_s);
    chkGEnable = new QCheckBox(tr("Enable"), this);
    chkGEnable->setObjectName(u"chkGEnable"_s);
    chkGDelete = new QCheckBox(tr("Delete"), this);
    chkGDelete->setObjectName(u"chkGDelete"_s);
    for (QCheckBox* check : {chkGEnable, chkGDelete}) {
        SetHelpTopic(check, kEntryCheckTopic);
        SetFocusHint(check, HintFamily::CheckBox);
    }
    connect(chkGEnable, &QCheckBox::clicked, this, &DirectoryEntryPage::OnEnableClicked);
    connect(chkGDelete, &QCheckBox::clicked, this, &DirectoryEntryPage::OnDeleteClicked);

    lblTag = new QLabel(this);
    lblTag->setObjectName(u"lblTag"_s);
    txtGPosi = new FieldBox(FieldId::IndividualName, m_input, m_ctx, this);
    txtGPosi->setObjectName(u"txtGPosi"_s);
    SetHelpTopic(txtGPosi, kNameTopic);
    txtGPosi->setMaximumWidth(txtGPosi->fontMetrics().horizontalAdvance(u"WWWWWWWWWWW"_s) + 12);
    lblMmsi = new QLabel(tr("MMSI"), this);
    lblMmsi->setObjectName(u"lblMmsi"_s);
    txtGMMSI = new FieldBox(FieldId::IndividualMmsi, m_input, m_ctx, this);
    txtGMMSI->setObjectName(u"txtGMMSI"_s);
    SetHelpTopic(txtGMMSI, kMmsiTopic);
    txtGMMSI->setMaximumWidth(txtGMMSI->fontMetrics().horizontalAdvance(u"0000000000"_s) + 12);
    for (FieldBox* box : {txtGPosi, txtGMMSI}) {
        connect(box, &FieldBox::StatusText, this, &PageView::StatusText);
        connect(box, &FieldBox::Committed, this, [this](const FieldCommit& commit) {
            if (commit.entryCleared)
                ShowEdit();
        });
    }

    auto* checks = new QHBoxLayout;
    checks->addWidget(chkGEnable);
    checks->addWidget(chkGDelete);
    checks->addStretch(1);
    auto* form = new QFormLayout;
    form->addRow(lblTag, txtGPosi);
    form->addRow(lblMmsi, txtGMMSI);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(checks);
    layout->addLayout(form);
    lblTransferNote = new QLabel(this);
    lblTransferNote->setObjectName(u"lblTransferNote"_s);
    lblTransferNote->setWordWrap(true);
    layout->addWidget(lblTransferNote);
    layout->addStretch(1);
}

void DirectoryEntryPage::Fill(const PageChoice& choice)
{
    FillEntryPage(choice.directory, choice.index);
}

void DirectoryEntryPage::FillEntryPage(DirectoryKind kind, int n)
{
    const FillGuard guard(m_shell);
    m_kind = kind;
    m_entry = n;
    const EntryPage page = kelpie::FillEntryPage(m_data, kind, n);
    lblTag->setText(ShownText(page.tagCaption));
    lblTransferNote->setText(QString::fromUtf8(DirectoryTransferNote(kind)));
    txtGPosi->SetRecord(NameField(kind), 0, n - 1);
    txtGMMSI->SetRecord(MmsiField(kind), 0, n - 1);
    txtGPosi->Show(ShownText(page.name));
    txtGMMSI->Show(ShownText(page.mmsi));
    chkGEnable->setChecked(page.use.checked);
    chkGEnable->setEnabled(page.use.enabled);
    chkGDelete->setChecked(page.remove.checked);
    chkGDelete->setEnabled(page.remove.enabled);
    for (QWidget* control : std::initializer_list<QWidget*>{lblTag, txtGPosi, lblMmsi, txtGMMSI})
        control->setEnabled(page.boxesEnabled);
}

void DirectoryEntryPage::OnEnableClicked()
{
    if (InputOpen(chkGEnable))
        return;
    if (TakeEntry(m_ctx, m_kind, m_entry))
        ShowEdit();
    else
        FillEntryPage(m_kind, m_entry);
}

void DirectoryEntryPage::OnDeleteClicked(bool ticked)
{
    if (InputOpen(chkGDelete))
        return;
    const bool confirmed =
        ticked && Dialogs::Message(this, ShownText(DeleteQuestion(m_data, m_kind, m_entry)),
                                   QString::fromStdString(m_shell.ProgramTitle), MessageIcon::Question,
                                   MessageButtons::YesNo) == MessageAnswer::Yes;
    if (confirmed && DeleteEntry(m_ctx, m_kind, m_entry))
        ShowEdit();
    else
        FillEntryPage(m_kind, m_entry);
}

bool DirectoryEntryPage::InputOpen(QCheckBox* clicked)
{
    // An MMSI refused on leaving its box keeps the page's input open: the click takes no effect
    // and the typed text stays for correcting.
    if (!m_input.FieldChanged())
        return false;
    clicked->setChecked(!clicked->isChecked());
    return true;
}

void DirectoryEntryPage::ShowEdit()
{
    FillEntryPage(m_kind, m_entry);
    emit NodeTextsChanged();
}

bool DirectoryEntryPage::Commit()
{
    txtGPosi->FinishInput();
    return txtGMMSI->FinishCheckedInput();
}

}  // namespace kelpie
