#include "app/CommonData.h"
#include "tests/app/AppFixture.h"
#include "worldtime/TFormCityMod.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

TEST(GroupNameRules, NameMustBeShortNonEmptyAndNotInUse)
{
    const QStringList inUse{"ASIA", "EUROPE"};
    const struct
    {
        QString name;
        GroupNameCheck expected;
    } cases[] = {
        {"", GroupNameCheck::Empty},
        {"ASIA", GroupNameCheck::InUse},
        {"EUROPE", GroupNameCheck::InUse},
        {"Asia", GroupNameCheck::Accepted}, // compared exactly, case included
        {"ASIA ", GroupNameCheck::Accepted},
        {QString(20, QChar('x')), GroupNameCheck::Accepted},
        {QString(21, QChar('x')), GroupNameCheck::TooLong},
        {QString::fromUtf8("アジア"), GroupNameCheck::Accepted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(CheckGroupName(c.name, inUse), c.expected);
    }
}

class GroupNameDialog : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        makeCommonData();
    }
    void TearDown() override
    {
        ReefCommonData = nullptr;
        common_.reset();
        AppFixture::TearDown();
    }

    // Without help pages the program tells so once at start; only the dialog's boxes matter here.
    void makeCommonData()
    {
        ReefCommonData = nullptr;
        common_ = std::make_unique<CommonData>(11);
        ReefCommonData = common_.get();
        seam.boxes.clear();
    }

    const QStringList inUse_{"ASIA", "EUROPE"};
    std::unique_ptr<CommonData> common_;
};

TEST_F(GroupNameDialog, CaptionsComeFromTheCatalogAndOkFollowsTheEdit)
{
    TFormCityMod dialog(nullptr, inUse_);
    EXPECT_EQ(dialog.windowTitle(), "Group");
    EXPECT_EQ(dialog.LblEx1->text(), "");
    EXPECT_EQ(dialog.LblEx2->text(), "Input name of new Location group.");
    EXPECT_EQ(dialog.BtnOk->text(), "OK");
    EXPECT_EQ(dialog.BtnCancel->text(), "Cancel");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("EdtCity"), dialog.EdtCity);

    EXPECT_FALSE(dialog.BtnOk->isEnabled());
    QTest::keyClicks(dialog.EdtCity, "A");
    EXPECT_TRUE(dialog.BtnOk->isEnabled());
    QTest::keyClick(dialog.EdtCity, Qt::Key_Backspace);
    EXPECT_FALSE(dialog.BtnOk->isEnabled());

    QTest::keyClicks(dialog.EdtCity, "ABCDEFGHIJKLMNOPQRSTU");
    EXPECT_EQ(dialog.EdtCity->text(), "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(GroupNameDialog, JapaneseInterfaceUsesTheJapaneseRows)
{
    useLocale("ja_JP.UTF-8");
    makeCommonData();

    TFormCityMod dialog(nullptr, inUse_);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("都市群編集"));
    EXPECT_EQ(dialog.BtnCancel->text(), QString::fromUtf8("キャンセル"));
    dialog.EdtCity->setText("ASIA");
    dialog.BtnOk->click();
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, QString::fromUtf8("この名前は既に使用されています。"));
}

TEST_F(GroupNameDialog, NameInUseIsRefusedAndTheDialogStaysOpen)
{
    TFormCityMod dialog(nullptr, inUse_);
    dialog.show();
    dialog.EdtCity->setText("ASIA");
    dialog.BtnOk->click();

    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, "This name is already used.");
    EXPECT_EQ(seam.boxes[0].caption, "Kelpset");
    EXPECT_EQ(seam.boxes[0].owner, &dialog);
    EXPECT_EQ(seam.boxes[0].icon, IconWarning);
    EXPECT_EQ(seam.boxes[0].buttons, MbOk);
    EXPECT_TRUE(dialog.isVisible());

    dialog.EdtCity->setText("Asia");
    dialog.BtnOk->click();
    EXPECT_EQ(seam.boxes.size(), 1u);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), MrOk);
    EXPECT_EQ(dialog.EdtCity->text(), "Asia");
}

TEST_F(GroupNameDialog, CancelEscapeAndCloseBoxEndWithCancel)
{
    const std::function<void(TFormCityMod&)> ways[] = {
        [](TFormCityMod& d) { d.BtnCancel->click(); },
        [](TFormCityMod& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](TFormCityMod& d) { d.close(); },
    };
    for (const auto& endIt : ways) {
        TFormCityMod dialog(nullptr, inUse_);
        dialog.show();
        dialog.EdtCity->setText("Pacific");
        endIt(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), MrCancel);
    }
    EXPECT_TRUE(seam.boxes.empty());
}

TEST_F(GroupNameDialog, NoCancelFormEndsOnlyWithAnAcceptedName)
{
    TFormCityMod dialog(nullptr, inUse_);
    dialog.SetNoCancel();
    dialog.show();

    EXPECT_FALSE(dialog.BtnCancel->isEnabled());
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowSystemMenuHint));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());

    dialog.EdtCity->setText("EUROPE");
    dialog.BtnOk->click();
    EXPECT_TRUE(dialog.isVisible());

    dialog.EdtCity->setText("World");
    dialog.BtnOk->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), MrOk);
}

} // namespace
