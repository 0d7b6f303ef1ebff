// A scratch world for one test of the program's windows: a program folder and its program
// file path, a configuration home, a runtime folder for the family lock, and a chosen locale,
// all under one temporary folder removed afterwards. Nothing reaches the real home or the
// build tree.
#pragma once

#include "app/ProgramFile.h"
#include "tests/app/TestSeam.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>

class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(root_.empty());
        std::filesystem::create_directories(programDir());
        std::filesystem::create_directories(root_ / "runtime");
        setEnv("XDG_CONFIG_HOME", (root_ / "config").string());
        setEnv("XDG_RUNTIME_DIR", (root_ / "runtime").string());
        useLocale("en_US.UTF-8");
        setProgramFileOverride((programDir() / "kelpset").string());
    }

    void TearDown() override
    {
        setProgramFileOverride({});
        for (const auto& [name, value] : savedEnv_) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }

    // The locale the program reads from the environment (LC_ALL wins over the others).
    void useLocale(const std::string& name) { setEnv("LC_ALL", name); }

    void setEnv(const std::string& name, const std::string& value)
    {
        if (!savedEnv_.count(name)) {
            const char* old = std::getenv(name.c_str());
            savedEnv_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        ::setenv(name.c_str(), value.c_str(), 1);
    }

    std::filesystem::path programDir() const { return root_ / "program"; }
    std::filesystem::path familyFile(const std::string& name) const
    {
        return root_ / "config/seaglass" / name;
    }

    static void writeFile(const std::filesystem::path& path, const std::string& bytes)
    {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string readFile(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    TestSeam seam;
    TempDir temp_{"kelpset-app"};
    const std::filesystem::path root_ = temp_.path();

private:
    std::map<std::string, std::optional<std::string>> savedEnv_;
};
