#include "settings/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kelpie {
namespace {

// Points the per-user configuration of this test process at a fresh folder.
class QtSettingsStoreTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
    }

    QString ConfigFile() const
    {
        return QDir(m_folder.path()).filePath(QStringLiteral("Kelpie/Kelpie.conf"));
    }

    QTemporaryDir m_folder;
};

// A hand-written value with commas reads as text, not as a list.
TEST_F(QtSettingsStoreTest, ValuesAreKeptPerSectionAndKeyInTheUsersKelpieFileAndReadAsText)
{
    QDir(m_folder.path()).mkpath(QStringLiteral("Kelpie"));
    {
        QFile file(ConfigFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[IniFilePath]\nIniFileName_4=USA, WEST\n");
    }
    {
        QtSettingsStore store;
        EXPECT_EQ(store.GetSetting("IniFilePath", "IniFileName_4"), "USA, WEST");
        EXPECT_EQ(store.GetSetting("ComPath", "ComNum"), std::nullopt);
        store.SaveSetting("ComPath", "ComNum", "3");
        store.SaveSetting("IniFilePath", "IniFileName_5", "CANADA");
        store.SaveSetting("Settings", "MainLeft", "-15");
        EXPECT_EQ(store.Location(), ConfigFile());
    }
    const QtSettingsStore reopened;
    EXPECT_EQ(reopened.GetSetting("ComPath", "ComNum"), "3");
    EXPECT_EQ(reopened.GetSetting("IniFilePath", "IniFileName_5"), "CANADA");
    EXPECT_EQ(reopened.GetSetting("Settings", "MainLeft"), "-15");
    EXPECT_EQ(reopened.GetSetting("Settings", "ComNum"), std::nullopt);

    QSettings file(ConfigFile(), QSettings::IniFormat);
    EXPECT_EQ(file.value(QStringLiteral("ComPath/ComNum")).toString(), QStringLiteral("3"));
}

}  // namespace
}  // namespace kelpie
