#include "clockfit/clockfit.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using File = std::array<unsigned char, CLOCKFIT_FILE_SIZE>;

File encode(int year, int month, int day, int dow, int hour, int minute, int second, int diff)
{
    File f{};
    EXPECT_EQ(rez_clockfit_encode(year, month, day, dow, hour, minute, second, diff, f.data(), int(f.size())),
              CLOCKFIT_FILE_SIZE);
    return f;
}

TEST(Clockfit, RoundTripFillsDateAndTimeBlocks)
{
    const File f = encode(2026, 12, 11, 5, 10, 30, 5, 0x92);
    unsigned char date[8], time[4];
    ASSERT_EQ(rez_clockfit(f.data(), int(f.size()), date, time), 0);
    EXPECT_EQ(date[0] | date[1] << 8, 2026);
    EXPECT_EQ(date[2], 11); // day
    EXPECT_EQ(date[3], 12); // month
    EXPECT_EQ(date[4], 5);  // day of week
    EXPECT_EQ(time[0], 30); // minute
    EXPECT_EQ(time[1], 10); // hour
    EXPECT_EQ(time[2], 5);  // second
    EXPECT_EQ(time[3], 0x92);
}

TEST(Clockfit, EncoderRefusesFieldsOutOfRange)
{
    struct Case
    {
        int year, month, day, dow, hour, minute, second, diff;
    };
    const Case cases[] = {
        {1899, 1, 1, 0, 0, 0, 0, 0},   {2100, 1, 1, 0, 0, 0, 0, 0},  {2026, 0, 1, 0, 0, 0, 0, 0},
        {2026, 13, 1, 0, 0, 0, 0, 0},  {2026, 1, 0, 0, 0, 0, 0, 0},  {2026, 4, 31, 0, 0, 0, 0, 0},
        {2026, 2, 29, 0, 0, 0, 0, 0},  {1900, 2, 29, 0, 0, 0, 0, 0}, {2026, 1, 1, 7, 0, 0, 0, 0},
        {2026, 1, 1, 0, 24, 0, 0, 0},  {2026, 1, 1, 0, 0, 60, 0, 0}, {2026, 1, 1, 0, 0, 0, 60, 0},
        {2026, 1, 1, 0, 0, 0, 0, 256}, {2026, 1, 1, 0, 0, 0, 0, -1},
    };
    for (const Case& c : cases) {
        File f{};
        f.fill(0xAA);
        EXPECT_EQ(rez_clockfit_encode(c.year, c.month, c.day, c.dow, c.hour, c.minute, c.second, c.diff,
                                      f.data(), int(f.size())),
                  -1)
            << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(f[0], 0xAA) << "output touched on failure";
    }
    File f{};
    EXPECT_EQ(rez_clockfit_encode(2024, 2, 29, 4, 0, 0, 0, 0, f.data(), int(f.size())), CLOCKFIT_FILE_SIZE);
    EXPECT_EQ(rez_clockfit_encode(2000, 2, 29, 2, 0, 0, 0, 0, f.data(), int(f.size())), CLOCKFIT_FILE_SIZE);
    EXPECT_EQ(rez_clockfit_encode(2024, 2, 29, 4, 0, 0, 0, 0, f.data(), CLOCKFIT_FILE_SIZE - 1), -1);
    EXPECT_EQ(rez_clockfit_encode(2024, 2, 29, 4, 0, 0, 0, 0, nullptr, CLOCKFIT_FILE_SIZE), -1);
}

TEST(Clockfit, DecoderRejectsDamagedFiles)
{
    const File good = encode(2026, 6, 30, 2, 23, 59, 59, 0x12);
    unsigned char date[8] = {1, 2, 3, 4, 5, 6, 7, 8}, time[4] = {9, 9, 9, 9};

    std::vector<unsigned char> longer(good.begin(), good.end());
    longer.push_back(0);
    EXPECT_EQ(rez_clockfit(longer.data(), int(longer.size()), date, time), -1);
    EXPECT_EQ(rez_clockfit(good.data(), CLOCKFIT_FILE_SIZE - 1, date, time), -1);
    EXPECT_EQ(rez_clockfit(nullptr, CLOCKFIT_FILE_SIZE, date, time), -1);

    // Flip one bit anywhere covered by the magic, fields or CRC: each must be refused.
    for (int offset : {0, 3, 4, 5, 7, 10, 13, 50, 88, 89, 92}) {
        File bad = good;
        bad[offset] ^= 0x01;
        EXPECT_EQ(rez_clockfit(bad.data(), int(bad.size()), date, time), -1) << "offset " << offset;
    }
    EXPECT_EQ(date[0], 1) << "blocks touched on failure";
    EXPECT_EQ(time[0], 9);
}

TEST(Clockfit, DecoderChecksFieldsEvenWithValidCrc)
{
    // A file with a correct CRC but month 13: build it by hand from a good one.
    File f = encode(2026, 12, 1, 2, 0, 0, 0, 0);
    f[7] = 13;
    unsigned crc = 0xFFFFFFFFu;
    for (int i = 0; i < 89; ++i) {
        crc ^= f[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    crc ^= 0xFFFFFFFFu;
    for (int i = 0; i < 4; ++i)
        f[89 + i] = static_cast<unsigned char>(crc >> (8 * i));
    unsigned char date[8], time[4];
    EXPECT_EQ(rez_clockfit(f.data(), int(f.size()), date, time), -1);
    f[7] = 12; // same CRC no longer matches: still refused
    EXPECT_EQ(rez_clockfit(f.data(), int(f.size()), date, time), -1);
}

} // namespace
