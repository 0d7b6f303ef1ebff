#include "reefkit/reefkit.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

// "\x82\xA0" and "\x88\x9F" are double-byte characters of code page 932.
TEST(AdjustString, NeverSplitsADoubleByteCharacter)
{
    struct Case
    {
        const char* text;
        int maximum;
        const char* after;
        int length;
    };
    const Case cases[] = {
        {"a\x82\xA0\x88\x9F", 3, "a\x82\xA0", 3},
        {"a\x82\xA0\x88\x9F", 2, "a", 1},
        {"a\x82\xA0\x88\x9F", 9, "a\x82\xA0\x88\x9F", 5},
        {"\x82\x82\x82", 2, "\x82\x82", 2}, // a lead-range byte in second place is a second byte
        {"\x82\x82\x82", 3, "\x82\x82", 2},
        {"\xFD\x41x", 2, "\xFD\x41", 2},    // 0xFD starts a pair too
        {"\xA1\xA1\xA1", 2, "\xA1\xA1", 2}, // half-width kana are single bytes
        {"abc", 0, "", 0},
        {"abc", -3, "", 0},
        {"", 4, "", 0},
    };
    for (const auto& c : cases) {
        char text[16];
        std::strcpy(text, c.text);
        EXPECT_EQ(adjust_string(text, c.maximum), c.length) << c.text << " max " << c.maximum;
        EXPECT_STREQ(text, c.after);
    }
}

TEST(Blanks, SkipAndDelete)
{
    const char* text = " \t x";
    EXPECT_EQ(blk_skip(text), text + 3);
    const char* stop = "  \r\n";
    EXPECT_EQ(blk_skip(stop), stop + 2);
    EXPECT_EQ(*blk_skip("   "), '\0');

    struct Case
    {
        const char* text;
        const char* after;
    };
    const Case cases[] = {{"ab  \t", "ab"}, {"   ", " "}, {"", ""}, {"a b", "a b"}, {"\t", "\t"}};
    for (const auto& c : cases) {
        char buffer[16];
        std::strcpy(buffer, c.text);
        blk_del(buffer);
        EXPECT_STREQ(buffer, c.after) << '"' << c.text << '"';
    }
}

TEST(StrMultibyte, FindsCodePage932LeadBytes)
{
    EXPECT_EQ(str_multibyte("plain ascii"), 0);
    EXPECT_EQ(str_multibyte("\xB1\xB2"), 0); // half-width kana
    EXPECT_EQ(str_multibyte("x\x82\xA0"), 1);
    EXPECT_EQ(str_multibyte("\xE0\x40"), 1);
    EXPECT_EQ(str_multibyte("\xFD"), 0);
    EXPECT_EQ(str_multibyte(""), 0);
}

} // namespace
