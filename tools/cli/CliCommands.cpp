// CliCommands.cpp — new, convert, listing, read, write, clear-distress and info.
#include "CliCommands.h"

#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <iostream>

#include "ConsoleUi.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "files/DefaultImages.h"
#include "files/FileAccess.h"
#include "files/HexFile.h"
#include "files/ImageFile.h"
#include "link/TransferDialog.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "report/TextImage.h"

namespace kelpie {

namespace {

namespace fs = std::filesystem;

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

enum class FileKind {
    Data,
    Hex,
    DefaultImage,
    Text,
    Unknown
};

FileKind KindOf(const fs::path& file)
{
    const std::string extension = ToUpper(file.extension().string());
    return extension == ".DAT"   ? FileKind::Data
           : extension == ".HEX" ? FileKind::Hex
           : extension == ".INI" ? FileKind::DefaultImage
           : extension == ".TXT" ? FileKind::Text
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
        m_shell.ErrorLogPath = ErrorLogPath().string();
    }

    // The reset of the desktop program's New, then the destination's default image.
    bool NewImage()
    {
        ResetEditModel(m_data);
        const bool named = !m_arguments.Destination.empty();
        const std::string destination = named ? m_arguments.Destination : "USA";
        const std::string name = DefaultImageFileName(ToUpper(destination), m_arguments.Model);
        for (const fs::path& folder : DefaultImageFolders(m_environment.ProgramFolder)) {
            if (const auto file = FindFileIgnoringCase(folder, name)) {
                m_ui.SetSubject(file->string());
                if (!LoadDefaultImage(m_data, m_shell, m_files, *file)) {
                    Error(file->string() + ": IniFileRead Error!!");
                    return false;
                }
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
        m_shell.ErrorFlag = m_shell.CancelFlag = false;
        switch (KindOf(file)) {
            case FileKind::Data:
                FileRead2(m_data, m_shell, m_files, file);
                return !m_shell.ErrorFlag;
            case FileKind::Hex:
                return LoadHexCommand(m_data, m_shell, m_files, file);
            case FileKind::DefaultImage:
                if (!LoadDefaultImage(m_data, m_shell, m_files, file)) {
                    Error(file.string() + ": IniFileRead Error!!");
                    return false;
                }
                return true;
            default:
                return false;
        }
    }

    bool Save(const fs::path& file)
    {
        m_ui.SetSubject(file.string());
        m_shell.ErrorFlag = m_shell.CancelFlag = false;
        switch (KindOf(file)) {
            case FileKind::Data:
                SaveFileAs(m_data, m_shell, m_files, file);
                return !m_shell.ErrorFlag;
            case FileKind::Hex:
                SaveHexCommand(m_data, m_shell, m_files, file);
                return !m_shell.ErrorFlag;
            case FileKind::Text:
                try {
                    SaveTextImage(file, BuildTextImage(m_data));
                    return true;
                } catch (const FileError& e) {
                    Error(file.string() + ": " + e.what());
                    return false;
                }
            default:
                return false;
        }
    }

    std::string Listing() { return BuildTextImage(m_data); }

    // The transfer dialog's run of a mode after OK, on the device.
    bool Transfer(int mode, const std::string& what)
    {
        std::unique_ptr<SerialPort> port = m_environment.OpenPort(m_arguments.Port);
        std::unique_ptr<Clock> clock = m_environment.MakeClock();
        m_shell.TransferMode = mode;
        m_shell.TransferDone = false;
        m_shell.ErrorFlag = m_shell.CancelFlag = false;
        m_ui.SetSubject(m_arguments.Port);
        TransferDialog dialog(*port, m_ui, *clock, m_shell, m_data);
        m_ui.OnInterrupt([&dialog] { dialog.CancelPressed(); });
        dialog.Load();
        const bool done = dialog.OkPressed() && m_shell.TransferDone;
        m_ui.OnInterrupt(nullptr);
        m_ui.FinishProgress(what + (done ? " complete" : m_shell.CancelFlag ? " cancelled" : " failed"));
        return done;
    }

    // A copy of what was just read, so that no radio's contents are lost to a later mistake.
    void KeepBackup()
    {
        char stamp[32];
        const std::time_t now = std::time(nullptr);
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
        const fs::path folder = m_environment.DataFolder / "backups";
        std::error_code ignored;
        fs::create_directories(folder, ignored);
        const fs::path file = folder / (m_shell.ModelName + "-" + stamp + ".hex");
        m_ui.SetSubject(file.string());
        m_shell.ErrorFlag = false;
        SaveHexFileAs(m_data, m_shell, m_files, file);
        if (!m_shell.ErrorFlag) {
            std::fprintf(stderr, "backup of the radio's memory: %s\n", file.string().c_str());
        }
    }

private:
    // err.log goes to the program folder when it can be written, else to the per-user data folder.
    fs::path ErrorLogPath() const
    {
        if (access(m_environment.ProgramFolder.c_str(), W_OK) == 0) {
            return m_environment.ProgramFolder / "err.log";
        }
        std::error_code ignored;
        fs::create_directories(m_environment.DataFolder, ignored);
        return m_environment.DataFolder / "err.log";
    }

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

}  // namespace

int RunCliCommand(const CliArguments& a, const CliEnvironment& environment)
{
    if (a.Command == "info") {
        return Info(a.Input);
    }
    const bool outputOk =
        a.Output.empty() ||
        (a.Command == "listing"   ? CheckKind(a.Output, {FileKind::Text})
         : a.Command == "convert" ? CheckKind(a.Output, {FileKind::Data, FileKind::Hex, FileKind::Text})
                                  : CheckKind(a.Output, {FileKind::Data, FileKind::Hex}));
    const bool inputOk =
        a.Input.empty() ||
        (a.Command == "write" ? CheckKind(a.Input, {FileKind::Data, FileKind::Hex})
                              : CheckKind(a.Input, {FileKind::Data, FileKind::Hex, FileKind::DefaultImage}));
    if (!outputOk || !inputOk) {
        return kUsage;
    }

    Session session(a, environment);
    if (!session.NewImage()) {
        return kFailed;
    }
    if (!a.Input.empty() && !session.Load(a.Input)) {
        return kFailed;
    }
    if (a.Command == "new" || a.Command == "convert") {
        return session.Save(a.Output) ? kDone : kFailed;
    }
    if (a.Command == "listing") {
        if (!a.Output.empty()) {
            return session.Save(a.Output) ? kDone : kFailed;
        }
        std::cout << session.Listing() << "\r\n";
        return kDone;
    }
    if (a.Command == "read") {
        if (!session.Transfer(kTransferRead, "read")) {
            return kFailed;
        }
        session.KeepBackup();
        return session.Save(a.Output) ? kDone : kFailed;
    }
    if (a.Command == "write") {
        return session.Transfer(kTransferProgram, "write") ? kDone : kFailed;
    }
    return session.Transfer(kTransferClearDistress, "clear") ? kDone : kFailed;
}

}  // namespace kelpie
