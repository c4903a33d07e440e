// CliCommands.cpp — new, convert, listing, print, diff, read, write, verify, clear-distress and info.
#include "CliCommands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>

#include "ConsoleUi.h"
#include "command/DocumentCommands.h"
#include "command/RadioCommands.h"
#include "edit/ChannelCsv.h"
#include "files/DefaultImages.h"
#include "files/FileAccess.h"
#include "files/ImageFile.h"
#include "files/ProgramSettings.h"
#include "link/TransferDialog.h"
#include "model/Models.h"
#include "printing/PrintCommands.h"
#include "report/Compare.h"
#include "report/MemoryMap.h"
#include "report/TextImage.h"

namespace kelpie {

namespace {

namespace fs = std::filesystem;

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kNotCompared = 2;  // diff and verify could not compare

enum class FileKind {
    Data,
    Hex,
    DefaultImage,
    Text,
    Pdf,
    Csv,
    Unknown
};

FileKind KindOf(const fs::path& file)
{
    const std::string extension = ToUpper(file.extension().string());
    return extension == ".DAT"   ? FileKind::Data
           : extension == ".HEX" ? FileKind::Hex
           : extension == ".INI" ? FileKind::DefaultImage
           : extension == ".TXT" ? FileKind::Text
           : extension == ".PDF" ? FileKind::Pdf
           : extension == ".CSV" ? FileKind::Csv
                                 : FileKind::Unknown;
}

// One command's run: the records and the shell state of a desktop program started on the model.
class Session
{
public:
    Session(const CliArguments& arguments, const CliEnvironment& environment)
        : m_arguments(arguments),
          m_environment(environment),
          m_data(arguments.Model),
          m_ui(arguments.Yes, arguments.Debug),
          m_files(m_ui)
    {
        m_shell.ModelName = ModelNameOf(arguments.Model);
        m_shell.DebugMode = arguments.Debug;
        // The logs go to the user's data folder beside the backups, never where the program is installed.
        m_shell.ErrorLogPath = (m_environment.DataFolder / "err.log").string();
        if (arguments.Debug) {
            std::error_code ignored;
            fs::create_directories(m_environment.DataFolder, ignored);
            Error("kelpie-cli: debug mode: err.log and serial-trace.log are written to " +
                  m_environment.DataFolder.string());
        }
    }

    // The reset of the desktop program's New, then the destination's default image.
    bool NewImage()
    {
        Show(NewData(m_data, m_shell));
        const bool named = !m_arguments.Destination.empty();
        const std::string destination = named ? m_arguments.Destination : "USA";
        const std::string name = DefaultImageFileName(ToUpper(destination), m_arguments.Model);
        for (const fs::path& folder : DefaultImageFolders(m_environment.ProgramFolder)) {
            if (const auto file = FindFileIgnoringCase(folder, name)) {
                m_ui.SetSubject(file->string());
                const Outcome loaded = LoadProgrammingFile(m_data, m_shell, m_files, *file);
                if (loaded.IsDone() || named) {
                    return Show(loaded);
                }
                // As at the desktop program's start-up, a damaged default image counts as a
                // missing one unless the user asked for that destination.
                Error("warning: " + file->string() +
                      " is not a default image of this model; the reset image is used");
                return true;
            }
        }
        if (named) {
            Error("no default image " + name + " for destination " + ToUpper(destination));
            return false;
        }
        return true;
    }

    bool Load(const fs::path& file)
    {
        m_ui.SetSubject(file.string());
        return Show(LoadProgrammingFile(m_data, m_shell, m_files, file));
    }

    bool Save(const fs::path& file)
    {
        m_ui.SetSubject(file.string());
        return Show(SaveProgrammingFile(m_data, m_shell, m_files, file));
    }

    std::string Listing() { return BuildTextImage(m_data); }

    // export-csv: the bank as Kelpie or CHIRP CSV.
    bool ExportCsv(int group, bool chirp, const fs::path& file)
    {
        try {
            WriteFileAtomically(file, chirp ? ExportChirpCsv(m_data) : ExportKelpieCsv(m_data, group));
        } catch (const FileError& e) {
            Error(file.string() + ": FileSave Error!!\n" + e.what());
            return false;
        }
        return true;
    }

    // import-csv: the rows checked and reported on standard output, then written as one edit when
    // every row was taken, or when refused rows may be skipped. A CHIRP header is taken into bank E
    // at its locations.
    bool ImportCsv(int group, const fs::path& csv, bool skipRefused)
    {
        std::string text;
        try {
            const std::vector<std::uint8_t> bytes = ReadWholeFile(csv);
            text.assign(bytes.begin(), bytes.end());
        } catch (const FileError& e) {
            Error(csv.string() + ": " + e.what());
            return false;
        }
        const bool chirp = group == kGroupBankE && IsChirpCsv(text);
        const ChannelImport checked = chirp ? CheckChirpCsv(m_data, text, ChirpPlacing::AtLocation)
                                            : CheckKelpieCsv(m_data, group, text);
        std::cout << ImportReport(checked);
        if (!checked.Error.empty() || (checked.HasRefusedRows() && !skipRefused)) {
            Error(csv.string() + ": nothing imported" +
                  (checked.Error.empty() ? " (--yes skips the refused rows)" : ""));
            return false;
        }
        EditContext ctx{m_data, m_shell};
        ApplyChannelImport(ctx, checked, skipRefused, "Import Channels");
        return true;
    }

    // The printed listing's pages as a PDF.
    bool Print(const fs::path& file)
    {
        m_ui.SetSubject(file.string());
        return Show(ExportListingPdf(m_data, m_shell, m_arguments.Destination, file));
    }

    // diff: B read on top of a fresh image of its own, compared with this data.
    Outcome CompareWith(const fs::path& file, std::vector<Difference>& differences)
    {
        m_ui.SetSubject(file.string());
        Session other(m_arguments, m_environment);
        if (!other.NewImage()) {
            return Outcome::Failed();
        }
        return Shown(CompareWithFile(m_data, other.m_data, m_shell, m_files, file, differences));
    }

    // A read that meets a radio of another model ends quietly when detecting: the caller reads
    // again as the radio's model.
    Outcome Read(bool detecting = false)
    {
        Outcome outcome = ReadRadio(m_data, m_shell, Runner(), Backups());
        if (detecting && outcome.RadioModel >= 0) {
            m_ui.FinishProgress("model check");
            return outcome;
        }
        return Transferred("read", std::move(outcome));
    }
    Outcome Write() { return Transferred("write", ProgramRadio(m_shell, Runner())); }
    Outcome Verify(std::vector<Difference>& differences)
    {
        return Transferred("verify", VerifyRadio(m_shell, Runner(), Backups(), differences));
    }
    Outcome Clear() { return Transferred("clear", ClearDistressLog(m_shell, Runner())); }

private:
    // Prints what the outcome still has to tell, a failure's naming the subject (a done command's
    // message names what it made itself); true when it is done.
    bool Show(const Outcome& outcome)
    {
        if (!outcome.Message.empty() && outcome.IsDone()) {
            Error(outcome.Message);
        } else if (!outcome.Message.empty()) {
            static_cast<void>(
                m_ui.Message(outcome.Message, "", MessageIcon::Information, MessageButtons::Ok));
        }
        if (!outcome.NotTaken.empty()) {
            static_cast<void>(
                m_ui.Message(NotTakenText(outcome), "", MessageIcon::Information, MessageButtons::Ok));
        }
        return outcome.IsDone();
    }
    Outcome Shown(Outcome outcome)
    {
        Show(outcome);
        return outcome;
    }

    // The transfer dialog's run of the mode after OK, on the device; Ctrl+C is its Cancel button.
    TransferRunner Runner()
    {
        return [this](VerifyOutcome* verified) {
            std::unique_ptr<SerialPort> port = m_environment.OpenPort(m_arguments.Port);
            std::unique_ptr<Clock> clock = m_environment.MakeClock();
            m_ui.SetSubject(m_arguments.Port);
            TransferDialog dialog(*port, m_ui, *clock, m_shell, m_data);
            m_ui.OnInterrupt([&dialog] { dialog.CancelPressed(); });
            m_ui.PauseOn(clock.get());
            dialog.Load();
            const bool completed = dialog.OkPressed();
            if (verified) {
                *verified = dialog.Verified();
            }
            m_ui.OnInterrupt(nullptr);
            m_ui.PauseOn(nullptr);
            m_ui.SetSubject({});
            return completed;
        };
    }

    // The last line of a transfer, then what its outcome tells.
    Outcome Transferred(const std::string& what, Outcome outcome)
    {
        m_ui.FinishProgress(what + (outcome.IsDone()                         ? " complete"
                                    : outcome.Kind == OutcomeKind::Cancelled ? " cancelled"
                                                                             : " failed"));
        return Shown(std::move(outcome));
    }

    BackupPlace Backups() const { return {m_environment.DataFolder / "backups", std::time(nullptr)}; }

    static void Error(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

    const CliArguments& m_arguments;
    const CliEnvironment& m_environment;
    RadioData m_data;
    ShellState m_shell;
    ConsoleUi m_ui;
    ConsoleFileUi m_files;
};

bool CheckKind(const std::string& file, std::initializer_list<FileKind> allowed)
{
    for (FileKind kind : allowed) {
        if (KindOf(file) == kind) {
            return true;
        }
    }
    std::fprintf(stderr, "kelpie-cli: %s: not a file of a kind this command takes\n", file.c_str());
    return false;
}

// One difference a line; nothing when there is none.
void PrintDifferences(const std::vector<Difference>& differences)
{
    for (const Difference& difference : differences) {
        std::cout << difference.Text << "\n";
    }
}

// diff and verify as diff exits: 0 equal, 1 different (each difference printed on a line), 2 when
// they could not compare.
int ComparedStatus(const Outcome& outcome, const std::vector<Difference>& differences)
{
    if (!outcome.IsDone()) {
        return kNotCompared;
    }
    PrintDifferences(differences);
    return differences.empty() ? kDone : kFailed;
}

int Info(const std::string& file)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadWholeFile(file);
    } catch (const FileError& e) {
        std::fprintf(stderr, "%s: %s\n", file.c_str(), e.what());
        return kFailed;
    }
    auto word = [&](int address) -> std::string {
        if (static_cast<std::size_t>(address) + 1 >= bytes.size()) {
            return "----";
        }
        char text[8];
        std::snprintf(text, sizeof text, "%02X%02X", bytes[static_cast<std::size_t>(address)],
                      bytes[static_cast<std::size_t>(address) + 1]);
        return text;
    };
    std::printf("%s\nsize: %zu bytes\nmodel code at 0x0040: %s, at 0x1FFE: %s, at 0x3FFE: %s\n", file.c_str(),
                bytes.size(), word(0x0040).c_str(), word(0x1FFE).c_str(), word(0x3FFE).c_str());
    std::string models;
    for (int m = 0; m < kModelCount; ++m) {
        if (bytes.size() == static_cast<std::size_t>(ExpectedImageFileLength(m)) &&
            PassesModelCheck(bytes, m)) {
            models += (models.empty() ? "" : ", ") + std::to_string(m) + " " + ModelOf(m).Model;
        }
    }
    std::printf("model: %s\n", models.empty() ? "none (not an image of a known model)" : models.c_str());
    return models.empty() ? kFailed : kDone;
}

// A read without --model that completed names the model it read, then saves what it read.
int SaveModelRead(Session& session, const Outcome& read, const CliArguments& arguments)
{
    if (!read.IsDone()) {
        return kFailed;
    }
    std::fprintf(stderr, "the radio is an %s (--model %d)\n", ModelOf(arguments.Model).Model,
                 arguments.Model);
    return session.Save(arguments.Output) ? kDone : kFailed;
}

// read without --model: a radio of another model than the one started with is read again as its own.
int ReadAnyModel(Session& session, const CliArguments& started, const CliEnvironment& environment)
{
    const Outcome first = session.Read(true);
    if (first.RadioModel < 0) {
        return SaveModelRead(session, first, started);
    }
    CliArguments radioModel = started;
    radioModel.Model = first.RadioModel;
    Session other(radioModel, environment);
    if (!other.NewImage()) {
        return kFailed;
    }
    return SaveModelRead(other, other.Read(), radioModel);
}

}  // namespace

int RunCliCommand(const CliArguments& a, const CliEnvironment& environment)
{
    const bool compares = a.Command == "diff" || a.Command == "verify";
    if (a.Command == "info") {
        return CheckedOutput(Info(a.Input));
    }
    if (a.Command == "fields") {
        std::fputs(MemoryMapText(a.Model).c_str(), stdout);
        return CheckedOutput(kDone);
    }
    const bool outputOk =
        a.Output.empty() ||
        (a.Command == "listing"      ? CheckKind(a.Output, {FileKind::Text})
         : a.Command == "print"      ? CheckKind(a.Output, {FileKind::Pdf})
         : a.Command == "convert"    ? CheckKind(a.Output, {FileKind::Data, FileKind::Hex, FileKind::Text})
         : a.Command == "export-csv" ? CheckKind(a.Output, {FileKind::Csv})
                                     : CheckKind(a.Output, {FileKind::Data, FileKind::Hex}));
    const bool sendsInput = a.Command == "write" || a.Command == "verify";
    const auto inputKindOk = [&](const std::string& file) {
        return file.empty() ||
               (sendsInput ? CheckKind(file, {FileKind::Data, FileKind::Hex})
                           : CheckKind(file, {FileKind::Data, FileKind::Hex, FileKind::DefaultImage}));
    };
    const bool importsCsv = a.Command == "import-csv";
    if (!outputOk || !inputKindOk(a.Input) || (!importsCsv && !inputKindOk(a.Other))) {
        return kUsage;
    }

    // read without --model starts as the desktop program's first start does and finds the
    // radio's model on the radio.
    const bool detecting = a.Command == "read" && a.Model < 0;
    CliArguments started = a;
    if (detecting) {
        started.Model = kDefaultModelIndex;
    }
    Session session(started, environment);
    if (!session.NewImage() || (!a.Input.empty() && !session.Load(a.Input))) {
        return compares ? kNotCompared : kFailed;
    }
    if (a.Command == "diff") {
        std::vector<Difference> differences;
        return CheckedOutput(ComparedStatus(session.CompareWith(a.Other, differences), differences));
    }
    const int group = a.Bank == "usa"      ? kGroupUsa
                      : a.Bank == "intl"   ? kGroupIntl
                      : a.Bank == "canada" ? kGroupCanada
                                           : kGroupBankE;
    if (a.Command == "export-csv") {
        return session.ExportCsv(group, a.Format == "chirp", a.Output) ? kDone : kFailed;
    }
    if (importsCsv) {
        return CheckedOutput(session.ImportCsv(group, a.Other, a.Yes) && session.Save(a.Output) ? kDone
                                                                                                : kFailed);
    }
    if (a.Command == "new" || a.Command == "convert") {
        return session.Save(a.Output) ? kDone : kFailed;
    }
    if (a.Command == "listing") {
        if (!a.Output.empty()) {
            return session.Save(a.Output) ? kDone : kFailed;
        }
        std::cout << session.Listing() << "\r\n";
        return CheckedOutput(kDone);
    }
    if (a.Command == "print") {
        return session.Print(a.Output) ? kDone : kFailed;
    }
    if (a.Command == "read") {
        // Found before the radio is read, not after.
        try {
            CheckWritable(a.Output);
        } catch (const FileError& e) {
            std::fprintf(stderr, "%s: FileSave Error!!\n%s\n", a.Output.c_str(), e.what());
            return kFailed;
        }
        if (!detecting) {
            return session.Read().IsDone() && session.Save(a.Output) ? kDone : kFailed;
        }
        return ReadAnyModel(session, started, environment);
    }
    if (a.Command == "write") {
        return session.Write().IsDone() ? kDone : kFailed;
    }
    if (a.Command == "verify") {
        std::vector<Difference> differences;
        const Outcome verified = session.Verify(differences);
        if (verified.IsDone()) {
            const std::string notCompared = NotComparedWithRadio(a.Model);
            std::fprintf(stderr, "%s\n%s%s", VerifyResultText(differences.size()).c_str(),
                         notCompared.c_str(), notCompared.empty() ? "" : "\n");
        }
        return CheckedOutput(ComparedStatus(verified, differences));
    }
    return session.Clear().IsDone() ? kDone : kFailed;
}

int CheckedOutput(int status)
{
    std::cout.flush();
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || !std::cout) {
        std::fprintf(stderr, "kelpie-cli: standard output: %s\n", std::strerror(errno != 0 ? errno : EIO));
        return kFailed;
    }
    return status;
}

}  // namespace kelpie
