// frmMain.h — the main window: menus, toolbar, status bar and the page editor; start-up, the
// commands of the menus, toolbar and hidden keys, and shut-down.
#pragma once

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <array>
#include <filesystem>

#include "app/HelpWindow.h"
#include "app/StartOptions.h"
#include "app/WindowFileUi.h"
#include "editor/PageEditor.h"
#include "files/DefaultImages.h"
#include "files/SettingsStore.h"
#include "link/Clock.h"
#include "link/PortDevices.h"
#include "link/SerialPort.h"
#include "link/Verify.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

// The radio end of a transfer: the port and the clock its waits run on. Tests give a simulated
// radio; when empty, the serial port of CommPort (or --port) on the real clock.
struct RadioConnection
{
    SerialPort* Port = nullptr;
    kelpie::Clock* Clock = nullptr;
};

// What a run of the window is given from outside.
struct AppEnvironment
{
    SettingsStore& Settings;              // the per-user settings
    std::filesystem::path ProgramFolder;  // default images, help file, icon (then ../share/kelpie)
    std::filesystem::path DataFolder;     // per-user data: err.log when the program folder is read-only
    StartOptions Options;
    bool Pauses = true;  // the waits after file operations; tests run without them
    RadioConnection Radio{};
};

class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    // Runs the load: settings, tables, the default image of the remembered destination, the page
    // tree with "General" shown. The window is enabled and ready when the constructor returns.
    explicit frmMain(const AppEnvironment& environment, QWidget* parent = nullptr);
    // The editor holds the records by reference: it goes before they do.
    ~frmMain() override;

    RadioData& Data() { return m_data; }
    ShellState& Shell() { return m_shell; }
    PageEditor& Editor() { return *m_editor; }
    HelpSystem& Help() { return m_help; }

    // Reset to a fresh image of ModelIndex; with reload the destination list is rebuilt and the
    // remembered destination's default image loaded.
    void NewImage(bool reload);

    // Save (current: under CurrentFileName when there is one) and Save As. True when the file was
    // written.
    bool SaveData(bool current);

    // The caption: ProductName, two blanks, ProgramTitle, with the data file's name in front.
    void SetCaption();

    // Clears the radio's distress log through the transfer dialog; the DSC page's clear button.
    // True when the radio's log was cleared.
    bool ClearDistressLog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Load();
    void BuildMenus();
    void BuildToolBar();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption);

    void OnNew();
    void RunNew();
    void OnOpen();
    void OnModelSwitch();
    void OnDestination(int entry);
    void SelectCommPort(int entry, bool store);
    void OnAssignPortDevice();
    void OnSaveHex();
    void OnLoadHex();
    // The help topic of the control (its "helpTopic", or its nearest parent's); none: the overview.
    void OpenHelpFor(QWidget* control);
    void OpenHelpForFocus();
    void OnAbout();
    // The first status-bar panel.
    void ShowStatus(const QString& text);
    void OnProgram();
    void OnRead();
    // Reads the radio into a separate image and lists how it differs from what a program run of
    // the data sends; the data being edited never changes.
    void OnVerify();
    // Loads a file into a copy of the data, never into the data itself, and lists the differences.
    void OnCompareWith();
    // The copy loaded from a ".dat", ".hex" or default-image ".ini" file through its own loader; false
    // when the loader refused it (and said why).
    bool LoadForCompare(RadioData& other, const QString& fileName);
    // The compare window for the differences, in place of any earlier one.
    void ShowCompare(const std::vector<Difference>& differences, const QString& otherSide, bool radio);
    // Keeps what a read brought from the radio in the per-user backups folder and tells the
    // status bar, after "<what> complete".
    void KeepReadBackup(const RadioData& read, const QString& what);
    void OnPrint();
    void OnPrintPreview();
    void OnExportPdf();
    void OnPrintToFile();
    // Shows the transfer dialog for a mode; true when its run completed. A verify's findings go to
    // verified.
    bool RunTransfer(int mode, VerifyOutcome* verified = nullptr);
    std::string DestinationName() const;

    void SyncDestinationMenu();
    void SyncPortMenu();
    void RefreshAfterLoad();
    QString FileFolder() const;
    QString ProgramTitle() const { return QString::fromStdString(m_shell.ProgramTitle); }

    AppEnvironment m_env;
    RadioData m_data;
    ShellState m_shell;
    WindowFileUi m_fileUi;
    HelpSystem m_help;
    DestinationMenu m_destinations;
    PortDevices m_ports;
    QIcon m_icon;
    QTimer m_newTimer;

    PageEditor* m_editor = nullptr;
    QToolBar* tbToolBar = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QLabel* m_statusPanel = nullptr;
    QLabel* m_radioWarning = nullptr;  // sbStatusBar_2: the radio is only partly programmed

    std::array<QAction*, 4> mnuEditModelEntries{};
    QMenu* mnuDestination = nullptr;
    std::array<QAction*, kDestinationEntryCount> mnuDestinationChild{};
    std::array<QAction*, kComPortCount> mnuOptionsSerialPort1{};
    QAction* mnuOptionsSerialPortDevice = nullptr;
};

}  // namespace kelpie
