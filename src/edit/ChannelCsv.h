// ChannelCsv.h — channel lists as text: one bank as Kelpie CSV (the grid's columns, keyed by channel
// label or bank E position), the CHIRP CSV radio users exchange (bank E only), and the rows copied
// and pasted between the grids. Every row read is checked with the channel page's own rules before
// anything changes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "edit/ChannelEdit.h"

namespace kelpie {

// What became of one row of the text.
struct RowReport
{
    int Line = 0;         // line of the text, the header being line 1
    std::string Channel;  // "USA CH16", "LMR5"; empty when the row names no channel
    bool Refused = false;
    std::string Text;  // what was done, or why the row was refused, with any notes
};

// A checked list of rows: the records as they become, and a report of each row.
struct ChannelImport
{
    int Group = kGroupBankE;
    std::string Error;  // the whole text refused (no header, a column the bank lacks); nothing applies
    std::vector<RowReport> Rows;

    struct Change
    {
        ChannelRef Ref;
        ChannelRecord Record;
        std::size_t Row;  // the row that made it, in Rows
    };
    std::vector<Change> Changes;  // only records that differ from what the data holds

    bool HasRefusedRows() const;
};

// Where CHIRP rows land in bank E: at their Location, or one after another on the channels not
// enabled, in order.
enum class ChirpPlacing {
    AtLocation,
    NextFree
};

// Kelpie CSV of one bank: a header of the grid's columns (an ENABLE column on the marine banks too),
// then one row per channel in the grid's texts; a column the grid shows as dashes is empty there.
std::string ExportKelpieCsv(const RadioData& data, int group);
// The rows of a bank's channels (list indexes) in the same columns, with `separator` between fields.
std::string ExportChannelRows(const RadioData& data, int group, const std::vector<int>& indexes,
                              char separator);
// CHIRP CSV of bank E's enabled channels.
std::string ExportChirpCsv(const RadioData& data);

// A header with CHIRP's Location column: a CHIRP channel list rather than a Kelpie one.
bool IsChirpCsv(std::string_view text);

// Kelpie CSV rows onto the bank: a marine row on the channel of its label, a bank E row on its
// position. A column absent from the text leaves its field as it is, and so does a cell that shows
// what the channel holds.
ChannelImport CheckKelpieCsv(const RadioData& data, int group, std::string_view text);
// CHIRP CSV rows onto bank E.
ChannelImport CheckChirpCsv(const RadioData& data, std::string_view text, ChirpPlacing placing);
// Copied rows (Kelpie CSV, or the tab-separated form) pasted on a bank: marine rows on the channels
// of their labels, bank E rows one after another on the selected channels (from the first selected
// channel on, when fewer are selected than rows).
ChannelImport CheckPastedRows(const RadioData& data, int group, std::string_view text,
                              const std::vector<int>& selected);
// Bank E channels cleared as a cut leaves them: off, without frequencies, name, number or tones.
ChannelImport CheckClearedRows(const RadioData& data, const std::vector<int>& indexes);

// Writes the checked records as one edit. Nothing when the text was refused, or when a row was
// refused and skipping refused rows was not accepted. True when records were written.
bool ApplyChannelImport(EditContext& ctx, const ChannelImport& checked, bool skipRefused,
                        const std::string& caption);
// One line per row: "Line 3: LMR2 written." or "Line 4: LMR3 refused: ...".
std::string ImportReport(const ChannelImport& checked);
// The refused rows, one a line, for the question whether to skip them.
std::string RefusedRowsText(const ChannelImport& checked);

}  // namespace kelpie
