// frmMain.h — the main window: menus, toolbar, status bar and the page editor; start-up, the model
// and destination, help, and shut-down. The file commands are its document half (DocumentActions),
// the radio commands and the port menu its radio half (RadioActions).
#pragma once

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include <array>
#include <filesystem>

#include "app/HelpWindow.h"
#include "app/StartOptions.h"
#include "app/WindowFileUi.h"
#include "edit/EditHistory.h"
#include "editor/PageEditor.h"
#include "files/DefaultImages.h"
#include "files/SettingsStore.h"
#include "link/Clock.h"
#include "link/SerialPort.h"
#include "model/Models.h"
#include "model/Outcome.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

class DocumentActions;
class RadioActions;

// The page every load and New shows first.
constexpr const char* kGeneralKey = "General";
// The wait after a file operation, so that the user sees it ended.
constexpr int kAfterFileMs = 500;

QString ToQString(const std::filesystem::path& path);

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
    std::filesystem::path DataFolder;     // per-user data: backups, and in debug mode the logs
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
    WindowFileUi& Files() { return m_fileUi; }
    const AppEnvironment& Environment() const { return m_env; }
    DocumentActions& Documents() { return *m_documents; }

    // Reset to a fresh image of ModelIndex; with reload the destination list is rebuilt and the
    // remembered destination's default image loaded. The data is then unchanged.
    void NewImage(bool reload);
    // The editor after the records were replaced by a loaded image.
    void RefreshAfterLoad();

    // The caption: ProductName, two blanks, ProgramTitle, with the data file's name in front, and
    // the unsaved-changes mark while DataChanged is set.
    void SetCaption();
    // The title bar's unsaved-changes mark brought in line with DataChanged.
    void ShowModified();
    // Before the data is replaced: while DataChanged is set, "Save the changes to ...?" with Save,
    // Discard and Cancel. True when the work may go: saved, discarded, or nothing to save.
    bool MayReplaceData();
    // Edit › Model and the start page's question: another model after the page's check and the
    // save question, then SwitchToModel. False when the page or the question kept the data.
    bool ChooseModel(int model);
    // The model stored in the settings, a fresh image of it with its destinations, caption, menu
    // and tree rebuilt; asks nothing.
    void SwitchToModel(int model);
    // The first status-bar panel.
    void ShowStatus(const QString& text);
    // How a command ended, unless it was a plain success: a done command's message in the status
    // bar; a failure's or a cancel's message in a box; the values a load did not take in a box
    // naming the file (subject).
    void ShowOutcome(const Outcome& outcome, const QString& subject);
    // The second status-bar panel: what a write that stopped halfway left in the radio, kept in
    // sight until a complete write.
    void ShowRadioWarning();

    // The destination checked in the Destination menu; empty when none is.
    std::string DestinationName() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Load();
    // The place, size and split the window was closed with; the first time a size that shows the
    // tree's captions and a channel grid whole, within the screen.
    void RestoreLayout();
    void BuildMenus();
    void BuildToolBar();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption);

    // Edit › Undo and Redo: the page's input finished first, then the step taken back or applied
    // again and its page shown with the records as they now are.
    void OnUndoRedo(bool redo);
    // The entries' captions name the next step; disabled when there is none.
    void SyncUndoActions();
    // The caption's title and the checked Edit › Model entry follow ModelIndex.
    void ShowModel();
    void OnDestination(int entry);
    // The help topic of the control (its "helpTopic", or its nearest parent's); none: the overview.
    void OpenHelpFor(QWidget* control);
    void OpenHelpForFocus();
    void OnAbout();

    void SyncDestinationMenu();
    QString ProgramTitle() const { return QString::fromStdString(m_shell.ProgramTitle); }

    AppEnvironment m_env;
    RadioData m_data;
    ShellState m_shell;
    EditHistory m_history;
    WindowFileUi m_fileUi;
    HelpSystem m_help;
    DestinationMenu m_destinations;
    QIcon m_icon;
    DocumentActions* m_documents = nullptr;
    RadioActions* m_radio = nullptr;
    bool m_modifiedCheckDue = false;

    PageEditor* m_editor = nullptr;
    QToolBar* tbToolBar = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QLabel* m_statusPanel = nullptr;
    QLabel* m_radioWarning = nullptr;  // sbStatusBar_2: the radio is only partly programmed

    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    std::array<QAction*, kModelCount> mnuEditModelEntries{};
    QMenu* mnuDestination = nullptr;
    std::array<QAction*, kDestinationEntryCount> mnuDestinationChild{};
};

}  // namespace kelpie
