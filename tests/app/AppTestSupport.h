// AppTestSupport.h — a main window started on a temporary program folder (the supplied default
// images copied in) and in-memory settings, and the helpers the window tests share.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/frmMain.h"
#include "editor/Dialogs.h"

namespace kelpie {

// Per-user settings kept in memory, by "section/key", so that a test never touches the user's.
struct TestSettings : SettingsStore
{
    std::optional<std::string> GetSetting(std::string_view section, std::string_view key) const override
    {
        const auto found = Values.constFind(Key(section, key));
        return found == Values.cend() ? std::nullopt : std::optional(found->toStdString());
    }
    void SaveSetting(std::string_view section, std::string_view key, std::string_view value) override
    {
        Values.insert(Key(section, key),
                      QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    }
    static QString Key(std::string_view section, std::string_view key)
    {
        return QString::fromStdString(std::string(section) + "/" + std::string(key));
    }

    QHash<QString, QString> Values;
};

// A temporary folder, removed with its contents.
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

    frmMain& Start(bool debugMode = false)
    {
        StartOptions options;
        options.DebugMode = debugMode;
        m_window = std::make_unique<frmMain>(
            AppEnvironment{Settings, Program.Path, Program / "data", options, false});
        m_window->show();
        return *m_window;
    }

    frmMain& Window() { return *m_window; }

    QAction* Action(const char* name) const
    {
        QAction* action = m_window->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    // The image holds exactly the bytes of the file.
    ::testing::AssertionResult ImageIs(const std::filesystem::path& file) const
    {
        const QByteArray bytes = FileBytes(file);
        const auto image = m_window->Data().RadioImage.Bytes(0, static_cast<int>(bytes.size()));
        if (!bytes.isEmpty() &&
            std::equal(image.begin(), image.end(), bytes.begin(),
                       [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); })) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "image differs from " << file;
    }

    QString Caption(const QString& fileName = {}) const
    {
        const QString program = QStringLiteral("Kelpie  PC Program for MV230 Series");
        return fileName.isEmpty() ? program : fileName + QStringLiteral(" - ") + program;
    }

    std::vector<QString> ShownTexts() const
    {
        std::vector<QString> texts;
        for (const ShownMessage& shown : Dialogs::Shown()) {
            texts.push_back(shown.text);
        }
        return texts;
    }

    TestFolder Program;
    TestFolder Files;
    TestSettings Settings;

private:
    std::unique_ptr<frmMain> m_window;
};

}  // namespace kelpie
