// PageControls.h — the small pieces the setting pages are built from: named combo boxes with their
// fixed choices, control-array names, and the busy state a page holds while it fills its controls.
#pragma once

#include <QComboBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "edit/EditContext.h"
#include "editor/RecordText.h"

class QCheckBox;
class QStackedWidget;
class QTabBar;
class QVBoxLayout;

namespace kelpie {

// The objectName of element i of a control array: "chkUsable_2".
inline QString ArrayName(const QString& name, int i)
{
    return name + u'_' + QString::number(i);
}

QStringList ChoiceList(const std::vector<std::string>& choices);

// A caption the settings table gives a page (a setting's label, a frame's heading), translated in
// the page's context as the page's own texts are.
QString TableCaption(const QObject& page, const std::string& text);

// A combo box with its fixed choices, kept narrow: it is as wide as its longest choice. Its focus
// hint names the arrow keys.
QComboBox* MakeCombo(QWidget* parent, const QString& name, const QStringList& choices);

// A page that is taller than the panel scrolls: the content widget sits in a frameless scroll
// area that fills `page`.
QWidget* ScrollingContent(QWidget* page);

// A tab strip named `name` above a stack of sheets, the two filling `page`; choosing a tab brings
// its sheet forward (ShowSheet). The sheets are added with AddSheet.
QTabBar* AddTabStrip(QWidget* page, const QString& name, const QStringList& captions,
                     QStackedWidget*& sheets);

// A sheet of a tab strip: a scrolling page added to `sheets`; its content's layout is returned.
QVBoxLayout* AddSheet(QStackedWidget* sheets, const QString& name);

// Sheets on a tab strip: choosing a tab brings its sheet forward and enables it, the others are
// disabled.
void ShowSheet(QStackedWidget* sheets, int index);

// The controls of a page that each edit one flag of the settings: a combo box stores true for its
// second choice ("On", "Hi"), a check box its tick. Each writes its flag at once, as an edit.
class FlagControls : public QObject
{
public:
    using Flag = std::function<bool&(RadioData&)>;

    FlagControls(EditContext ctx, QObject* parent) : QObject(parent), m_ctx(ctx) {}

    QComboBox* AddCombo(QWidget* parent, const QString& name, const QStringList& choices, Flag flag);
    QCheckBox* AddCheck(QWidget* parent, const QString& name, Flag flag);
    // Every control shows its flag.
    void Fill();

private:
    struct Control
    {
        QComboBox* combo;
        QCheckBox* check;
        Flag flag;
    };

    EditContext m_ctx;
    std::vector<Control> m_controls;
};

// Filling a page is not editing: the shell is busy while the controls are set, so that their
// events change nothing.
class FillGuard
{
public:
    explicit FillGuard(ShellState& shell) : m_shell(shell), m_busy(shell.BusyFlag) { shell.BusyFlag = true; }
    ~FillGuard() { m_shell.BusyFlag = m_busy; }
    FillGuard(const FillGuard&) = delete;
    FillGuard& operator=(const FillGuard&) = delete;

private:
    ShellState& m_shell;
    bool m_busy;
};

}  // namespace kelpie
