// The sample watch: pictures packed the way the watch stores them, and files of the right shape.
#include "watchsim/SampleWatch.h"
#include "watchsim/WatchStore.h"

#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

watchsim::PictureRows blank()
{
    watchsim::PictureRows rows;
    rows.fill(std::string(24, '.'));
    return rows;
}

TEST(PackPicture, PagesOfEightRowsWithTheTopRowInBitZero)
{
    auto topLeft = blank();
    topLeft[0][0] = 'X';
    Bytes expected(48, 0);
    expected[0] = 0x01;
    EXPECT_EQ(watchsim::PackPicture(topLeft), expected);

    auto bottom = blank();
    bottom[15] = std::string(24, 'X');
    expected.assign(48, 0);
    std::fill(expected.begin() + 24, expected.end(), 0x80);
    EXPECT_EQ(watchsim::PackPicture(bottom), expected);
}

TEST(KrxFile, SeriesHeaderStacksThePictures)
{
    const Bytes file = watchsim::KrxFile(Bytes(48 * 366, 0xAA), 366);
    ASSERT_EQ(file.size(), 28u + 48 * 366);
    EXPECT_EQ(file[4] | file[5] << 8, 24);
    EXPECT_EQ(file[6] | file[7] << 8, 16 * 366);
    EXPECT_TRUE(watchsim::IsKrxPicture(file));
    EXPECT_TRUE(std::all_of(file.begin() + 12, file.begin() + 28, [](uint8_t b) { return b == 0; }));
}

TEST(SampleWatch, FillsAFolderWithAPlausibleWatch)
{
    const fs::path root = fs::temp_directory_path() / ("samplewatch-" + std::to_string(getpid()));
    fs::remove_all(root);
    ASSERT_TRUE(watchsim::WriteSampleWatch(root));
    auto read = [&](const char* name) {
        std::ifstream in(root / name, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const Bytes settings = read("system.cfg");
    ASSERT_EQ(settings.size(), 79u);
    EXPECT_EQ(settings[5] & 0x80, 0x80);
    EXPECT_GE(settings[6], 1);
    EXPECT_LE(settings[6], 99);
    EXPECT_LE(settings[12], 23);
    EXPECT_LE(settings[14], 15);

    const Bytes world = read("world.ini");
    ASSERT_EQ(world.size(), 544u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(world.data())), "UTC");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&world[17])), "TOKYO");
    EXPECT_EQ(world[17 + 16], 18);
    EXPECT_EQ(world[3 * 17 + 16], 0xF6) << "NEW YORK, -5:00";
    // The main, travel and destination slots of the settings name cities of the list.
    for (int byte : {20, 21, 22})
        EXPECT_NE(world[(settings[byte] & 0x7F) * 17], 0);

    int anniversaries = 0;
    for (const auto& item : fs::directory_iterator(root)) {
        const std::string name = item.path().filename().string();
        if (name.rfind("mmd", 0) == 0) {
            ++anniversaries;
            EXPECT_EQ(name.size(), 11u);
            EXPECT_EQ(read(name.c_str()).size(), 76u);
            EXPECT_TRUE(watchsim::IsKrxPicture(read(name.c_str())));
        }
    }
    EXPECT_GE(anniversaries, 2);
    const Bytes daily = read("dailybmp.krx");
    EXPECT_TRUE(watchsim::IsKrxPicture(daily));
    EXPECT_EQ((daily.size() - 28) % 48, 0u);
    EXPECT_GT(daily.size(), 28u + 48);
    EXPECT_EQ(watchsim::AnniversaryName(2, 14), "mmd0214.krx");
    fs::remove_all(root);
}

} // namespace
