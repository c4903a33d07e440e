// ChannelRowActions.h — the channel list's rows to and from files and the clipboard: File › Import
// Channels… and Export Channels… for the bank in view, and Edit › Copy, Cut and Paste on the
// selected grid rows. The rows are checked and written by the edit layer; this asks, shows and
// refreshes.
#pragma once

#include <QObject>

namespace kelpie {

class frmMain;
struct ChannelImport;

// The clipboard's Kelpie CSV form of copied rows; text/csv carries the same, text/plain the
// tab-separated rows.
inline constexpr const char* kChannelRowsMime = "application/x-kelpie-channels";

class ChannelRowActions : public QObject
{
    Q_OBJECT
public:
    explicit ChannelRowActions(frmMain& window);

    void OnImport();
    void OnExport();
    void OnCopy();
    void OnCut();
    void OnPaste();

private:
    // The bank of the channel list in view, after the page input was taken; -1 (and a word to the
    // user when `tell`) when no channel list is in view.
    int GridGroup(bool tell);
    // Writes the checked rows when every row was taken, or the refused ones may be skipped; then
    // the list and the tree show them. `what` names the command in the boxes.
    bool Apply(const ChannelImport& checked, bool mayAskToSkip, const QString& what);
    void Tell(const QString& text, bool failed);

    frmMain& m_window;
};

}  // namespace kelpie
