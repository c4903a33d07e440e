// CliArguments.h — the command line of kelpie-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelpie {

struct CliArguments
{
    // new, convert, listing, print, diff, read, write, verify, clear-distress, info, export-csv,
    // import-csv, fields; empty with --help/--version
    std::string Command;
    int Model = -1;           // --model N
    std::string Destination;  // --destination NAME; the desktop program's default is USA
    std::string Port;         // --port DEVICE
    std::string Input;        // the first positional argument
    std::string Other;        // the second one: diff's B, import-csv's CSV
    std::string Bank;         // --bank usa|intl|canada|e: the channel bank of export-csv and import-csv
    std::string Format;       // --format kelpie|chirp: export-csv's kind of CSV
    std::string Output;       // -o OUT
    bool Yes = false;    // --yes: answer the radio link's questions OK / Retry; import-csv: skip refused rows
    bool Debug = false;  // --debug: monitor texts to standard error and the error log
    bool Help = false;
    bool Version = false;
};

// The parsed arguments, or a usage error message in `error`.
std::optional<CliArguments> ParseCliArguments(const std::vector<std::string>& arguments, std::string& error);

// The usage text: of one command, or of all of them when command is empty.
std::string CliUsage(const std::string& command);

}  // namespace kelpie
