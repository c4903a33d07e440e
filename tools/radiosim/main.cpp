// kelpie-radiosim — a simulated radio on a pseudo-terminal, for trying the program without a radio
// and for end-to-end tests through the real serial port. Prints the device path on its first line
// and serves until stopped; on stop it can save the radio's memory, so that a test sees what was
// written.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "PtyRadio.h"
#include "link/RadioSimulator.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnStop(int)
{
    g_stop = 1;
}

const char* const kUsage =
    "usage: kelpie-radiosim [--model N] [--image FILE] [--save FILE] [--pace] [--fault SPEC]...\n"
    "  --model N     the radio's model index 0..6 (default 5, MV230)\n"
    "  --image FILE  the radio's memory from a hex image file (default: the model's fresh programming)\n"
    "  --save FILE   write the radio's memory to FILE when stopped (SIGINT, SIGTERM)\n"
    "  --pace        send at the 9600 baud of a real cable\n"
    "  --fault SPEC  misbehave; block numbers N count read and write requests from 1:\n"
    "                silent, no-echo, bad-echo=BYTE, no-probe, acmd=TEXT, acmd-none, acmd-cr,\n"
    "                sync-refuse=N, sync-silent, status-refuse=N, busy=N, status-bad-word,\n"
    "                status-bad-sum, status-no-ack, status-no-reply, refuse=N, refuse-count=N,\n"
    "                no-ack=N, no-reply=N, bad-word=N, bad-sum=N, bad-address=N, short-data=N,\n"
    "                bad-hex=N, hang-up=N, no-can-ack, slow=MS, model-code=HEX\n";

struct Options
{
    int Model = 5;
    std::string Image;
    std::string Save;
    bool Pace = false;
    kelpie::SimulatorFaults Faults;
};

bool ParseOptions(int argc, char** argv, Options& options, std::string& error)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const bool takesValue = arg == "--model" || arg == "--image" || arg == "--save" || arg == "--fault";
        if (takesValue && !hasValue) {
            error = arg + " needs a value";
            return false;
        }
        if (arg == "--pace") {
            options.Pace = true;
        } else if (arg == "--model" && hasValue) {
            const std::string& value = args[++i];
            if (value.size() != 1 || !kelpie::IsValidModelIndex(value[0] - '0')) {
                error = "no model " + value;
                return false;
            }
            options.Model = value[0] - '0';
        } else if (arg == "--image" && hasValue) {
            options.Image = args[++i];
        } else if (arg == "--save" && hasValue) {
            options.Save = args[++i];
        } else if (arg == "--fault" && hasValue) {
            const std::string& spec = args[++i];
            if (!kelpie::ParseSimulatorFault(spec, options.Faults)) {
                error = "unknown fault " + spec;
                return false;
            }
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

// The radio's memory: the image file, or the model's fresh programming.
bool LoadMemory(const Options& options, kelpie::RadioSimulator& radio, std::string& error)
{
    const int size = kelpie::ModelOf(options.Model).ImageSize;
    if (options.Image.empty()) {
        kelpie::RadioData data(options.Model);
        kelpie::ResetEditModel(data);
        radio.Memory() = data.RadioImage;
    } else {
        std::error_code status;
        if (!std::filesystem::exists(options.Image, status)) {
            error = "cannot open " + options.Image + ": " +
                    (status ? status.message()
                            : std::make_error_code(std::errc::no_such_file_or_directory).message());
            return false;
        }
        if (!std::filesystem::is_regular_file(options.Image, status)) {
            error = options.Image + " is not a file";
            return false;
        }
        std::ifstream file(options.Image, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                      std::istreambuf_iterator<char>());
        if (!file.is_open()) {
            error = "cannot open " + options.Image;
            return false;
        }
        if (static_cast<int>(bytes.size()) != size) {
            error = options.Image + " is not a " + std::to_string(size) + "-byte image";
            return false;
        }
        std::copy(bytes.begin(), bytes.end(), radio.Memory().Bytes(0, size).begin());
    }
    radio.WriteModelCode(options.Faults.ModelCode.value_or(kelpie::ModelOf(options.Model).Code));
    return true;
}

bool SaveMemory(const std::string& path, const kelpie::RadioSimulator& radio)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    const auto bytes = radio.Memory().Bytes(0, radio.LastAddress() + 1);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    std::string error;
    if (argc > 1 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (!ParseOptions(argc, argv, options, error)) {
        std::cerr << "kelpie-radiosim: " << error << "\n" << kUsage;
        return 2;
    }
    kelpie::RadioSimulator radio(options.Model, options.Faults);
    kelpie::PtyRadio pty(radio, options.Pace);
    if (!LoadMemory(options, radio, error) || !pty.Create(error)) {
        std::cerr << "kelpie-radiosim: " << error << "\n";
        return 1;
    }
    std::signal(SIGINT, OnStop);
    std::signal(SIGTERM, OnStop);
    std::cout << pty.DevicePath() << std::endl;
    pty.Serve(g_stop);
    if (!options.Save.empty() && !SaveMemory(options.Save, radio)) {
        std::cerr << "kelpie-radiosim: cannot save the memory to " << options.Save << "\n";
        return 1;
    }
    return 0;
}
