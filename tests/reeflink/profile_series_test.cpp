#include "reeflink/profile_series.h"

#include <gtest/gtest.h>

namespace {

using reeflink::kGapMarker;
using Samples = std::vector<int>;

std::vector<unsigned char> bytesOf(std::initializer_list<uint16_t> words)
{
    std::vector<unsigned char> b;
    for (uint16_t w : words) {
        b.push_back(uint8_t(w));
        b.push_back(uint8_t(w >> 8));
    }
    return b;
}

TEST(ProfileSeries, DecodesWordsIntoBothSeries)
{
    struct Case
    {
        const char* name;
        std::vector<unsigned char> bytes;
        Samples main, second;
    };
    const Case cases[] = {
        {"repeat copies the last sample", bytesOf({0x0010, 0x1003, 0xFFFF, 0x0005}), {16, 16, 16, 16}, {}},
        {"repeat on empty series", bytesOf({0x1002}), {1, 1}, {}},
        {"repeat 0 on empty series", bytesOf({0x1000}), {1}, {}},
        {"repeat 0 after a sample", bytesOf({0x0007, 0x1000}), {7}, {}},
        {"repeat skips trailing gaps", bytesOf({0x0009, 0x8000, 0x1002}), {9, 9, 9, 9}, {}},
        {"repeat after only gaps starts from 1", bytesOf({0x8000, 0x8000, 0x1001}), {1, 1, 1}, {}},
        {"second samples are signed 12-bit",
         bytesOf({0x2FFB, 0x2005, 0xA000, 0x27FF, 0x2800}),
         {},
         {-5, 5, kGapMarker, 2047, -2048}},
        {"other kinds are ignored", bytesOf({0x3001, 0x4FFF, 0x9000, 0xB000, 0xF000, 0x0FFF}), {4095}, {}},
        {"end of data without end word", bytesOf({0x0001, 0x0002}), {1, 2}, {}},
    };
    for (const Case& c : cases) {
        reeflink::ProfileSeries s;
        s.main = {123};
        ASSERT_EQ(reeflink::decodeProfileData(c.bytes.data(), c.bytes.size(), s), 0) << c.name;
        EXPECT_EQ(s.main, c.main) << c.name;
        EXPECT_EQ(s.second, c.second) << c.name;
    }
}

TEST(ProfileSeries, RejectsOddLengthAndRunawayRepeats)
{
    reeflink::ProfileSeries s;
    const unsigned char threeBytes[] = {0x10, 0x00, 0x01};
    EXPECT_EQ(reeflink::decodeProfileData(threeBytes, sizeof threeBytes, s), -1004);
    // A stray byte after the end word is never read.
    const unsigned char ended[] = {0xFF, 0xFF, 0x01};
    EXPECT_EQ(reeflink::decodeProfileData(ended, sizeof ended, s), 0);

    std::vector<unsigned char> repeats;
    for (size_t i = 0; i < reeflink::kMaxSeriesSamples / 4095 + 2; ++i) {
        repeats.push_back(0xFF);
        repeats.push_back(0x1F);
    }
    EXPECT_EQ(reeflink::decodeProfileData(repeats.data(), repeats.size(), s), -1004);
}

TEST(ProfileSeries, FillsGapsStepwiseTowardsTheNextSample)
{
    const int M = kGapMarker;
    struct Case
    {
        const char* name;
        Samples in, out;
    };
    const Case cases[] = {
        {"falling: step 50/4 = 12", {100, M, M, M, 50}, {100, 88, 76, 64, 50}},
        {"rising: step 12", {50, M, M, M, 100}, {50, 62, 74, 86, 100}},
        // 29 over 6 intervals: 4 remainder 5, so the step is 5.
        {"remainder 5 or more rounds the step up", {100, M, M, M, M, M, 71}, {100, 95, 90, 85, 80, 75, 71}},
        // Rising, the remainder is negative and never rounds up: the step stays 4.
        {"negative remainder keeps the step", {71, M, M, M, M, M, 100}, {71, 75, 79, 83, 87, 91, 100}},
        {"step never passes the target",
         {10, M, M, M, M, M, M, M, M, M, 0},
         {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
        {"leading gap becomes 1", {M, 20}, {1, 20}},
        {"leading gaps step from 1", {M, M, 21}, {1, 11, 21}},
        {"trailing gap repeats the last sample", {20, 21, M}, {20, 21, 21}},
        {"only gaps become 1", {M, M, M}, {1, 1, 1}},
        {"no gaps", {5, 6, 7}, {5, 6, 7}},
        {"single sample", {M}, {1}},
        {"empty", {}, {}},
    };
    for (const Case& c : cases) {
        Samples s = c.in;
        reeflink::fillGaps(s);
        EXPECT_EQ(s, c.out) << c.name;
    }
}

} // namespace
