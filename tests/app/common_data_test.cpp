// The common data: folders and profile keys after construction, fonts and texts by locale,
// warnings, and the work folder emptied at both ends of a run.
#include "app/CommonData.h"
#include "reefkit/reefkit.h"
#include "tests/app/AppFixture.h"

#include <QFont>

namespace fs = std::filesystem;

class CommonDataTest : public AppFixture
{
protected:
    std::unique_ptr<CommonData> make()
    {
        auto data = std::make_unique<CommonData>(11);
        ReefCommonData = data.get();
        return data;
    }
    void TearDown() override
    {
        ReefCommonData = nullptr;
        AppFixture::TearDown();
    }
    std::string profileValue(const char* key)
    {
        char value[REEF_PATH_SIZE] = {};
        get_prof_string("Config", key, "SEAGLASS.INI", sizeof value, value);
        return value;
    }
};

TEST_F(CommonDataTest, PreparesTheFoldersAndRecordsThemInTheFamilyProfile)
{
    const auto data = make();
    const std::string program = programDir().string() + "/";
    EXPECT_EQ(data->kind, 11);
    EXPECT_EQ(data->programDir, program);
    EXPECT_EQ(data->workDir, program + "WORK");
    EXPECT_EQ(data->configDir, program + "KSCONF");
    EXPECT_EQ(data->logDir, program + "LOG");
    for (const std::string& folder : {data->workDir, data->configDir, data->logDir})
        EXPECT_TRUE(fs::is_directory(folder)) << folder;

    EXPECT_EQ(profileValue("Version"), "11");
    EXPECT_EQ(profileValue("Top Dir"), programDir().string());
    EXPECT_EQ(profileValue("Log Dir"), program + "LOG");
}

TEST_F(CommonDataTest, RecordedLogFolderIsUsedAsItIsAndNotCreated)
{
    const std::string elsewhere = (root_ / "logs elsewhere").string();
    writeFile(familyFile("SEAGLASS.INI"), "[Config]\r\nLog Dir=" + elsewhere + "\r\n");
    const auto data = make();
    EXPECT_EQ(data->logDir, elsewhere);
    EXPECT_FALSE(fs::exists(elsewhere));
    EXPECT_FALSE(fs::exists(programDir() / "LOG"));
}

TEST_F(CommonDataTest, WorkFolderIsEmptiedAtStartAndAtEnd)
{
    writeFile(programDir() / "WORK/system.cfg", "left over");
    writeFile(programDir() / "WORK/sub/mmd0101.krx", "left over");
    auto data = make();
    EXPECT_TRUE(fs::is_empty(programDir() / "WORK"));

    writeFile(programDir() / "WORK/world.ini", "received");
    data.reset();
    EXPECT_TRUE(fs::is_directory(programDir() / "WORK"));
    EXPECT_TRUE(fs::is_empty(programDir() / "WORK"));
}

TEST_F(CommonDataTest, OtherKindsUseTheirOwnConfigurationFolderOrNone)
{
    {
        CommonData sibling(3);
        EXPECT_EQ(sibling.configDir, programDir().string() + "/USERCONF");
    }
    CommonData withoutFolders(10);
    EXPECT_EQ(profileValue("Version"), "10");
    EXPECT_TRUE(withoutFolders.programDir.empty());
    EXPECT_TRUE(withoutFolders.workDir.empty());
    EXPECT_TRUE(withoutFolders.logDir.empty());
}

TEST_F(CommonDataTest, FontAndTextsFollowTheLocale)
{
    struct Case
    {
        const char* locale;
        uint32_t id;
        const char* font;
        int size;
        const char* message36;
        const char* message68;
    };
    const Case cases[] = {
        {"ja_JP.UTF-8", 1041, "ＭＳ Ｐゴシック", 9, "時刻合わせ", "本"},
        {"en_US.UTF-8", 1033, "MS Sans Serif", 8, "Set PC clock", ""},
        {"en_GB.UTF-8", 2057, "MS Sans Serif", 8, "Set PC clock", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        useLocale(c.locale);
        const auto data = make();
        EXPECT_EQ(data->locale, c.id);
        EXPECT_EQ(data->fontCharset, 1);
        QFont font;
        data->ApplyFont(font);
        EXPECT_EQ(font.family(), QString::fromUtf8(c.font));
        EXPECT_EQ(font.pointSize(), c.size);

        EXPECT_EQ(data->GetMessageText(0), "dummy");
        EXPECT_EQ(data->GetMessageText(36), QString::fromUtf8(c.message36));
        EXPECT_EQ(data->GetMessageText(68), QString::fromUtf8(c.message68));
        EXPECT_TRUE(data->GetMessageText(-1).isEmpty());
        EXPECT_TRUE(data->GetMessageText(522).isEmpty());
    }
}

TEST_F(CommonDataTest, ShowWarningFillsInMissingTextAndCaption)
{
    struct Case
    {
        const char* locale;
        int text;
        int caption;
        const char* shownText;
        const char* shownCaption;
    };
    const Case cases[] = {
        {"en_US", 436, 83, nullptr, "Kelpset"},
        {"en_US", 522, 83, "Environment broken.", "Kelpset"},
        {"en_US", -1, 68, "Environment broken.", "SEAGLASS GRAPH 2 V21"},
        {"ja_JP", 600, 83, "環境が破壊されています。", "Kelpset"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.locale << " " << c.text << "/" << c.caption);
        useLocale(c.locale);
        const auto data = make();
        seam.boxes.clear();
        seam.answers = {IdOk};
        QWidget owner;
        EXPECT_EQ(data->ShowWarning(c.text, c.caption, &owner), IdOk);
        ASSERT_EQ(seam.boxes.size(), 1u);
        const SeamBox& box = seam.boxes[0];
        EXPECT_EQ(box.owner, &owner);
        EXPECT_EQ(box.text, c.shownText ? QString::fromUtf8(c.shownText) : data->GetMessageText(c.text));
        EXPECT_FALSE(box.text.isEmpty());
        EXPECT_EQ(box.caption, QString::fromUtf8(c.shownCaption));
        EXPECT_EQ(box.buttons, MbOk);
        EXPECT_EQ(box.icon, IconWarning);
    }
}

TEST_F(CommonDataTest, WindowsVersionCodeFollowsTheRecord)
{
    struct Case
    {
        uint32_t platform, major, minor, build;
        int code;
    };
    const Case cases[] = {
        {1, 4, 0, 950, 1001},   {1, 4, 0, 0x00031111, 1002}, {1, 4, 0, 0x000403E7, 1001},
        {1, 4, 10, 1998, 1003}, {1, 4, 90, 3000, 1004},      {1, 4, 3, 0, 1101},
        {2, 3, 51, 1057, 2001}, {2, 4, 0, 1381, 2002},       {2, 5, 1, 2600, 2003},
        {2, 6, 1, 7601, 2101},  {2, 10, 0, 19045, 2101},     {0, 5, 0, 0, -1},
        {3, 10, 0, 0, -1},
    };
    const auto data = make();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.platform << " " << c.major << "." << c.minor << " " << c.build);
        data->osVersion.platformId = c.platform;
        data->osVersion.majorVersion = c.major;
        data->osVersion.minorVersion = c.minor;
        data->osVersion.buildNumber = c.build;
        EXPECT_EQ(data->GetWindowsVersionCode(), c.code);
    }
}

TEST_F(CommonDataTest, ThisSystemIsACurrentNtFamilyMember)
{
    const auto data = make();
    EXPECT_EQ(data->osVersion.size, 148u);
    EXPECT_EQ(data->osVersion.platformId, 2u);
    EXPECT_GE(data->osVersion.majorVersion, 6u);
    EXPECT_EQ(data->GetWindowsVersionCode(), 2101);
}
