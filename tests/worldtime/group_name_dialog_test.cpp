#include "app/CommonData.h"
#include "tests/app/AppFixture.h"
#include "worldtime/TFormCityMod.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

TEST(GroupNameRules, FirstExactMatchInListOrder)
{
    const QStringList inUse{QStringLiteral("ASIA"), QStringLiteral("EUROPE"), QStringLiteral("ASIA")};
    const struct
    {
        const char* name;
        int found;
    } cases[] = {{"ASIA", 0}, {"EUROPE", 1}, {"Asia", -1}, {"ASIA ", -1}, {"", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(FindGroupNameInUse(QString::fromUtf8(c.name), inUse), c.found) << c.name;
}

class GroupNameDialog : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        common = std::make_unique<CommonData>(11);
        ReefCommonData = common.get();
        seam.boxes.clear();
        dialog = std::make_unique<TFormCityMod>(nullptr, inUse);
    }
    void TearDown() override
    {
        dialog.reset();
        ReefCommonData = nullptr;
        common.reset();
        AppFixture::TearDown();
    }

    const QStringList inUse{QStringLiteral("ASIA"), QStringLiteral("EUROPE")};
    std::unique_ptr<CommonData> common;
    std::unique_ptr<TFormCityMod> dialog;
};

TEST_F(GroupNameDialog, StartsEmptyWithCaptionsAndOkDisabled)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Group"));
    EXPECT_EQ(dialog->LblEx1->text(), QString());
    EXPECT_EQ(dialog->LblEx2->text(), QStringLiteral("Input name of new Location group."));
    EXPECT_EQ(dialog->EdtCity->text(), QString());
    EXPECT_FALSE(dialog->BtnOk->isEnabled());
    EXPECT_TRUE(dialog->BtnCancel->isEnabled());
}

TEST_F(GroupNameDialog, OkFollowsWhetherANameIsTyped)
{
    QTest::keyClicks(dialog->EdtCity, QStringLiteral("P"));
    EXPECT_TRUE(dialog->BtnOk->isEnabled());
    QTest::keyClick(dialog->EdtCity, Qt::Key_Backspace);
    EXPECT_FALSE(dialog->BtnOk->isEnabled());
}

TEST_F(GroupNameDialog, AtMostTwentyCharactersCanBeTyped)
{
    QTest::keyClicks(dialog->EdtCity, QStringLiteral("ABCDEFGHIJKLMNOPQRSTU"));
    EXPECT_EQ(dialog->EdtCity->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
}

TEST_F(GroupNameDialog, ANameInUseIsRefusedAndTheDialogStaysOpen)
{
    dialog->show();
    dialog->EdtCity->setText(QStringLiteral("ASIA"));
    dialog->BtnOk->click();
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, QStringLiteral("This name is already used."));
    EXPECT_EQ(seam.boxes[0].caption, QStringLiteral("Kelpset"));
    EXPECT_EQ(seam.boxes[0].owner, dialog.get());
    EXPECT_TRUE(dialog->isVisible());

    dialog->EdtCity->setText(QStringLiteral("Asia"));
    dialog->BtnOk->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), int(MrOk));
    EXPECT_EQ(seam.boxes.size(), 1u);
}

TEST_F(GroupNameDialog, CancelEscapeAndCloseBoxGiveCancel)
{
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        dialog->setResult(0);
        dialog->show();
        if (way == 0)
            dialog->BtnCancel->click();
        else if (way == 1)
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            dialog->close();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), int(MrCancel));
    }
}

TEST_F(GroupNameDialog, NoCancelFormEndsOnlyWithAnAcceptedName)
{
    dialog->SetNoCancel();
    dialog->show();
    EXPECT_FALSE(dialog->BtnCancel->isEnabled());
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);

    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());

    dialog->EdtCity->setText(QStringLiteral("PACIFIC"));
    dialog->BtnOk->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), int(MrOk));
}

TEST_F(GroupNameDialog, JapaneseCaptions)
{
    dialog.reset();
    common.reset();
    useLocale("ja_JP.UTF-8");
    common = std::make_unique<CommonData>(11);
    ReefCommonData = common.get();
    dialog = std::make_unique<TFormCityMod>(nullptr, inUse);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("都市群編集"));
    EXPECT_EQ(dialog->LblEx2->text(), QStringLiteral("新しい都市群名を入力してください。"));
}

} // namespace
