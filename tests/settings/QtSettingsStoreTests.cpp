#include "settings/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kelpie {
namespace {

// A hand-written value with commas reads as text, not as a list; a value saved reads back from a
// store opened later, under its own section only.
TEST(QtSettingsStore, ValuesAreKeptPerSectionAndKeyInTheUsersKelpieFileAndReadAsText)
{
    // The per-user configuration of this test process lives in a fresh folder.
    const QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    const QString configFile = QDir(folder.path()).filePath(QStringLiteral("Kelpie/Kelpie.conf"));
    QDir(folder.path()).mkpath(QStringLiteral("Kelpie"));
    {
        QFile file(configFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[IniFilePath]\nIniFileName_4=USA, WEST\n");
    }
    {
        QtSettingsStore store;
        EXPECT_EQ(store.GetSetting("IniFilePath", "IniFileName_4"), "USA, WEST");
        EXPECT_EQ(store.GetSetting("ComPath", "ComNum"), std::nullopt);
        store.SaveSetting("ComPath", "ComNum", "3");
        store.SaveSetting("Settings", "MainLeft", "-15");
        EXPECT_EQ(store.Location(), configFile);
    }
    const QtSettingsStore reopened;
    EXPECT_EQ(reopened.GetSetting("ComPath", "ComNum"), "3");
    EXPECT_EQ(reopened.GetSetting("Settings", "MainLeft"), "-15");
    EXPECT_EQ(reopened.GetSetting("Settings", "ComNum"), std::nullopt);
}

}  // namespace
}  // namespace kelpie
