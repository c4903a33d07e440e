// AppTestSupport.h — a main window started on a temporary program folder holding the supplied
// default images, with settings in memory, and the helpers the window tests share.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

#include "app/frmCompare.h"
#include "app/frmMain.h"
#include "editor/Dialogs.h"
#include "files/DataFileWriter.h"
#include "files/FileAccess.h"
#include "link/LinkTestSupport.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "support/Fakes.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"
#include "support/TempFolder.h"

namespace kelpie {

inline QByteArray FileBytes(const std::filesystem::path& file)
{
    QFile in(QString::fromStdString(file.string()));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

inline QString Name(const std::filesystem::path& file)
{
    return QString::fromStdString(file.string());
}

// The texts of the message boxes shown since the hooks were last reset, in order.
inline QStringList ShownTexts()
{
    QStringList texts;
    for (const ShownMessage& shown : Dialogs::Shown()) {
        texts << shown.text;
    }
    return texts;
}

// A model's reset data with one USA channel named.
inline RadioData WithUsaName(int model, int usaChannel, const std::string& name)
{
    RadioData data = ResetData(model);
    data.UsaChannels[static_cast<std::size_t>(usaChannel)].ChTag = name;
    return data;
}

// The caption without a file, or with the file name part in front; the title bar puts its
// unsaved-changes mark in place of the "[*]".
inline QString Caption(const QString& fileName = {})
{
    const QString program = QStringLiteral("Kelpie  PC Program for MV230[*]");
    return fileName.isEmpty() ? program : fileName + QStringLiteral(" - ") + program;
}

class AppTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Dialogs::ResetHooks();
        for (const auto& entry : std::filesystem::directory_iterator(KELPIE_BIN_DIR)) {
            if (entry.path().extension() == ".ini") {
                std::filesystem::copy_file(entry.path(), Program / entry.path().filename().string());
            }
        }
    }
    void TearDown() override
    {
        m_window.reset();
        Dialogs::ResetHooks();
    }

    frmMain& Start(bool debugMode = false, RadioConnection radio = {})
    {
        StartOptions options;
        options.DebugMode = debugMode;
        m_window = std::make_unique<frmMain>(
            AppEnvironment{Settings, Program.Path, Program / "data", options, false, radio});
        m_window->show();
        return *m_window;
    }

    // Started on the model as a stored choice, so the window does not ask which radio it is.
    frmMain& StartOn(int model, RadioConnection radio = {})
    {
        Settings.SaveSetting("ModelPath", "ModelNum", std::to_string(model));
        return Start(false, radio);
    }

    // An MV230 window with its data saved as the file, then USA 7 named "EDITED"; no box shown yet.
    frmMain& StartEdited(const std::filesystem::path& file, RadioConnection radio = {})
    {
        frmMain& window = StartOn(5, radio);
        Dialogs::ResetHooks();
        TriggerWith("mnuFileSave", file);
        window.Data().UsaChannels[7].ChTag = "EDITED";
        window.Shell().DataChanged = true;
        Dialogs::ResetHooks();
        return window;
    }

    // The data written as a data file of its model, under the name in the files folder.
    std::filesystem::path WriteDataFile(const std::string& name, const RadioData& data) const
    {
        ShellState shell;
        shell.ModelName = ModelNameOf(data.ModelIndex);
        WriteFileAtomically(Files / name, DataFileText(data, shell));
        return Files / name;
    }

    // Runs the command with the file given to the file dialog it shows.
    void TriggerWith(const QString& command, const std::filesystem::path& file,
                     std::source_location where = std::source_location::current()) const
    {
        Dialogs::GiveNextFileName(Name(file));
        Action(command, where)->trigger();
    }

    QAction* Action(const QString& name, std::source_location where = std::source_location::current()) const
    {
        return test::Child<QAction>(*m_window, name, where);
    }

    QString StatusShown() const { return test::Child<QLabel>(*m_window, "sbStatusBar_1")->text(); }

    // The compare window the main window shows now, if any.
    frmCompare* CompareWindow() const { return m_window->findChild<frmCompare*>(); }
    QString CompareSummaryShown() const
    {
        return test::Child<QLabel>(*CompareWindow(), "lblSummary")->text();
    }

    // The image holds exactly the bytes of the file.
    bool ImageIs(const std::filesystem::path& file) const
    {
        const QByteArray bytes = FileBytes(file);
        const auto image = m_window->Data().RadioImage.Bytes(0, static_cast<int>(bytes.size()));
        return !bytes.isEmpty() && QByteArray(reinterpret_cast<const char*>(image.data()),
                                              static_cast<qsizetype>(image.size())) == bytes;
    }

    TempFolder Program;
    TempFolder Files;
    MemorySettingsStore Settings;

private:
    std::unique_ptr<frmMain> m_window;
};

// The main window with a simulated radio of the model on its port, in this process, on a clock that
// costs no real time.
class AppWithRadio : public AppTest
{
protected:
    explicit AppWithRadio(int model = 5) : m_radio(model) {}

    frmMain& StartWithRadio() { return Start(false, {&m_port, &m_clock}); }
    frmMain& StartWithRadioOn(int model) { return StartOn(model, {&m_port, &m_clock}); }

    // The radio's memory holds the data as a program run leaves it, with its model's code.
    void RadioHolds(RadioData data)
    {
        EncodeImage(data);
        test::Holds(m_radio, data.RadioImage);
    }

    // Runs the command and presses a button of the transfer dialog it shows; a dialog the run
    // leaves open is closed, as a user would close it.
    static void Pressing(const char* button, const std::function<void()>& command)
    {
        const test::ModalDriver transfer(
            "frmRadio_102", [button](QWidget& dialog) { test::Child<QPushButton>(dialog, button)->click(); });
        command();
    }
    // Runs the menu command with OK pressed in its transfer dialog.
    void RunTransfer(const char* command)
    {
        Pressing("cmdOK", [&] { Action(command)->trigger(); });
    }

    test::FakeClock m_clock;
    RadioSimulator m_radio;
    SimulatorPort m_port{m_radio, m_clock};
};

}  // namespace kelpie
