#include "app/MessageCatalog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Row
{
    int number;
    const char* english;
    const char* japanese;
};

// Rows chosen for what can go wrong in a hand-kept table: shifted numbers, lost escapes,
// empty rows, filters, printf patterns, half-width katakana and the one ideographic space.
const Row kRows[] = {
    {0, "dummy", "dummy"},
    {16, "Interface", "ｲﾝﾀｰﾌｪｲｽ"},
    {36, "Set PC clock", "時刻合わせ"},
    {50, "Select Travel Location", "トラベル都市選択"},
    {51, "Select Travel Location", "トラベルタイム選択"},
    {68, "", "本"},
    {83, "Kelpset", "Kelpset"},
    {141, "Set PC &Clock..", "時刻合わせ(&C)..."},
    {143, "&Kelpset", "Kelpset(&C)"},
    {97, "Environment broken.", "環境が破壊されています。"},
    {100, "SEAGLASS GRAPH 2 V21", "SEAGLASS GRAPH 2 V21"},
    {467, "", "\u3000"},
    {470, "Select Destination and set", ""},
    {500, "Setting range is from %d to %d.", "設定できる値は %d から %d までです。"},
    {506, "Bitmap File (*.bmp)|*.bmp", "ビットマップ ファイル (*.bmp)|*.bmp"},
    {517, "This name is already used.", "選択された都市名は既に使用されています。"},
    {469, "This name is already used.", "この名前は既に使用されています。"},
    {378, "General Preferences in \n\"SEAGLASS GRAPH 2001\"", nullptr},
    {499, "Failed in receiving %d Anniversary data from watch",
     "%d 件の記念日ビットマップの読み込みに失敗しました。"},
    {515,
     "This will copy General Preferences from\n\"SEAGLASS GRAPH2\". \nPresent General Preferences in "
     "\n\"SEAGLASS "
     "GRAPH 2001\" will be overwrited.",
     nullptr},
    {521, "All Files (*.*)|*.*", nullptr},
};

TEST(Catalog, SampledRowsInBothLanguages)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.number);
        ASSERT_NE(catalog::english(row.number), nullptr);
        EXPECT_STREQ(catalog::english(row.number), row.english);
        if (row.japanese) {
            EXPECT_STREQ(catalog::japanese(row.number), row.japanese);
        }
    }
}

TEST(Catalog, NumbersOutsideTheTableHaveNoRow)
{
    for (int number : {-1, catalog::kMessageCount, 100000}) {
        EXPECT_EQ(catalog::english(number), nullptr);
        EXPECT_EQ(catalog::japanese(number), nullptr);
    }
}

bool isValidUtf8(const std::string& s)
{
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char lead = static_cast<unsigned char>(s[i]);
        size_t continuation = 0;
        if (lead > 0xF4)
            return false;
        if (lead >= 0xF0)
            continuation = 3;
        else if (lead >= 0xE0)
            continuation = 2;
        else if (lead >= 0xC2)
            continuation = 1;
        else if (lead >= 0x80)
            return false;
        if (i + continuation >= s.size() && continuation > 0)
            return false;
        for (size_t k = 1; k <= continuation; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += continuation + 1;
    }
    return true;
}

TEST(Catalog, EnglishIsAsciiAndJapaneseIsUtf8)
{
    for (int n = 0; n < catalog::kMessageCount; ++n) {
        SCOPED_TRACE(n);
        for (const char* p = catalog::english(n); *p; ++p)
            ASSERT_LT(static_cast<unsigned char>(*p), 0x80);
        ASSERT_TRUE(isValidUtf8(catalog::japanese(n)));
    }
}

} // namespace
