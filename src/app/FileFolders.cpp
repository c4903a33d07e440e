#include "app/FileFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "files/ProgramSettings.h"

namespace kelpie {

QString FileFolders::Start() const
{
    const QString last = QString::fromStdString(LastFileFolder(m_settings));
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void FileFolders::Used(const QString& file)
{
    if (!file.isEmpty()) {
        StoreLastFileFolder(m_settings, QFileInfo(file).absolutePath().toStdString());
    }
}

}  // namespace kelpie
