// frmPrn.h — the listing window: the text listing of everything the editor holds, in a read-only
// fixed-pitch box, with File › Save to keep it as a ".txt" file.
#pragma once

#include <QDialog>

#include "app/FileFolders.h"
#include "app/WindowFileUi.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

class QAction;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace kelpie {

class frmPrn : public QDialog
{
public:
    // The listing is built from data once the window shows; ShellState gives the names its
    // messages carry, folders where its save dialog starts. Without pauses (tests) the window does
    // not wait after building or saving.
    frmPrn(RadioData& data, ShellState& shell, FileFolders& folders, bool pauses, QWidget* parent);

    // File › Save: false when cancelled or the file could not be written.
    bool SaveListing();

private:
    void BuildListing();

    RadioData& m_data;
    ShellState& m_shell;
    FileFolders& m_folders;
    WindowFileUi m_ui;  // this window busy while it builds or saves

    QPlainTextEdit* txtPrn;
    QTimer* Timer1;
    QPushButton* cmdOK;
    QAction* mnuFileSave;
    QAction* mnuFileExit;
};

}  // namespace kelpie
