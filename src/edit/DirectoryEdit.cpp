// DirectoryEdit.cpp — the entry page and the directory's take and delete rules.
#include "edit/DirectoryEdit.h"

#include <algorithm>

#include "edit/FieldRules.h"
#include "edit/PageTree.h"

namespace kelpie {

namespace {

bool IsEntryNumber(std::span<const DirectoryEntry> directory, int n)
{
    return n >= 1 && n <= static_cast<int>(directory.size());
}

}  // namespace

int MmsiDigits(DirectoryKind kind)
{
    return kind == DirectoryKind::Individual ? 9 : 8;
}

EntryPage FillEntryPage(const RadioData& data, DirectoryKind kind, int n)
{
    const std::span<const DirectoryEntry> directory = DirectoryOf(data, kind);
    const DirectoryEntry& entry = directory[static_cast<std::size_t>(n - 1)];
    EntryPage page;
    page.tagCaption = kind == DirectoryKind::Individual ? "Station Name" : "Group Name";
    page.name = entry.TagName;
    page.mmsi = MmsiBoxText(entry.Mmsid, MmsiDigits(kind));
    if (entry.Enabled) {
        page.use = {true, false};
        page.remove = {false, true};
        page.boxesEnabled = true;
    } else {
        const bool first = n == 1 || !directory[static_cast<std::size_t>(n - 2)].Mmsid.empty();
        page.use = {false, first};
        page.remove = {true, false};
    }
    return page;
}

StepLabel EntryStep(DirectoryKind kind, int n, std::string_view what)
{
    return {DirectoryEntryText(kind, n) + " " + std::string(what), EntryPageKey(kind, n)};
}

bool TakeEntry(EditContext& ctx, DirectoryKind kind, int n)
{
    const EditStep step(ctx, EntryStep(kind, n, "in use"));
    const std::span<DirectoryEntry> directory = DirectoryOf(ctx.data, kind);
    return IsEntryNumber(directory, n) && FillEntryPage(ctx.data, kind, n).use.enabled &&
           EditField(ctx, directory[static_cast<std::size_t>(n - 1)].Enabled, true);
}

bool DeleteEntry(EditContext& ctx, DirectoryKind kind, int n)
{
    const std::span<DirectoryEntry> directory = DirectoryOf(ctx.data, kind);
    if (!IsEntryNumber(directory, n) || ctx.shell.BusyFlag) {
        return false;
    }
    const EditStep step(ctx, EntryStep(kind, n, "deleted"));
    std::shift_left(directory.begin() + (n - 1), directory.end(), 1);
    directory.back() = DirectoryEntry{};
    ctx.shell.DataChanged = true;
    return true;
}

std::string DeleteQuestion(const RadioData& data, DirectoryKind kind, int n)
{
    const auto entries = DirectoryOf(data, kind);
    const std::string name = n >= 1 && n <= static_cast<int>(entries.size())
                                 ? entries[static_cast<std::size_t>(n - 1)].TagName
                                 : "";
    const std::size_t end = name.find_last_not_of(' ');
    const std::string shown = end == std::string::npos ? "" : ", " + name.substr(0, end + 1);
    return "Delete " + DirectoryNodeText(kind) + " " + std::to_string(n) + shown + "?";
}

std::string_view DirectoryTransferNote(DirectoryKind kind)
{
    // The read map reaches the individual directory but not the group directory; the write map
    // reaches neither.
    return kind == DirectoryKind::Individual
               ? "Read from the radio; Kelpie does not write the directory to the radio \u2014 enter new "
                 "entries on the radio."
               : "Not read from the radio and not written to it: kept in the data file only.";
}

std::string_view CallSignTransferNote()
{
    return "Read from the radio; Kelpie does not write the call signs to the radio \u2014 enter new ones "
           "on the radio.";
}

}  // namespace kelpie
