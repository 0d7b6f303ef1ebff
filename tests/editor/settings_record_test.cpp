#include "editor/SettingsRecord.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

SettingsRecord recordWith(std::initializer_list<std::pair<int, uint8_t>> bytes)
{
    SettingsRecord r{};
    for (auto [at, value] : bytes)
        r[at] = value;
    return r;
}

TEST(SettingsCodec, SwitchByteKeepsBitsOneToThreeAndAlwaysSetsBitSeven)
{
    struct Case
    {
        uint8_t stored;
        bool hour24, alarmOn, destOn, feet;
        uint8_t reencoded;
    };
    const Case cases[] = {
        {0x00, false, false, false, false, 0x80}, {0x4E, false, false, false, true, 0xCE},
        {0x71, true, true, true, true, 0xF1},     {0xFF, true, true, true, true, 0xFF},
        {0x80, false, false, false, false, 0x80},
    };
    for (const Case& c : cases) {
        SettingsRecord r = recordWith({{5, c.stored}});
        const SettingsValues v = DecodeSettingsValues(r);
        EXPECT_EQ(v.hour24, c.hour24) << int(c.stored);
        EXPECT_EQ(v.alarmOn, c.alarmOn) << int(c.stored);
        EXPECT_EQ(v.destOn, c.destOn) << int(c.stored);
        EXPECT_EQ(v.feet, c.feet) << int(c.stored);
        EncodeSettingsValues(v, r);
        EXPECT_EQ(r[5], c.reencoded) << int(c.stored);
    }
}

TEST(SettingsCodec, SoundBytesIgnoreBitSevenAndFoldLargeNumbersToZero)
{
    const std::pair<uint8_t, int> cases[] = {{0x85, 5},  {0x10, 0}, {0x0F, 15},
                                             {0x8F, 15}, {0x7F, 0}, {0x00, 0}};
    for (auto [stored, sound] : cases) {
        SettingsRecord r = recordWith({{14, stored}, {19, stored}, {70, stored}});
        const SettingsValues v = DecodeSettingsValues(r);
        EXPECT_EQ(v.alarmSound, sound) << int(stored);
        EXPECT_EQ(v.destSound, sound) << int(stored);
        EXPECT_EQ(v.timerSound, sound) << int(stored);
        EncodeSettingsValues(v, r);
        EXPECT_EQ(r[14], sound);
        EXPECT_EQ(r[19], sound);
        EXPECT_EQ(r[70], sound);
    }
}

TEST(SettingsCodec, MultiByteFieldsAreLittleEndianAndKeepTheirLow16Bits)
{
    SettingsRecord r = recordWith({{15, 0xFF}, {16, 0xFF}, {27, 0x34}, {28, 0x12}, {64, 0x21}, {65, 0x00}});
    SettingsValues v = DecodeSettingsValues(r);
    EXPECT_EQ(v.arrivalDay, 65535);
    EXPECT_EQ(v.logCounter, 0x1234);
    EXPECT_EQ(v.depthAlarm, 33);

    v.arrivalDay = 0x10001; // beyond 16 bits: only the low bits travel
    v.logCounter = 65535;
    v.depthAlarm = 130;
    EncodeSettingsValues(v, r);
    EXPECT_EQ(r[15], 0x01);
    EXPECT_EQ(r[16], 0x00);
    EXPECT_EQ(r[27], 0xFF);
    EXPECT_EQ(r[28], 0xFF);
    EXPECT_EQ(r[64], 130);
    EXPECT_EQ(r[65], 0);
}

TEST(SettingsCodec, EncodeWritesTheEditedBytesAndClearsTenAndEleven)
{
    SettingsRecord r = recordWith({{10, 0xAA}, {11, 0xBB}});
    SettingsValues v;
    v.timerMinutes = 99;
    v.alarmHour = 23;
    v.alarmMinute = 59;
    v.destHour = 7;
    v.destMinute = 30;
    v.depthRepeat = 255; // nothing chosen in the repeat list
    v.diveTime = 90;
    EncodeSettingsValues(v, r);
    EXPECT_EQ(r[6], 99);
    EXPECT_EQ(r[10], 0);
    EXPECT_EQ(r[11], 0);
    EXPECT_EQ(r[12], 23);
    EXPECT_EQ(r[13], 59);
    EXPECT_EQ(r[17], 7);
    EXPECT_EQ(r[18], 30);
    EXPECT_EQ(r[66], 255);
    EXPECT_EQ(r[68], 90);
}

TEST(SettingsCodec, BytesTheWindowDoesNotEditSurviveAnEncode)
{
    SettingsRecord received{};
    for (int i = 0; i < kSettingsRecordSize; ++i)
        received[i] = static_cast<uint8_t>(0x9B ^ (i * 37));
    SettingsRecord sent = received;
    EncodeSettingsValues(DecodeSettingsValues(received), sent);
    const int edited[] = {5, 6, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 27, 28, 64, 65, 66, 68, 70};
    for (int i = 0; i < kSettingsRecordSize; ++i) {
        if (std::find(std::begin(edited), std::end(edited), i) == std::end(edited)) {
            EXPECT_EQ(sent[i], received[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(sent[5] & 0x0E, received[5] & 0x0E);
}

TEST(SettingsCodec, DaylightMaskMarksMainAndTravelLocations)
{
    struct Case
    {
        uint8_t main, travel;
        uint32_t mask;
        uint8_t mainAfter, travelAfter;
    };
    const Case cases[] = {
        {3, 5, 1u << 3, 0x83, 5},       {3, 5, (1u << 3) | (1u << 5), 0x83, 0x85},
        {30, 30, 1u << 30, 0x9E, 0x9E}, {4, 4, 0, 4, 4},
        {0x83, 2, 1u << 3, 0x83, 2}, // already marked: the slot is read from the low bits
    };
    for (const Case& c : cases) {
        SettingsRecord r = recordWith({{20, c.main},
                                       {21, c.travel},
                                       {22, 0x07},
                                       {23, uint8_t(c.mask)},
                                       {24, uint8_t(c.mask >> 8)},
                                       {25, uint8_t(c.mask >> 16)},
                                       {26, uint8_t(c.mask >> 24)}});
        MarkDaylightLocations(r);
        EXPECT_EQ(r[20], c.mainAfter);
        EXPECT_EQ(r[21], c.travelAfter);
        EXPECT_EQ(r[22], 0x07);
    }
}

class SettingsFile : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    std::string file(const char* name) const { return (dir_ / name).string(); }
    void writeBytes(const std::string& path, size_t count, uint8_t value) const
    {
        std::ofstream(path, std::ios::binary) << std::string(count, static_cast<char>(value));
    }

    TempDir temp_{"kelpset-record"};
    const std::filesystem::path dir_ = temp_.path();
};

TEST_F(SettingsFile, ReadTakesTheFirst79BytesAndReportsShortFiles)
{
    struct Case
    {
        size_t size;
        int result;
    };
    for (const Case c :
         {Case{79, 0}, Case{100, 0}, Case{50, kSettingsReadFailed}, Case{0, kSettingsReadFailed}}) {
        const std::string path = file("system.cfg");
        writeBytes(path, c.size, 0x5A);
        SettingsRecord r;
        r.fill(0xEE);
        EXPECT_EQ(ReadSettingsFile(path.c_str(), r), c.result) << c.size;
        for (size_t i = 0; i < r.size(); ++i)
            ASSERT_EQ(r[i], i < c.size ? 0x5A : 0) << "size " << c.size << " byte " << i;
    }
}

TEST_F(SettingsFile, MissingFileIsReportedAndLeavesTheRecordZero)
{
    SettingsRecord r;
    r.fill(0xEE);
    EXPECT_EQ(ReadSettingsFile(file("absent.cfg").c_str(), r), kSettingsOpenFailed);
    EXPECT_EQ(r, SettingsRecord{});
}

TEST_F(SettingsFile, WriteReplacesTheFileWithExactly79Bytes)
{
    const std::string path = file("system.cfg");
    writeBytes(path, 200, 0x11);
    SettingsRecord out{};
    for (int i = 0; i < kSettingsRecordSize; ++i)
        out[i] = static_cast<uint8_t>(i);
    ASSERT_EQ(WriteSettingsFile(out, path.c_str()), 0);
    EXPECT_EQ(std::filesystem::file_size(path), 79u);
    SettingsRecord back{};
    ASSERT_EQ(ReadSettingsFile(path.c_str(), back), 0);
    EXPECT_EQ(back, out);
}

TEST_F(SettingsFile, WriteIntoAMissingFolderCannotCreate)
{
    EXPECT_EQ(WriteSettingsFile(SettingsRecord{}, file("no/such/system.cfg").c_str()), kSettingsCreateFailed);
}

TEST_F(SettingsFile, WriteToAFullDeviceIsReported)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(WriteSettingsFile(SettingsRecord{}, "/dev/full"), kSettingsWriteFailed);
}

} // namespace
