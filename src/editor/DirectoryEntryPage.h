// DirectoryEntryPage.h — the MMSI directory entry page (pictG): one entry of the individual or the
// group directory, taken into use, named, given its MMSI or deleted.
#pragma once

#include "edit/Banks.h"
#include "edit/EditContext.h"
#include "edit/FieldInput.h"
#include "editor/PageView.h"

class QCheckBox;
class QLabel;

namespace kelpie {

class FieldBox;

class DirectoryEntryPage : public PageView
{
    Q_OBJECT
public:
    DirectoryEntryPage(RadioData& data, ShellState& shell, QWidget* parent = nullptr);

    void Fill(const PageChoice& choice) override;
    bool Commit() override;

private:
    void FillEntryPage(DirectoryKind kind, int n);
    void OnEnableClicked();
    void OnDeleteClicked(bool ticked);
    // True (and the box's click undone) while a refused MMSI waits for correcting.
    bool InputOpen(QCheckBox* clicked);
    // The entry, its node captions and the directory grid after a take or a delete.
    void ShowEdit();

    RadioData& m_data;
    ShellState& m_shell;
    EditContext m_ctx{m_data, m_shell};
    FieldInput m_input;
    DirectoryKind m_kind = DirectoryKind::Individual;
    int m_entry = 1;
    QLabel* lblTag = nullptr;
    QLabel* lblMmsi = nullptr;
    FieldBox* txtGPosi = nullptr;
    FieldBox* txtGMMSI = nullptr;
    QCheckBox* chkGEnable = nullptr;
    QCheckBox* chkGDelete = nullptr;
    QLabel* lblTransferNote = nullptr;  // what a transfer does with the directory
};

}  // namespace kelpie
