// AppTestSupport.h — a main window started on a temporary program folder holding the supplied
// default images, with settings in memory, and the helpers the window tests share.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/frmCompare.h"
#include "app/frmMain.h"
#include "editor/Dialogs.h"

namespace kelpie {

// Settings by "section/key", never the user's.
struct TestSettings : SettingsStore
{
    std::optional<std::string> GetSetting(std::string_view section, std::string_view key) const override
    {
        const auto found = Values.constFind(Key(section, key));
        return found == Values.cend() ? std::nullopt : std::optional(found->toStdString());
    }
    void SaveSetting(std::string_view section, std::string_view key, std::string_view value) override
    {
        Values.insert(Key(section, key), QString::fromStdString(std::string(value)));
    }
    static QString Key(std::string_view section, std::string_view key)
    {
        return QString::fromStdString(std::string(section) + "/" + std::string(key));
    }
    QHash<QString, QString> Values;
};

struct TestFolder
{
    QTemporaryDir Dir;
    std::filesystem::path Path = Dir.path().toStdString();
    std::filesystem::path operator/(const std::string& name) const { return Path / name; }
};

inline QByteArray FileBytes(const std::filesystem::path& file)
{
    QFile in(QString::fromStdString(file.string()));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

inline QString Name(const std::filesystem::path& file)
{
    return QString::fromStdString(file.string());
}

// The caption without a file, or with the file name part in front.
inline QString Caption(const QString& fileName = {})
{
    const QString program = QStringLiteral("Kelpie  PC Program for MV230 Series");
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

    QAction* Action(const QString& name) const
    {
        QAction* action = m_window->findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name.toStdString();
        return action;
    }

    // The compare window the main window shows now, if any.
    frmCompare* CompareWindow() const { return m_window->findChild<frmCompare*>(); }
    QString CompareSummaryShown() const { return CompareWindow()->findChild<QLabel*>("lblSummary")->text(); }

    // The image holds exactly the bytes of the file.
    bool ImageIs(const std::filesystem::path& file) const
    {
        const QByteArray bytes = FileBytes(file);
        const auto image = m_window->Data().RadioImage.Bytes(0, static_cast<int>(bytes.size()));
        return !bytes.isEmpty() &&
               std::equal(image.begin(), image.end(), bytes.begin(),
                          [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
    }

    TestFolder Program;
    TestFolder Files;
    TestSettings Settings;

private:
    std::unique_ptr<frmMain> m_window;
};

}  // namespace kelpie
