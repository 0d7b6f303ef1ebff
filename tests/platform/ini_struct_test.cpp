#include "platform/ini_struct.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

TEST(IniStruct, EncodesUppercaseHexWithChecksum)
{
    const uint8_t bytes[] = {0x01, 0xAB, 0xFF};
    // 0x01 + 0xAB + 0xFF = 0x1AB -> checksum 0xAB
    EXPECT_EQ(platform::ini_encode_struct(bytes, 3), "01ABFFAB");
    EXPECT_EQ(platform::ini_encode_struct(bytes, 0), "00");
}

TEST(IniStruct, DecodeChecksLengthDigitsAndChecksum)
{
    struct Case
    {
        const char* text;
        bool ok;
    };
    const Case cases[] = {
        {"01ABFFAB", true},  {"01abffab", true},    {"01ABFFAC", false}, // checksum
        {"01ABFF", false},   {"01ABFFAB00", false},                      // length
        {"01ABFGAB", false}, {"", false},
    };
    for (const auto& c : cases) {
        uint8_t out[3] = {7, 7, 7};
        EXPECT_EQ(platform::ini_decode_struct(c.text, out, 3), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(out[1], 0xAB);
        } else {
            EXPECT_EQ(out[0], 7) << "left untouched: " << c.text;
        }
    }
}

} // namespace
