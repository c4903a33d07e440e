#include <gtest/gtest.h>

#include "edit/DirectoryEdit.h"
#include "edit/FieldInput.h"
#include "model/ImagePasses.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

struct Directory
{
    explicit Directory(int inUse, DirectoryKind kind = DirectoryKind::Individual) : Kind(kind)
    {
        auto entries = DirectoryOf(Data, Kind);
        for (int i = 0; i < inUse; ++i) {
            entries[static_cast<std::size_t>(i)] = {true, "SHIP" + std::to_string(i + 1),
                                                    std::to_string(100000000 + i) + "0"};
        }
    }

    std::span<DirectoryEntry> Entries() { return DirectoryOf(Data, Kind); }

    RadioData Data = ResetData(0);
    ShellState Shell;
    EditContext Ctx{Data, Shell};
    DirectoryKind Kind;
};

TEST(FillEntryPage, OnlyTheFirstFreeEntryCanBeTaken)
{
    Directory d(3);
    const EntryPage used = FillEntryPage(d.Data, d.Kind, 2);
    EXPECT_EQ(used.tagCaption, "Station Name");
    EXPECT_EQ(used.mmsi, "100000001");
    EXPECT_EQ(used.use, (CheckControl{true, false}));
    EXPECT_EQ(used.remove, (CheckControl{false, true}));
    EXPECT_TRUE(used.boxesEnabled);

    const EntryPage fourth = FillEntryPage(d.Data, d.Kind, 4);
    EXPECT_EQ(fourth.use, (CheckControl{false, true}));
    EXPECT_EQ(fourth.remove, (CheckControl{true, false}));
    EXPECT_FALSE(fourth.boxesEnabled);
    EXPECT_FALSE(FillEntryPage(d.Data, d.Kind, 5).use.enabled);
    EXPECT_FALSE(TakeEntry(d.Ctx, d.Kind, 5));
    EXPECT_FALSE(d.Shell.DataChanged);

    EXPECT_TRUE(TakeEntry(d.Ctx, d.Kind, 4));
    EXPECT_TRUE(d.Entries()[3].Enabled);
    EXPECT_TRUE(d.Shell.DataChanged);
    // Entry 4 has no MMSI yet, so entry 5 is not offered.
    EXPECT_FALSE(FillEntryPage(d.Data, d.Kind, 5).use.enabled);
    EXPECT_TRUE(FillEntryPage(Directory(0).Data, d.Kind, 1).use.enabled);
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

    Directory groups(kGroupDirectorySize, DirectoryKind::Group);
    EXPECT_TRUE(DeleteEntry(groups.Ctx, groups.Kind, 1));
    EXPECT_EQ(groups.Entries()[0].TagName, "SHIP2");
    EXPECT_EQ(groups.Entries()[9], DirectoryEntry{});
}

TEST(DirectoryMmsi, AnEmptyMmsiDeletesTheEntryAndGroupMmsisKeepTheirLeadingZero)
{
    Directory d(1);
    FieldInput input;
    const FieldRef box{FieldId::IndividualMmsi, 0, 0};
    input.Change(d.Ctx, box, "");
    const FieldCommit cleared = input.Validate(d.Ctx, box, "");
    EXPECT_TRUE(cleared.ok && cleared.entryCleared);
    EXPECT_EQ(d.Entries()[0], DirectoryEntry{});

    Directory g(1, DirectoryKind::Group);
    const FieldRef group{FieldId::GroupMmsi, 0, 0};
    input.Change(g.Ctx, group, "123456789");
    const FieldCommit nine = input.Validate(g.Ctx, group, "123456789");
    EXPECT_FALSE(nine.ok);
    EXPECT_EQ(nine.failureTitle, "Group Directory MMSI");
    EXPECT_TRUE(input.Validate(g.Ctx, group, "12345678").ok);
    EXPECT_EQ(g.Entries()[0].Mmsid, "0123456780");
    EXPECT_EQ(FillEntryPage(g.Data, g.Kind, 1).mmsi, "12345678");
    EXPECT_EQ(FillEntryPage(g.Data, g.Kind, 1).tagCaption, "Group Name");

    EncodeImage(g.Data);
    EXPECT_EQ(g.Data.RadioImage[0x3500], 0x01);
    EXPECT_EQ(g.Data.RadioImage[0x3504], 0x80);

    // A free entry takes no MMSI: the directory keeps no gap.
    input.Change(g.Ctx, {FieldId::GroupMmsi, 0, 2}, "11111111");
    EXPECT_TRUE(input.Validate(g.Ctx, {FieldId::GroupMmsi, 0, 2}, "11111111").ok);
    EXPECT_EQ(g.Entries()[2].Mmsid, "");
}

TEST(DirectoryName, TakenWhenTheBoxIsLeftAndMarkedAsAnEdit)
{
    Directory d(2);
    FieldInput input;
    EXPECT_FALSE(input.Change(d.Ctx, {FieldId::IndividualName, 0, 1}, "tug").edited);
    EXPECT_EQ(d.Entries()[1].TagName, "SHIP2");
    input.LostFocus(d.Ctx, {FieldId::IndividualName, 0, 1}, "tug");
    EXPECT_EQ(d.Entries()[1].TagName, "tug");
    EXPECT_TRUE(d.Shell.DataChanged);
    input.Validate(d.Ctx, {FieldId::IndividualName, 0, 5}, "free");
    EXPECT_EQ(d.Entries()[5].TagName, "");
}

TEST(EntryNodeCaption, CutAtTheFirstBracketAndMarked)
{
    EXPECT_EQ(EntryNodeCaption("SM 3[Enable]", false), "SM 3");
    EXPECT_EQ(EntryNodeCaption("SM 3", true), "SM 3[Enable]");
    EXPECT_EQ(EntryNodeCaption("SG 1[Enable]", true), "SG 1[Enable]");
}

}  // namespace
}  // namespace kelpie
