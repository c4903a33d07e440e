// PageView.h — a setting page inside one of the editor's panels: it fills its controls from the
// records when its node is shown, forwards its controls' events to the edit layer, and finishes the
// input being typed when the page is left.
#pragma once

#include <QWidget>

#include "edit/PageTree.h"

namespace kelpie {

class PageView : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Fills the controls for the node's choice (which channel, which directory entry ...). Filling
    // is not editing: the controls' change events must not change the records.
    virtual void Fill(const PageChoice& choice) = 0;
    // The page is being left: the box with the focus finishes its input. False keeps the page (the
    // view has shown its own message).
    virtual bool Commit() { return true; }

signals:
    // The first status-bar panel: the focused control's hint.
    void StatusText(const QString& text);
    // An edit changed what a tree node says (the "[Enable]" mark, a group's status name).
    void NodeTextsChanged();
    // An edit changed which nodes the tree has (a channel group switched on or off).
    void TreeChanged();
};

}  // namespace kelpie
