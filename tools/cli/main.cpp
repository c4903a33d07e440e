// kelpie-cli — every operation of Kelpie without the window: new image, conversions, listing,
// printed listing, radio read and write, distress-log clear, file information.
#include <QGuiApplication>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

#include "CliCommands.h"
#include "ConsoleUi.h"
#include "serial/QtSerialPort.h"
#include "serial/SteadyClock.h"

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    const auto parsed = kelpie::ParseCliArguments(arguments, error);
    // A command that talks to the radio takes Ctrl+C as its Cancel from the start: one pressed
    // while the files load still cancels the run before anything is sent.
    if (parsed && !parsed->Port.empty()) {
        kelpie::InstallInterruptHandler();
    }
    // The printed pages need fonts and a paint engine: a GUI application, on the platform that
    // draws without a display. The other commands need no more than the core application.
    std::unique_ptr<QCoreApplication> application;
    if (parsed && parsed->Command == "print" && !parsed->Help) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(u"Kelpie"_s);

    if (!parsed) {
        std::fprintf(stderr, "kelpie-cli: %s\n%s", error.c_str(), kelpie::CliUsage("").c_str());
        return 2;
    }
    if (parsed->Version) {
        std::printf("kelpie-cli %s\n", KELPIE_VERSION);
        return kelpie::CheckedOutput(0);
    }
    if (parsed->Help) {
        std::printf("%s", kelpie::CliUsage(parsed->Command).c_str());
        return kelpie::CheckedOutput(0);
    }

    kelpie::CliEnvironment environment;
    environment.ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
    environment.DataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    environment.OpenPort = [](const std::string& device) {
        kelpie::PortDevices devices;
        devices.Override = device;
        return std::make_unique<kelpie::QtSerialPort>(devices);
    };
    environment.MakeClock = [] { return std::make_unique<kelpie::SteadyClock>(); };
    return kelpie::RunCliCommand(*parsed, environment);
}
