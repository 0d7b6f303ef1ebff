// A main window built in the scratch world of the application fixture (program folder,
// configuration home, locale), with the recording seam.
#pragma once

#include "app/CommonData.h"
#include "editor/TFormPGM.h"
#include "tests/app/AppFixture.h"

#include <memory>

class EditorFixture : public AppFixture
{
protected:
    void TearDown() override
    {
        window.reset();
        AppFixture::TearDown();
    }

    TFormPGM& makeWindow()
    {
        window = std::make_unique<TFormPGM>();
        // A notice the common data may show at start (no help viewer) is not the editor's.
        seam.boxes.clear();
        return *window;
    }

    // A program folder whose name holds format characters, which must reach the file
    // system as they are.
    std::string useScratchProgramFolder()
    {
        const std::filesystem::path folder = root_ / "program %s%n";
        std::filesystem::create_directories(folder);
        ReefCommonData->programDir = folder.string() + "/";
        return ReefCommonData->programDir;
    }

    std::unique_ptr<TFormPGM> window;
};
