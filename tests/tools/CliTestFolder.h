// CliTestFolder.h — a kelpie-cli test with a fresh folder of its own for its files and per-user data.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "CliProcess.h"
#include "support/TempFolder.h"

namespace kelpie::test {

class CliTestFolder : public ::testing::Test
{
protected:
    std::filesystem::path File(const std::string& name) const { return m_folder / name; }
    CliResult Run(const std::vector<std::string>& arguments) const { return RunCli(arguments, m_folder); }

    TempFolder m_home;
    const std::filesystem::path m_folder = m_home.Path;
};

}  // namespace kelpie::test
