// What a TObexUnit needs around it in a test: the program's common data (for the catalog
// texts, with its profile and lock folders inside a scratch folder) and a log that remembers
// every change made to it.
#pragma once

#include "app/CommonData.h"
#include "app/ProgramFile.h"
#include "tests/app/TestSeam.h"
#include "transfer/ObexLog.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

class RecordingLog : public ObexLog
{
public:
    QStringList lines;
    QStringList events; // "+text" for an added line, "=text" for a rewrite of the last one
    void AddLine(const QString& line) override
    {
        lines.append(line);
        events.append("+" + line);
    }
    void RewriteLastLine(const QString& line) override
    {
        lines.last() = line;
        events.append("=" + line);
    }
};

// A scratch folder that stands in for the user's configuration and runtime folders, so that the
// family profile files of a test never touch the real ones. Set up once per test binary.
inline const std::filesystem::path& SessionHome()
{
    static const std::filesystem::path home = [] {
        const auto path =
            std::filesystem::temp_directory_path() / ("kelpset-transfer-" + std::to_string(getpid()));
        std::filesystem::create_directories(path / "seaglass");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all); // private, as a runtime folder
        // Removed when the test program ends; the name is kept where no destructor reaches it.
        static char scratch[4096];
        std::snprintf(scratch, sizeof scratch, "%s", path.c_str());
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(scratch, ec);
        });
        setenv("XDG_CONFIG_HOME", path.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", path.c_str(), 1);
        setenv("LANG", "C", 1);
        unsetenv("LC_ALL");
        unsetenv("LC_MESSAGES");
        return path;
    }();
    return home;
}

// Creates the common data once per test binary, for the catalog texts in English. Its program
// folder (and so its work folder) lies in the scratch folder; its notices are answered by a seam.
inline void EnsureCommonData()
{
    if (ReefCommonData != nullptr)
        return;
    static TestSeam seam;
    const auto program = SessionHome() / "program";
    std::filesystem::create_directories(program);
    setProgramFileOverride((program / "kelpset").string());
    ReefCommonData = new CommonData(11);
}
