// DirectoryEdit.h — the MMSI directories: the entry page's contents, taking an entry into use and
// deleting one, so that each directory stays filled from entry 1 upward without gaps.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "edit/Banks.h"
#include "edit/EditContext.h"

namespace kelpie {

// The digits typed into the entry page's MMSI box.
int MmsiDigits(DirectoryKind kind);

struct EntryPage
{
    std::string_view tagCaption;  // lblTag
    std::string name;             // txtGPosi
    std::string mmsi;             // txtGMMSI
    CheckControl use;             // chkGEnable
    CheckControl remove;          // chkGDelete
    bool boxesEnabled = false;    // the name and MMSI boxes and their labels

    bool operator==(const EntryPage&) const = default;
};

// Entry n (1..size) of the directory. An entry in use can be deleted; of the free entries only the
// first one after an entry with an MMSI can be taken.
EntryPage FillEntryPage(const RadioData& data, DirectoryKind kind, int n);

// A step on entry n's page: "Station 3 deleted".
StepLabel EntryStep(DirectoryKind kind, int n, std::string_view what);

// chkGEnable: takes entry n into use when the page offers it.
bool TakeEntry(EditContext& ctx, DirectoryKind kind, int n);
// The confirmed delete (and an MMSI committed empty): every later entry moves one place up and the
// last entry is cleared.
bool DeleteEntry(EditContext& ctx, DirectoryKind kind, int n);

// The question before entry n is deleted, naming it: "Delete Memory ID 3, Sea Breeze?", or
// "Delete Group ID 2?" for an entry without a name.
std::string DeleteQuestion(const RadioData& data, DirectoryKind kind, int n);

// The line each directory page and the call-sign sheet show: what a transfer does with the entries.
std::string_view DirectoryTransferNote(DirectoryKind kind);
std::string_view CallSignTransferNote();

}  // namespace kelpie
