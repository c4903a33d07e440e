// Converters.h — stored values turned into the texts the pages, the data file and the listing show.
#pragma once

#include <string>
#include <string_view>

#include "model/RadioData.h"

namespace kelpie {

std::string OnOffText(bool value);        // "On" / "Off"
std::string HiLowText(bool value);        // "Hi" / "Low"
std::string ResumeTimeText(int value);    // "--", "1Sec", "2Sec", "3Sec"
std::string TxPoDisplayText(int value);   // 0..2; other values empty
std::string WeatherAlertText(int value);  // 0 "Off", 3 "On"; other values empty
std::string MagVarText(int value);        // 0 "True", 1 "Mag"; other values empty
std::string EnableText(bool value);       // "ENABLE" / "------"
std::string TxText(bool value);           // "TX" / "--"
std::string LowText(bool value);          // "LOW" / "---"
std::string UpText(bool value);           // "UP" / "--"
std::string DupText(bool value);          // "DUP" / "---"
std::string MemText(bool value);          // "MEM" / "---"
std::string CmpText(bool value);          // "CMP" / "---"
std::string NarrowText(bool value);       // "N " / "--"
std::string ScrambleText(int value);      // bit 2 set: the digit of the code in bits 1–0; else "--"

// A text empty after trimming blanks becomes "----"; anything else is returned as it is.
std::string BlankDashText(std::string_view text);
// The text padded with blanks and cut to width.
std::string PadText(std::string_view text, int width);
// An empty text becomes width dashes, anything else PadText(text, width).
std::string FixedOrDashes(std::string_view text, int width);

// Frequencies in MHz; zero or below is "no frequency".
std::string FreqText3(double mhz);                // "156.050" or "---.---"
std::string FreqText3Or(double mhz, bool blank);  // also "---.---" when blank
// A frequency on neither the 5 kHz nor the 12.5 kHz raster rounded down to the 5 kHz raster;
// any other frequency unchanged.
double RasterCorrected(double mhz);
// "156.0500" or "---.----", of the frequency as RasterCorrected gives it.
std::string FreqText4(double mhz);
bool IsOn25kHzRaster(double mhz);

// CTCSS of the direction (0 transmit, 1 receive) when set, else its DCS code, else "-------".
std::string ToneText(const ChannelRecord& record, int direction);
// "N023" … "N754" for 1..104, "I023" … "I754" for 105..208.
std::string DcsText(int value);
// The tone tables' texts; a value beyond a table (possible in an image a radio wrote) is "?".
std::string CtcssName(int value);
std::string DcsName(int value);

// The label of a combined channel index: plan label, bank E name and number, or "Off".
std::string ChannelLabel(int index, int modelIndex);
std::string BankEName(int modelIndex);

// Bank E display digits as a seven-segment display shows them ("B" → "b" …).
std::string DisplayCaseText(std::string_view text);

}  // namespace kelpie
