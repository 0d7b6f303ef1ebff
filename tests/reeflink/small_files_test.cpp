#include "reeflink/reeflink.h"
#include "tests/reeflink/temp_dir.h"

#include <array>

namespace {

using Bytes = std::vector<unsigned char>;

class SystemCfgTest : public TempDirTest
{
};

TEST_F(SystemCfgTest, LoadAndSaveCopyTheRecordByteForByte)
{
    Bytes original(79);
    for (size_t i = 0; i < original.size(); ++i)
        original[i] = uint8_t(i * 7 + 1);
    std::array<unsigned char, 79> record{};
    ASSERT_EQ(LoadSystemCfg(write("system.cfg", original).c_str(), record.data()), 0);
    ASSERT_EQ(SaveSystemCfg(record.data(), path("copy.cfg").c_str()), 0);
    EXPECT_EQ(readText("copy.cfg"), readText("system.cfg"));
}

TEST_F(SystemCfgTest, ShortOrMissingFilesAndUncreatablePaths)
{
    std::array<unsigned char, 79> record;
    record.fill(0xAB);
    EXPECT_EQ(LoadSystemCfg(write("short.cfg", Bytes(60, 0x11)).c_str(), record.data()), -1004);
    for (size_t i = 0; i < record.size(); ++i)
        EXPECT_EQ(record[i], i < 60 ? 0x11 : 0x00) << i;

    record.fill(0xAB);
    EXPECT_EQ(LoadSystemCfg(path("missing.cfg").c_str(), record.data()), -1001);
    EXPECT_EQ(record[0], 0) << "the record is cleared before the file is opened";

    EXPECT_EQ(SaveSystemCfg(record.data(), path("no/folder.cfg").c_str()), -1002);
}

class DevInfoTest : public TempDirTest
{
};

TEST_F(DevInfoTest, DecodesTextsAndCodes)
{
    struct Case
    {
        std::array<uint8_t, 4> first, second;
        const char *firstText, *secondText;
        uint32_t secondCode;
    };
    const Case cases[] = {
        {{0x01, 0xA2, 0x0B, 0xFF}, {0x0A, 0x00, 0x00, 0x00}, "01A20BFF", "0000000A", 10},
        {{0x00, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x00, 0x0B}, "00000000", "0B000000", 0x0B000000},
    };
    for (const Case& c : cases) {
        Bytes b(46, 0);
        const std::string model = "MODEL-7", serial = "ABCDEFGHIJKL"; // the second fills its field
        std::copy(model.begin(), model.end(), b.begin() + 8);
        std::copy(serial.begin(), serial.end(), b.begin() + 20);
        std::copy(c.first.begin(), c.first.end(), b.begin() + 32);
        std::copy(c.second.begin(), c.second.end(), b.begin() + 41);
        RlDevInfo info{};
        ASSERT_EQ(LoadDevInfo(write("dev.bin", b).c_str(), &info), 0);
        EXPECT_STREQ(info.first_text, "MODEL-7");
        EXPECT_STREQ(info.second_text, "ABCDEFGHIJKL") << "an unterminated text stops at its field's end";
        EXPECT_STREQ(info.first_code_text, c.firstText);
        EXPECT_STREQ(info.second_code_text, c.secondText);
        EXPECT_EQ(info.second_code, c.secondCode);
    }
}

TEST_F(DevInfoTest, ShortOrMissingFileLeavesTheResultAlone)
{
    RlDevInfo info{};
    info.second_code = 77;
    EXPECT_EQ(LoadDevInfo(write("dev.bin", Bytes(45, 0x41)).c_str(), &info), -1004);
    EXPECT_EQ(LoadDevInfo(path("missing.bin").c_str(), &info), -1001);
    EXPECT_EQ(info.second_code, 77u);
    EXPECT_EQ(LoadDevInfo(write("long.bin", Bytes(50, 0x41)).c_str(), &info), 0);
}

} // namespace
