// CliTestFolder.h — a kelpie-cli test with a fresh folder of its own for its files and per-user data.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "CliInProcess.h"
#include "CliProcess.h"
#include "files/FileTestSupport.h"
#include "support/TempFolder.h"

namespace kelpie::test {

using testing::HasSubstr;

class CliTestFolder : public ::testing::Test
{
protected:
    std::filesystem::path File(const std::string& name) const { return m_folder / name; }
    // The command in this process; Exe runs the built executable.
    CliResult Run(const std::vector<std::string>& arguments) const
    {
        return RunInProcess(arguments, m_folder);
    }
    CliResult Exe(const std::vector<std::string>& arguments) const { return RunCli(arguments, m_folder); }
    // A fresh data file or hex image of the model, by the name's extension.
    std::filesystem::path New(int model, const std::string& name) const
    {
        const CliResult result = Run({"new", "--model", std::to_string(model), "-o", File(name)});
        EXPECT_EQ(result.ExitCode, 0) << result.Err;
        return File(name);
    }
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const
    {
        WriteFileText(File(name), bytes);
        return File(name);
    }

    TempFolder m_home;
    const std::filesystem::path m_folder = m_home.Path;
};

}  // namespace kelpie::test
