// CorpusDump.cpp — writes what the program makes of random radio memories, every model, into one
// folder: the image a decode and encode give back, the data file, the records read back from it,
// the text and printed listings, the compare with a fresh reset. Run it before and after a change
// to the codecs, the files or the listings and compare the two folders: a refactoring that keeps
// every byte leaves them identical.
//
//   kelpie-corpus OUT-FOLDER [IMAGES-PER-MODEL]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "files/FileUi.h"
#include "model/FreshImage.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "model/ShellState.h"
#include "report/Compare.h"
#include "report/MemoryMap.h"
#include "report/PrintedListing.h"
#include "report/TextImage.h"

namespace kelpie {
namespace {

// Every box answered OK, its text kept with the output.
struct QuietUi : FileUi
{
    void SetBusy(bool) override {}
    MessageAnswer ShowMessage(std::string_view text, std::string_view, MessageIcon, MessageButtons) override
    {
        Said += std::string(text) + "\n";
        return MessageAnswer::Ok;
    }
    void Pause(int) override {}
    std::string Said;
};

void Write(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

std::string ImageText(const RadioData& data)
{
    std::string text;
    char hex[4];
    for (int address = 0; address <= data.ImageLastAddress; ++address) {
        std::snprintf(hex, sizeof hex, "%02X", data.RadioImage[address]);
        text += hex;
        text += address % 32 == 31 ? '\n' : ' ';
    }
    return text;
}

std::string PrintedText(const RadioData& data)
{
    std::string text;
    for (const PrintPage& page : BuildPrintedListing(data, ModelNameOf(data.ModelIndex))) {
        text += "--- page\n";
        for (const PrintLine& line : page.Lines) {
            for (const PrintCell& cell : line) {
                text += std::to_string(cell.Mm) + ":" + cell.Text + " | ";
            }
            text += "\n";
        }
    }
    return text;
}

std::string CompareText(const RadioData& left, const RadioData& right)
{
    std::string text;
    for (const Difference& d : CompareData(left, right)) {
        text += d.Key + " | " + d.Text + "\n";
    }
    return text;
}

RadioData Reset(int model)
{
    RadioData data(model);
    ResetEditModel(data);
    return data;
}

void Dump(const std::filesystem::path& folder, const std::string& name, const RadioData& decoded)
{
    const RadioData reset = Reset(decoded.ModelIndex);
    RadioData encoded = decoded;
    EncodeImage(encoded);
    Write(folder / (name + ".image"), ImageText(encoded));
    ShellState shell;
    const std::string file = DataFileText(decoded, shell);
    Write(folder / (name + ".dat"), file);
    RadioData loaded = reset;
    QuietUi ui;
    std::string rejected;
    for (const std::string& value : ReadDataFile(loaded, shell, ui, file)) {
        rejected += value + "\n";
    }
    EncodeImage(loaded);
    Write(folder / (name + ".dat-loaded"), ImageText(loaded) + ui.Said + rejected);
    Write(folder / (name + ".txt"), BuildTextImage(decoded));
    Write(folder / (name + ".printed"), PrintedText(decoded));
    Write(folder / (name + ".diff"), CompareText(reset, decoded));
}

}  // namespace
}  // namespace kelpie

int main(int argc, char** argv)
{
    using namespace kelpie;
    if (argc < 2) {
        std::fprintf(stderr, "usage: kelpie-corpus OUT-FOLDER [IMAGES-PER-MODEL]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const int count = argc > 2 ? std::stoi(argv[2]) : 20;
    std::filesystem::create_directories(folder);
    for (int model = 0; model < kModelCount; ++model) {
        const std::string prefix = "m" + std::to_string(model);
        Write(folder / (prefix + ".fields"), MemoryMapText(model));
        RadioData fresh = Reset(model);
        BuildFreshImage(fresh);
        Dump(folder, prefix + "-fresh", fresh);
        for (int seed = 0; seed < count; ++seed) {
            std::mt19937 random(static_cast<unsigned>(1000 * model + seed));
            RadioData data = Reset(model);
            // Half the images fully random, half with every byte either erased or random, as a
            // radio's memory often is.
            for (int address = 0; address <= data.ImageLastAddress; ++address) {
                const auto byte = static_cast<std::uint8_t>(random());
                data.RadioImage[address] = seed % 2 == 0 || (random() & 1) ? byte : 0xFF;
            }
            SetModelCodeWords(data);
            DecodeImage(data);
            Dump(folder, prefix + "-" + std::to_string(seed), data);
        }
    }
    return 0;
}
