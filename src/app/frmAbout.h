// frmAbout.h — the About box: the program's title, version and legal notice.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "model/ShellState.h"

namespace kelpie {

class frmAbout : public QDialog
{
    Q_OBJECT
public:
    frmAbout(const ShellState& shell, const QIcon& icon, QWidget* parent);

private:
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QFrame* Frame1;
    QPushButton* cmdOK;
};

// Opens the About box as a modal dialog owned by the main window.
void ShowAbout(const ShellState& shell, const QIcon& icon, QWidget* owner);

}  // namespace kelpie
