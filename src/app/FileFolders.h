// FileFolders.h — where the file dialogs start: the user's documents folder the first time, then
// the folder of the file last chosen in any of them, kept in the settings; never the program's
// folder.
#pragma once

#include <QString>

#include "files/SettingsStore.h"

namespace kelpie {

class FileFolders
{
public:
    explicit FileFolders(SettingsStore& settings) : m_settings(settings) {}

    // The folder last used while it still exists, else the documents folder (the home folder where
    // the system names none).
    QString Start() const;
    // A file was chosen: its folder is where the next dialog starts.
    void Used(const QString& file);

private:
    SettingsStore& m_settings;
};

}  // namespace kelpie
