// CliArguments.cpp — parsing and checking kelpie-cli's command line.
#include "CliArguments.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "model/Models.h"

namespace kelpie {

namespace {

// What each command takes: required and optional options, and its input argument.
struct CommandShape
{
    const char* name;
    const char* usage;
    bool model;          // --model required
    bool modelOptional;  // --model allowed; without it the model is found on the radio
    bool destination;    // --destination allowed
    bool port;           // --port required
    int inputs;          // input files required: IN, or A and B
    bool output;         // -o OUT required
    bool outputOptional;
    bool bank = false;  // --bank required, --format allowed
};

constexpr std::array<CommandShape, 13> kCommands{{
    {"new", "new --model N [--destination NAME] -o OUT.dat|OUT.hex", true, false, true, false, 0, true,
     false},
    {"convert", "convert --model N [--destination NAME] IN -o OUT.dat|OUT.hex|OUT.txt", true, false, true,
     false, 1, true, false},
    {"listing", "listing --model N [--destination NAME] IN [-o OUT.txt]", true, false, true, false, 1, false,
     true},
    {"print", "print --model N [--destination NAME] IN -o OUT.pdf", true, false, true, false, 1, true, false},
    {"diff", "diff --model N [--destination NAME] A B", true, false, true, false, 2, false, false},
    {"read", "read [--model N] --port DEVICE -o OUT.hex|OUT.dat", false, true, false, true, 0, true, false},
    {"write", "write --model N [--destination NAME] --port DEVICE IN", true, false, true, true, 1, false,
     false},
    {"verify", "verify --model N [--destination NAME] --port DEVICE IN", true, false, true, true, 1, false,
     false},
    {"clear-distress", "clear-distress --model N --port DEVICE --yes", true, false, false, true, 0, false,
     false},
    {"info", "info IN", false, false, false, false, 1, false, false},
    {"export-csv",
     "export-csv --model N [--destination NAME] IN --bank usa|intl|canada|e [--format kelpie|chirp] -o "
     "OUT.csv",
     true, false, true, false, 1, true, false, true},
    {"import-csv", "import-csv --model N [--destination NAME] IN --bank usa|intl|canada|e [--yes] CSV -o OUT",
     true, false, true, false, 2, true, false, true},
    {"fields", "fields --model N", true, false, false, false, 0, false, false},
}};

const CommandShape* FindCommand(const std::string& name)
{
    const auto at = std::ranges::find_if(kCommands, [&](const CommandShape& c) { return name == c.name; });
    return at == kCommands.end() ? nullptr : &*at;
}

}  // namespace

std::string CliUsage(const std::string& command)
{
    if (const CommandShape* shape = FindCommand(command)) {
        return std::string("usage: kelpie-cli ") + shape->usage +
               "\noptions: --yes (answer the radio's questions OK/Retry, a few times a run), --debug "
               "(monitor "
               "and error log)\n";
    }
    std::string text = "usage: kelpie-cli COMMAND [options]\ncommands:\n";
    for (const CommandShape& c : kCommands) {
        text += std::string("  kelpie-cli ") + c.usage + "\n";
    }
    text +=
        "  kelpie-cli --help | --version | COMMAND --help\n"
        "models: 0 MF7500S, 1 MV240, 2 MV210, 3 MB6000, 4 MV220, 5 MV230, 6 MV230E\n"
        "options: --yes answers the radio's questions OK or Retry a few times a run (Cancel otherwise,\n"
        "so that a radio that stays busy ends the run), and lets import-csv skip the rows it refuses;\n"
        "--debug shows the monitor texts and writes the error log and the serial trace\n";
    return text;
}

std::optional<CliArguments> ParseCliArguments(const std::vector<std::string>& arguments, std::string& error)
{
    CliArguments parsed;
    std::vector<std::string> positional;
    std::optional<std::string> modelText;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool takesValue = argument == "--model" || argument == "--destination" ||
                                argument == "--port" || argument == "-o" || argument == "--bank" ||
                                argument == "--format";
        if (takesValue && i + 1 >= arguments.size()) {
            error = argument + " needs a value";
            return std::nullopt;
        }
        if (argument == "--help" || argument == "-h") {
            parsed.Help = true;
        } else if (argument == "--version") {
            parsed.Version = true;
        } else if (argument == "--yes") {
            parsed.Yes = true;
        } else if (argument == "--debug") {
            parsed.Debug = true;
        } else if (argument == "--model") {
            modelText = arguments[++i];
        } else if (argument == "--destination") {
            parsed.Destination = arguments[++i];
        } else if (argument == "--port") {
            parsed.Port = arguments[++i];
        } else if (argument == "--bank") {
            parsed.Bank = arguments[++i];
        } else if (argument == "--format") {
            parsed.Format = arguments[++i];
        } else if (argument == "-o") {
            parsed.Output = arguments[++i];
        } else if (argument.starts_with("-") && argument != "-") {
            error = "unknown option " + argument;
            return std::nullopt;
        } else {
            positional.push_back(argument);
        }
    }
    if (!positional.empty()) {
        parsed.Command = positional.front();
        positional.erase(positional.begin());
    }
    if (parsed.Version || (parsed.Help && parsed.Command.empty())) {
        return parsed;
    }
    const CommandShape* shape = FindCommand(parsed.Command);
    if (!shape) {
        error = parsed.Command.empty() ? "no command given" : "unknown command " + parsed.Command;
        return std::nullopt;
    }
    if (parsed.Help) {
        return parsed;
    }
    if (modelText) {
        int model = -1;
        const auto [end, ec] =
            std::from_chars(modelText->data(), modelText->data() + modelText->size(), model);
        if (ec != std::errc{} || end != modelText->data() + modelText->size() || !IsValidModelIndex(model)) {
            error = "--model takes a model index 0..6, not " + *modelText;
            return std::nullopt;
        }
        parsed.Model = model;
    }
    const std::string command = parsed.Command;
    if (shape->model && parsed.Model < 0) {
        error = command + " needs --model N";
    } else if (!shape->model && !shape->modelOptional && modelText) {
        error = command + " takes no --model";
    } else if (!shape->destination && !parsed.Destination.empty()) {
        error = command + " takes no --destination";
    } else if (shape->port && parsed.Port.empty()) {
        error = command + " needs --port DEVICE";
    } else if (!shape->port && !parsed.Port.empty()) {
        error = command + " takes no --port";
    } else if (shape->output && parsed.Output.empty()) {
        error = command + " needs -o OUT";
    } else if (!shape->output && !shape->outputOptional && !parsed.Output.empty()) {
        error = command + " takes no -o";
    } else if (shape->inputs == 0 && !positional.empty()) {
        error = command + " takes no input file";
    } else if (shape->bank && parsed.Bank != "usa" && parsed.Bank != "intl" && parsed.Bank != "canada" &&
               parsed.Bank != "e") {
        error = command + " needs --bank usa, intl, canada or e";
    } else if (!shape->bank && (!parsed.Bank.empty() || !parsed.Format.empty())) {
        error = command + " takes no --bank or --format";
    } else if (!parsed.Format.empty() &&
               (command != "export-csv" || (parsed.Format != "kelpie" && parsed.Format != "chirp"))) {
        error = command == "export-csv" ? "--format takes kelpie or chirp" : command + " takes no --format";
    } else if (parsed.Format == "chirp" && parsed.Bank != "e") {
        error = "CHIRP CSV holds bank E only: --bank e";
    } else if (positional.size() != static_cast<std::size_t>(shape->inputs)) {
        error = command + (shape->inputs == 1 ? " needs one input file" : " needs two input files");
    }
    if (!error.empty()) {
        return std::nullopt;
    }
    if (shape->inputs > 0) {
        parsed.Input = positional.front();
    }
    if (shape->inputs > 1) {
        parsed.Other = positional.back();
    }
    return parsed;
}

}  // namespace kelpie
