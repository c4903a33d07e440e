#include <gtest/gtest.h>

#include "Editing.h"
#include "edit/DirectoryEdit.h"

namespace kelpie {
namespace {

// A directory of model 0 with its first entries in use.
struct Directory : Editing
{
    explicit Directory(int inUse, DirectoryKind kind = DirectoryKind::Individual) : Editing(0), Kind(kind)
    {
        for (int i = 0; i < inUse; ++i) {
            Entries()[static_cast<std::size_t>(i)] = {true, "SHIP" + std::to_string(i + 1),
                                                      std::to_string(100000000 + i) + "0"};
        }
    }
    std::span<DirectoryEntry> Entries() { return DirectoryOf(Data, Kind); }

    DirectoryKind Kind;
};

TEST(DeleteQuestion, NamesTheEntryByNumberAndName)
{
    Directory d(3);
    d.Entries()[2].TagName = "Sea Breeze ";
    EXPECT_EQ(DeleteQuestion(d.Data, d.Kind, 3), "Delete Memory ID 3, Sea Breeze?");
    d.Entries()[1].TagName.clear();
    EXPECT_EQ(DeleteQuestion(d.Data, d.Kind, 2), "Delete Memory ID 2?");
    Directory groups(1, DirectoryKind::Group);
    EXPECT_EQ(DeleteQuestion(groups.Data, groups.Kind, 1), "Delete Group ID 1, SHIP1?");
}

TEST(FillEntryPage, OnlyTheFirstFreeEntryCanBeTaken)
{
    Directory d(3);
    const EntryPage used = FillEntryPage(d.Data, d.Kind, 2);
    EXPECT_EQ(used, (EntryPage{"Station Name", "SHIP2", "100000001", {true, false}, {false, true}, true}));
    EXPECT_EQ(FillEntryPage(d.Data, d.Kind, 4),
              (EntryPage{"Station Name", "", "", {false, true}, {true, false}, false}));
    EXPECT_FALSE(FillEntryPage(d.Data, d.Kind, 5).use.enabled || TakeEntry(d.Ctx, d.Kind, 5));
    EXPECT_FALSE(d.Shell.DataChanged);

    EXPECT_TRUE(TakeEntry(d.Ctx, d.Kind, 4));
    EXPECT_TRUE(d.Entries()[3].Enabled && d.Shell.DataChanged);
    EXPECT_FALSE(FillEntryPage(d.Data, d.Kind, 5).use.enabled);  // entry 4 has no MMSI yet
}

TEST(DeleteEntry, LaterEntriesMoveUpAndTheLastIsCleared)
{
    Directory d(3);
    const DirectoryEntry third = d.Entries()[2];
    EXPECT_TRUE(DeleteEntry(d.Ctx, d.Kind, 2));
    EXPECT_EQ(d.Entries()[1], third);
    EXPECT_EQ(d.Entries()[2], DirectoryEntry{});
    EXPECT_TRUE(d.Shell.DataChanged);

    Directory full(kIndividualDirectorySize);
    EXPECT_TRUE(DeleteEntry(full.Ctx, full.Kind, 40));
    EXPECT_EQ(full.Entries()[39], DirectoryEntry{});
    EXPECT_TRUE(full.Entries()[38].Enabled);
    EXPECT_FALSE(DeleteEntry(full.Ctx, full.Kind, 41));

    Directory one(1);
    const FieldRef box{FieldId::IndividualMmsi, 0, 0};
    one.Input.Change(one.Ctx, box, "");
    EXPECT_TRUE(one.Input.Validate(one.Ctx, box, "").entryCleared);
    EXPECT_EQ(one.Entries()[0], DirectoryEntry{});
}

TEST(DirectoryMmsi, GroupMmsisAreStoredWithTheirLeadingZero)
{
    Directory g(1, DirectoryKind::Group);
    const FieldRef box{FieldId::GroupMmsi, 0, 0};
    g.Input.Change(g.Ctx, box, "123456789");
    EXPECT_EQ(g.Input.Validate(g.Ctx, box, "123456789").failureTitle, "Group Directory MMSI");
    EXPECT_TRUE(g.Input.Validate(g.Ctx, box, "12345678").ok);
    EXPECT_EQ(g.Entries()[0].Mmsid, "0123456780");
    EXPECT_EQ(FillEntryPage(g.Data, g.Kind, 1).mmsi, "12345678");

    // A free entry takes neither MMSI nor name: the directory keeps no gap.
    g.Input.Change(g.Ctx, {FieldId::GroupMmsi, 0, 2}, "11111111");
    g.Input.Validate(g.Ctx, {FieldId::GroupMmsi, 0, 2}, "11111111");
    g.Input.Validate(g.Ctx, {FieldId::GroupName, 0, 2}, "free");
    EXPECT_EQ(g.Entries()[2], DirectoryEntry{});

    // A name is taken when its box is left, and marks the data changed.
    g.Shell.DataChanged = false;
    EXPECT_FALSE(g.Input.Change(g.Ctx, {FieldId::GroupName, 0, 0}, "fleet").edited);
    g.Input.LostFocus(g.Ctx, {FieldId::GroupName, 0, 0}, "fleet");
    EXPECT_EQ(g.Entries()[0].TagName, "fleet");
    EXPECT_TRUE(g.Shell.DataChanged);
}

}  // namespace
}  // namespace kelpie
