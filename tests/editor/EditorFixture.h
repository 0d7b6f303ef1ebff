// A main window built in a scratch configuration home, with a recording seam.
#pragma once

#include "app/CommonData.h"
#include "editor/TFormPGM.h"
#include "tests/editor/ScriptedSeam.h"
#include "tests/platform/temp_config.h"

#include <memory>

class EditorFixture : public TempConfigTest
{
protected:
    void SetUp() override
    {
        TempConfigTest::SetUp();
        std::filesystem::create_directories(root_ / "program %s%n");
    }
    void TearDown() override
    {
        window.reset();
        TempConfigTest::TearDown();
    }

    TFormPGM& makeWindow()
    {
        window = std::make_unique<TFormPGM>();
        // A notice the common data may show at start (no help viewer) is not the editor's.
        seam.boxes.clear();
        return *window;
    }

    // The folder the chooser looks for samples in.
    // Its name holds format characters, which must reach the file system as they are.
    std::string useScratchProgramFolder()
    {
        ReefCommonData->programDir = (root_ / "program %s%n").string() + "/";
        return ReefCommonData->programDir;
    }

    ScriptedSeam seam;
    std::unique_ptr<TFormPGM> window;
};
