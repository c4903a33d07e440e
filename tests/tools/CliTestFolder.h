// CliTestFolder.h — a kelpie-cli test with a fresh folder of its own for its files and per-user data.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "CliProcess.h"

namespace kelpie::test {

class CliTestFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps apart runs of the same test at the same time on one machine.
        m_folder = std::filesystem::temp_directory_path() /
                   ("kelpie-cli-" + std::string(test->name()) + "-" + std::to_string(getpid()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::filesystem::path File(const std::string& name) const { return m_folder / name; }
    CliResult Run(const std::vector<std::string>& arguments) const { return RunCli(arguments, m_folder); }

    std::filesystem::path m_folder;
};

}  // namespace kelpie::test
