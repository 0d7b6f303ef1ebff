// The About dialog and the version block it reads from the program file.
#include "app/CommonData.h"
#include "app/TFormAbout.h"
#include "platform/version_block.h"
#include "tests/app/AppFixture.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace {

std::string pair(const std::string& key, const std::string& value)
{
    return key + '\0' + value + '\0';
}

const std::string kTable = "\\StringFileInfo\\041103A4\\";

std::string block(const std::string& table)
{
    return version_block_magic() + pair("\\FileVersion", "2.0.0.0") + pair(table + "ProductName", "Kelpset") +
           pair(table + "FileVersion", "2.0.0.0") + pair(table + "LegalCopyright", "(C) Divers") + '\0';
}

// Bytes around the block, as a program file has them.
std::string programImage(const std::string& inner)
{
    return std::string("\x7f"
                       "ELF\2\1\1",
                       7) +
           std::string(300, '\0') + inner + std::string(100, '\xAA');
}

} // namespace

class AboutTest : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        // Three plain icons of different colours, so the chosen one can be told apart.
        for (int i = 0; i < 3; ++i) {
            QImage icon(32, 32, QImage::Format_RGB32);
            icon.fill(kColours[i]);
            std::filesystem::create_directories(programDir() / "images");
            icon.save(QString::fromStdString((programDir() / "images").string()) +
                      QStringLiteral("/about%1.png").arg(i));
        }
        data = std::make_unique<CommonData>(11);
        ReefCommonData = data.get();
    }
    void TearDown() override
    {
        ReefCommonData = nullptr;
        data.reset();
        AppFixture::TearDown();
    }
    void useProgramImage(const std::string& bytes) { writeFile(programDir() / "kelpset", bytes); }
    static QStringList labels(const TFormAbout& about)
    {
        return {about.LblProductName->text(), about.LblVersion->text(), about.LblCopyright->text()};
    }

    static constexpr QRgb kColours[3] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    std::unique_ptr<CommonData> data;
};

TEST_F(AboutTest, ShowsTheThreeTextsOfTheProgramFilesBlock)
{
    struct Case
    {
        const char* name;
        std::string image;
        QStringList shown;
    };
    const QStringList none = {"", "", ""};
    const std::string magic = version_block_magic();
    const Case cases[] = {
        {"block", programImage(block(kTable)), {"Kelpset", "2.0.0.0", "(C) Divers"}},
        {"another language key", programImage(block("\\StringFileInfo\\040904B0\\")), none},
        {"no block", programImage(""), none},
        {"empty file", "", none},
        {"one key missing",
         programImage(magic + pair(kTable + "ProductName", "Kelpset") +
                      pair(kTable + "FileVersion", "2.0.0.0") + '\0'),
         {"Kelpset", "2.0.0.0", ""}},
        {"block cut off at the end of the file", std::string(64, 'x') + magic + kTable + "ProductName", none},
        {"a stray magic before the block",
         programImage(magic + std::string(70000, 'z') + block(kTable)),
         {"Kelpset", "2.0.0.0", "(C) Divers"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        useProgramImage(c.image);
        TFormAbout about(nullptr, QLatin1Char('1'));
        EXPECT_EQ(labels(about), c.shown);
    }

    std::filesystem::remove(programDir() / "kelpset");
    TFormAbout missingFile(nullptr, QLatin1Char('1'));
    EXPECT_EQ(labels(missingFile), none);
}

TEST_F(AboutTest, TheBuiltProgramCarriesItsVersionBlock)
{
    setProgramFileOverride(KELPSET_PROGRAM_FILE);
    TFormAbout about(nullptr, QLatin1Char('1'));
    EXPECT_EQ(about.LblProductName->text(), "Kelpset");
    EXPECT_EQ(about.LblVersion->text(), "2.0.0.0");
    EXPECT_FALSE(about.LblCopyright->text().isEmpty());
}

TEST_F(AboutTest, SelectorPicksTheIconOrNone)
{
    useProgramImage(programImage(block(kTable)));
    const std::pair<char, int> cases[] = {{'0', 0}, {'1', 1}, {'2', 2}, {'3', -1}, {'a', -1}, {'\0', -1}};
    for (const auto& [selector, icon] : cases) {
        SCOPED_TRACE(testing::Message() << "selector " << int(selector));
        TFormAbout about(nullptr, QLatin1Char(selector));
        const QPixmap shown = about.ImgIcon->pixmap();
        if (icon < 0) {
            EXPECT_TRUE(shown.isNull());
        } else {
            ASSERT_FALSE(shown.isNull());
            EXPECT_EQ(shown.toImage().pixel(16, 16), kColours[icon]);
        }
    }
}

TEST_F(AboutTest, CaptionsComeFromTheCatalogInTheUsersLanguage)
{
    for (const char* locale : {"en_US.UTF-8", "ja_JP.UTF-8"}) {
        SCOPED_TRACE(locale);
        useLocale(locale);
        CommonData local(11);
        ReefCommonData = &local;
        TFormAbout about(nullptr, QLatin1Char('1'));
        EXPECT_EQ(about.windowTitle(), local.GetMessageText(459));
        EXPECT_FALSE(about.windowTitle().isEmpty());
        EXPECT_EQ(about.BtnOk->text(), local.GetMessageText(136));
        EXPECT_EQ(about.size(), QSize(297, 157));
        EXPECT_TRUE(about.BtnOk->isDefault());
        ReefCommonData = data.get();
    }
}

TEST(VersionBlockQuery, FindsKeysIgnoringCaseAndRejectsBrokenBlocks)
{
    const std::string good = block(kTable);
    EXPECT_STREQ(version_block_query(good.data(), int(good.size()), (kTable + "productname").c_str()),
                 "Kelpset");
    EXPECT_EQ(version_block_query(good.data(), int(good.size()), "\\StringFileInfo\\041103A4\\Comments"),
              nullptr);
    // Cut short: the list never ends inside the given size.
    EXPECT_EQ(version_block_query(good.data(), int(good.size()) - 1, (kTable + "ProductName").c_str()),
              nullptr);
    EXPECT_EQ(version_block_query(good.data() + 1, int(good.size()) - 1, "\\FileVersion"), nullptr);
    EXPECT_EQ(version_block_query(nullptr, 10, "\\FileVersion"), nullptr);
}
