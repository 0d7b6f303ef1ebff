#include "krx/krx.h"
#include "tests/krx/bmp_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using namespace krxtest;

namespace {

class KrxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("krx_test_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    fs::path dir;
};

Pixels blank(int width, int height)
{
    return Pixels(size_t(height), std::vector<bool>(size_t(width), false));
}

Pixels randomPixels(int width, int height, unsigned seed)
{
    std::mt19937 rng(seed);
    Pixels px = blank(width, height);
    for (auto& row : px)
        for (size_t x = 0; x < row.size(); ++x)
            row[x] = rng() & 1;
    return px;
}

// The KRX pixel data of a picture: pages of 8 rows, one byte per column, bit 0 the top row.
std::vector<unsigned char> krxData(const Pixels& px)
{
    const size_t height = px.size(), width = px[0].size();
    std::vector<unsigned char> data(width * ((height + 7) / 8), 0);
    for (size_t y = 0; y < height; ++y)
        for (size_t x = 0; x < width; ++x)
            if (px[y][x])
                data[(y / 8) * width + x] |= uint8_t(1u << (y % 8));
    return data;
}

KrxHeader header(int width, int height, uint32_t dataSize)
{
    KrxHeader h{};
    std::memcpy(h.magic, "KRX", 4);
    h.width = uint16_t(width);
    h.height = uint16_t(height);
    h.data_size = dataSize;
    return h;
}

TEST_F(KrxTest, Krx2BmpWritesTheFixedHeaderAndBottomUpInvertedRows)
{
    Pixels px = blank(24, 16);
    px[0][0] = true;
    const auto data = krxData(px);
    ASSERT_EQ(data[0], 0x01);
    for (size_t i = 1; i < data.size(); ++i)
        ASSERT_EQ(data[i], 0) << i;

    const KrxHeader h = header(24, 16, 48);
    ASSERT_EQ(gp_krx2bmp(path("a.bmp").c_str(), &h, data.data()), 0);
    const auto bmp = readFile(path("a.bmp"));
    ASSERT_EQ(bmp.size(), 126u);
    const unsigned char expectedHeader[62] = {
        'B', 'M', 126, 0, 0,    0,    0,    0, 0,    0,    62, 0, 0, 0, // file header
        40,  0,   0,   0, 24,   0,    0,    0, 16,   0,    0,  0, 1, 0,
        1,   0,   0,   0, 0,    0, // info: size..compression
        64,  0,   0,   0, 0xC4, 0x0E, 0,    0, 0xC4, 0x0E, 0,  0, 0, 0,
        0,   0,   0,   0, 0,    0,              // image size..important
        0,   0,   0,   0, 0xFF, 0xFF, 0xFF, 0}; // palette black, white
    EXPECT_EQ(std::memcmp(bmp.data(), expectedHeader, 62), 0);
    // The top row is stored last: its first pixel dark (index 0), the rest light, then padding.
    const unsigned char topRow[4] = {0x7F, 0xFF, 0xFF, 0x00};
    EXPECT_EQ(std::memcmp(bmp.data() + 126 - 4, topRow, 4), 0);
    const unsigned char otherRow[4] = {0xFF, 0xFF, 0xFF, 0x00};
    EXPECT_EQ(std::memcmp(bmp.data() + 62, otherRow, 4), 0);
}

TEST_F(KrxTest, PageAndBitOrderForBottomRowAndShortLastPage)
{
    Pixels px = blank(24, 16);
    for (auto&& p : px[15])
        p = true;
    const auto data = krxData(px);
    writeFile(path("b.bmp"), makeBmp(px));
    KrxHeader h = header(0, 0, 256);
    std::array<unsigned char, 256> out{};
    ASSERT_EQ(gp_bmp2krx(path("b.bmp").c_str(), &h, out.data()), 0);
    for (int i = 0; i < 48; ++i)
        EXPECT_EQ(out[size_t(i)], i < 24 ? 0x00 : 0x80) << i;

    // Height 12: two pages, rows 12-15 of the second page stay clear.
    Pixels tall = blank(8, 12);
    for (auto& row : tall)
        row.assign(8, true);
    writeFile(path("c.bmp"), makeBmp(tall));
    ASSERT_EQ(gp_bmp2krx(path("c.bmp").c_str(), &h, out.data()), 0);
    EXPECT_EQ(h.data_size, 16u);
    EXPECT_EQ(out[0], 0xFF);
    EXPECT_EQ(out[8], 0x0F);
}

TEST_F(KrxTest, Bmp2KrxReadsTheBmpVariantsImageToolsWrite)
{
    struct Case
    {
        const char* name;
        int width, height;
        BmpOptions options;
    };
    const Case cases[] = {
        {"palette black first", 24, 16, {}},
        {"palette white first", 24, 16, {.darkIsIndex0 = false}},
        {"top-down", 24, 16, {.topDown = true}},
        {"top-down, white first", 24, 16, {.darkIsIndex0 = false, .topDown = true}},
        {"V5 info header", 24, 16, {.infoSize = 124}},
        {"V4 info header, white first", 24, 16, {.darkIsIndex0 = false, .infoSize = 108}},
        {"width 20, pad bits set", 20, 16, {.padFill = 0xFF}},
        {"width 33, height 9, pad bits set", 33, 9, {.darkIsIndex0 = false, .padFill = 0xA5}},
        {"1 x 1", 1, 1, {}},
    };
    for (const Case& c : cases) {
        const Pixels px = randomPixels(c.width, c.height, unsigned(c.width * 100 + c.height));
        writeFile(path("v.bmp"), makeBmp(px, c.options));
        KrxHeader h = header(0, 0, 256);
        std::array<unsigned char, 256> out{};
        ASSERT_EQ(gp_bmp2krx(path("v.bmp").c_str(), &h, out.data()), 0) << c.name;
        const auto expected = krxData(px);
        EXPECT_EQ(std::string(h.magic, 4), std::string("KRX\0", 4)) << c.name;
        EXPECT_EQ(h.width, c.width) << c.name;
        EXPECT_EQ(h.height, c.height) << c.name;
        EXPECT_EQ(h.data_size, expected.size()) << c.name;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), out.begin())) << c.name;
    }
}

TEST_F(KrxTest, RoundTripsBothWays)
{
    for (auto [width, height] : {std::pair{24, 16}, {20, 12}, {7, 3}, {64, 16}}) {
        // KRX -> BMP -> KRX keeps header and data.
        const auto data = krxData(randomPixels(width, height, unsigned(width + height)));
        const KrxHeader in = header(width, height, uint32_t(data.size()));
        ASSERT_EQ(gp_krx2bmp(path("r.bmp").c_str(), &in, data.data()), 0) << width << "x" << height;
        KrxHeader back = header(0, 0, 1);
        std::array<unsigned char, 256> out{};
        ASSERT_EQ(gp_bmp2krx(path("r.bmp").c_str(), &back, out.data()), 0);
        EXPECT_EQ(std::memcmp(&in, &back, 12), 0) << width << "x" << height;
        EXPECT_TRUE(std::equal(data.begin(), data.end(), out.begin())) << width << "x" << height;

        // BMP (black first, clean padding) -> KRX -> BMP keeps every pixel byte.
        const auto bmp = makeBmp(randomPixels(width, height, unsigned(width * height)));
        writeFile(path("s.bmp"), bmp);
        ASSERT_EQ(gp_bmp2krx(path("s.bmp").c_str(), &back, out.data()), 0);
        ASSERT_EQ(gp_krx2bmp(path("t.bmp").c_str(), &back, out.data()), 0);
        const auto again = readFile(path("t.bmp"));
        ASSERT_EQ(again.size(), bmp.size());
        EXPECT_TRUE(std::equal(bmp.begin() + 62, bmp.end(), again.begin() + 62)) << width << "x" << height;
    }
}

TEST_F(KrxTest, Krx2BmpRefusesBadHeadersAndWritesNothing)
{
    struct Case
    {
        int width, height;
        uint32_t dataSize;
    };
    const Case cases[] = {
        {24, 16, 47},      {24, 16, 49}, {0, 16, 0},
        {24, 0, 24},       {0, 0, 0},    {33 * 8, 8, 33 * 8}, // pages exceed the 256-byte buffer
        {8, 257, 8 * 33},                                     // rows exceed it
        {65535, 65535, 0}, // data size formula overflowing 32 bits must not match
    };
    std::vector<unsigned char> data(70000, 0);
    for (const Case& c : cases) {
        const KrxHeader h = header(c.width, c.height, c.dataSize);
        EXPECT_EQ(gp_krx2bmp(path("x.bmp").c_str(), &h, data.data()), -1) << c.width << "x" << c.height;
        EXPECT_FALSE(fs::exists(path("x.bmp")));
    }
    const KrxHeader good = header(24, 16, 48);
    EXPECT_EQ(gp_krx2bmp(path("no/such/folder.bmp").c_str(), &good, data.data()), -1);
}

TEST_F(KrxTest, Bmp2KrxRefusesBadFilesAndLeavesOutputsAlone)
{
    const Pixels px = randomPixels(24, 16, 7);
    const auto good = makeBmp(px);
    auto with32 = [&](size_t offset, uint32_t value) {
        auto v = good;
        for (int i = 0; i < 4; ++i)
            v[offset + size_t(i)] = uint8_t(value >> (8 * i));
        return v;
    };
    struct Case
    {
        const char* name;
        std::vector<unsigned char> bytes;
    };
    auto notBm = good;
    notBm[0] = 'X';
    std::vector<Case> cases = {
        {"4-bit", makeBmp(px, {.bitsPerPixel = 4})},
        {"24-bit", makeBmp(px, {.bitsPerPixel = 24})},
        {"not BM", notBm},
        {"empty file", {}},
        {"cut in header", {good.begin(), good.begin() + 30}},
        {"cut before palette", {good.begin(), good.begin() + 56}},
        {"cut in pixels", {good.begin(), good.end() - 2}},
        {"width 0", with32(18, 0)},
        {"width negative", with32(18, uint32_t(-24))},
        {"height 0", with32(22, 0)},
        {"height INT_MIN", with32(22, uint32_t(INT_MIN))},
        {"absurd width", with32(18, 0x7FFFFFFF)},
        {"absurd height", with32(22, 100000)},
        {"pixel offset past the end", with32(10, 0xFFFFFFF0)},
        {"core info header", with32(14, 12)},
    };
    for (const Case& c : cases) {
        writeFile(path("bad.bmp"), c.bytes);
        KrxHeader h = header(1, 2, 48);
        std::array<unsigned char, 256> out;
        out.fill(0x5A);
        EXPECT_EQ(gp_bmp2krx(path("bad.bmp").c_str(), &h, out.data()), -1) << c.name;
        EXPECT_EQ(h.width, 1) << c.name;
        EXPECT_EQ(h.height, 2) << c.name;
        EXPECT_EQ(out[0], 0x5A) << c.name;
    }

    // A data size of 0 on entry is refused before the file is looked at.
    writeFile(path("good.bmp"), good);
    KrxHeader h = header(0, 0, 0);
    std::array<unsigned char, 256> out{};
    EXPECT_EQ(gp_bmp2krx(path("good.bmp").c_str(), &h, out.data()), -1);
}

TEST_F(KrxTest, Bmp2KrxPrintsANoticeWhenTheFileIsMissing)
{
    KrxHeader h = header(0, 0, 48);
    std::array<unsigned char, 256> out{};
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(gp_bmp2krx(path("missing.bmp").c_str(), &h, out.data()), -1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "ファイルない\n");
}

} // namespace
