// DocumentActions.h — the main window's document half: New, Open, Save, Save As, Compare With,
// Print, Print Preview, Export PDF, Print to File, Recent Files and the debug hex keys. Each asks
// what the user wants, runs the command's headless half and shows its outcome.
#pragma once

#include <QObject>
#include <QTimer>

#include <vector>

#include "app/FileFolders.h"
#include "report/Compare.h"

class QMenu;

namespace kelpie {

class frmMain;

class DocumentActions : public QObject
{
    Q_OBJECT
public:
    explicit DocumentActions(frmMain& window);

    // New checks the page input, then resets after a short timer.
    void OnNew();
    void OnOpen();
    // File › Recent Files: the data files last opened or saved, newest first, and Clear List.
    void SetRecentMenu(QMenu* menu);
    // Opens a recent file as Open does; a file no longer there leaves the list with a message.
    void OnOpenRecent(const QString& name);
    // Save (current: under CurrentFileName when there is one) and Save As, in the format the name's
    // extension says. True when the file was written.
    bool SaveData(bool current);
    // Loads a file into a copy of the data, never into the data itself, and lists the differences.
    void OnCompareWith();
    void OnPrint();
    void OnPrintPreview();
    void OnExportPdf();
    void OnPrintToFile();
    void OnSaveHex();
    void OnLoadHex();

    // The compare window for the differences, in place of any earlier one.
    void ShowCompare(const std::vector<Difference>& differences, const QString& otherSide, bool radio);

private:
    // A data file written for another model: names that model and, on Yes, switches to it. False
    // when the file stays unopened.
    bool MayOpenForItsModel(const QString& name);
    void RunNew();
    void OpenFile(const QString& name);
    // The file joins the front of Recent Files (a hex image does not: Open does not take it).
    void RememberFile(const QString& name);
    void FillRecentMenu();
    // Saving over the file in use: when it changed on disk since it was opened or last saved, the
    // user is asked whether to replace it.
    bool MayOverwrite(const QString& name);
    frmMain& m_window;
    FileFolders m_folders;
    QMenu* m_recentMenu = nullptr;
    QTimer m_newTimer;
};

}  // namespace kelpie
