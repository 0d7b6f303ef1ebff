#include "editor/ClickableImage.h"
#include "editor/SamplePlayer.h"
#include "editor/TFormAlarmChoose.h"
#include "tests/editor/EditorFixture.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

class AlarmChooser : public EditorFixture
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        makeWindow();
        const std::string program = useScratchProgramFolder();
        // Samples for every sound but 5 (the file of sound 4).
        for (int n = 1; n <= 15; ++n) {
            if (n != 5)
                writeFile(program + "SAMPLE/AL" + std::to_string(n) + ".WAV", "RIFF");
        }
        setSamplePlayer([this](const std::string& path) { played.push_back(path); });
    }
    void TearDown() override
    {
        setSamplePlayer(nullptr);
        EditorFixture::TearDown();
    }

    std::string sample(int number) const
    {
        return ReefCommonData->programDir + "SAMPLE/AL" + std::to_string(number) + ".WAV";
    }

    static void clickImage(ClickableImage* image) { QTest::mouseClick(image, Qt::LeftButton); }

    std::vector<std::string> played;
};

TEST_F(AlarmChooser, NothingSelectedMeansNoOkAndNoPlay)
{
    TFormAlarmChoose chooser(window.get());
    EXPECT_EQ(chooser.SelectedSound(), -1);
    EXPECT_FALSE(chooser.BtnOk->isEnabled());
    EXPECT_FALSE(chooser.MediaPlayer->isEnabled());
    EXPECT_EQ(chooser.windowTitle(), "Select Alarm Sound");
    EXPECT_EQ(chooser.size(), QSize(453, 188));
    EXPECT_TRUE(chooser.RdoBeep01->text().isEmpty());
    EXPECT_EQ(chooser.RdoBeep01->width(), 24);
}

TEST_F(AlarmChooser, PreselectionFoldsUnknownNumbersToZero)
{
    struct Case
    {
        int requested, selected;
        bool canPlay;
    };
    for (const Case c : {Case{16, 0, true}, Case{-1, 0, true}, Case{15, 15, false}, Case{7, 7, true}}) {
        TFormAlarmChoose chooser(window.get());
        chooser.SetSelectedSound(c.requested);
        EXPECT_EQ(chooser.SelectedSound(), c.selected) << c.requested;
        EXPECT_TRUE(chooser.BtnOk->isEnabled()) << c.requested;
        EXPECT_EQ(chooser.MediaPlayer->isEnabled(), c.canPlay) << c.requested;
    }
    EXPECT_TRUE(seam.boxes.empty());
}

TEST_F(AlarmChooser, MissingSampleWarnsOnceAndStillAllowsOk)
{
    TFormAlarmChoose chooser(window.get());
    chooser.RdoBeep05->click();
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, "File can't open");
    EXPECT_EQ(seam.boxes[0].caption, "Kelpset");
    EXPECT_TRUE(chooser.BtnOk->isEnabled());
    EXPECT_FALSE(chooser.MediaPlayer->isEnabled());
    EXPECT_TRUE(chooser.OpenedSample().empty());

    TFormAlarmChoose preselected(window.get());
    preselected.SetSelectedSound(4);
    EXPECT_EQ(seam.boxes.size(), 2u);
}

TEST_F(AlarmChooser, ClickingAPictureSelectsItsSoundAndOpensItsSample)
{
    TFormAlarmChoose chooser(window.get());
    clickImage(chooser.ImgBeep10);
    EXPECT_TRUE(chooser.RdoBeep10->isChecked());
    EXPECT_EQ(chooser.OpenedSample(), sample(10));
    EXPECT_TRUE(chooser.MediaPlayer->isEnabled());

    clickImage(chooser.ImgBeep05); // the missing sample, chosen by its picture
    EXPECT_TRUE(chooser.RdoBeep05->isChecked());
    EXPECT_EQ(seam.boxes.size(), 1u);
}

TEST_F(AlarmChooser, PlayingDisablesPlayUntilTheSelectionIsRefreshed)
{
    TFormAlarmChoose chooser(window.get());
    chooser.SetSelectedSound(0);
    chooser.MediaPlayer->click();
    EXPECT_EQ(played, std::vector<std::string>{sample(1)});
    EXPECT_FALSE(chooser.MediaPlayer->isEnabled());

    clickImage(chooser.ImgBeep01); // the selected sound's own picture
    EXPECT_TRUE(chooser.MediaPlayer->isEnabled());
    chooser.MediaPlayer->click();
    EXPECT_EQ(played.size(), 2u);
}

TEST_F(AlarmChooser, OkCancelAndEscapeGiveTheirResults)
{
    TFormAlarmChoose chooser(window.get());
    chooser.SetSelectedSound(3);
    chooser.BtnOk->click();
    EXPECT_EQ(chooser.result(), MrOk);
    chooser.BtnCancel->click();
    EXPECT_EQ(chooser.result(), MrCancel);
    chooser.setResult(0);
    QTest::keyClick(&chooser, Qt::Key_Escape);
    EXPECT_EQ(chooser.result(), MrCancel);
}

TEST_F(AlarmChooser, TheSixteenPicturesAreLoadedAndDistinct)
{
    TFormAlarmChoose chooser(window.get());
    std::vector<QImage> seen;
    for (int n = 0; n < TFormAlarmChoose::kSoundCount; ++n) {
        const QImage image = chooser.SoundPicture(n).toImage();
        ASSERT_EQ(image.size(), QSize(50, 25)) << n;
        for (const QImage& other : seen)
            EXPECT_NE(image, other) << n;
        seen.push_back(image);
    }
}

} // namespace
