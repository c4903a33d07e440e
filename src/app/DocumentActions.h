// DocumentActions.h — the main window's document half: New, Open, Save, Save As, Compare With,
// Print, Print Preview, Export PDF, Print to File and the debug hex keys. Each asks what the user
// wants, runs the command's headless half and shows its outcome.
#pragma once

#include <QObject>
#include <QTimer>

#include <vector>

#include "report/Compare.h"

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
    // Saving over the file in use: when it changed on disk since it was opened or last saved, the
    // user is asked whether to replace it.
    bool MayOverwrite(const QString& name);
    // The file folder offered by the file dialogs.
    QString FileFolder() const;

    frmMain& m_window;
    QTimer m_newTimer;
};

}  // namespace kelpie
