// Builds small 1-bit BMP files in memory the way common image tools write them.
#ifndef KELPSET_TESTS_KRX_BMP_FIXTURE_H
#define KELPSET_TESTS_KRX_BMP_FIXTURE_H

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace krxtest {

// A monochrome picture: dark[y][x], y = 0 at the top.
using Pixels = std::vector<std::vector<bool>>;

struct BmpOptions
{
    bool darkIsIndex0 = true; // palette entry 0 black (else entry 0 white, index 1 dark)
    bool topDown = false;     // negative height, rows stored from the top
    uint32_t infoSize = 40;   // 108 or 124 for the later header versions
    uint16_t bitsPerPixel = 1;
    uint8_t padFill = 0x00; // value written into pad bits and row padding
};

inline void put16(std::vector<unsigned char>& v, uint32_t x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
inline void put32(std::vector<unsigned char>& v, uint32_t x)
{
    put16(v, x);
    put16(v, x >> 16);
}

inline std::vector<unsigned char> makeBmp(const Pixels& px, const BmpOptions& o = {})
{
    const int height = int(px.size());
    const int width = height ? int(px[0].size()) : 0;
    const int stride = (width + 31) / 32 * 4;
    const uint32_t offset = 14 + o.infoSize + 8;
    std::vector<unsigned char> v;
    put16(v, 0x4D42);
    put32(v, offset + uint32_t(stride * height));
    put32(v, 0);
    put32(v, offset);
    put32(v, o.infoSize);
    put32(v, uint32_t(width));
    put32(v, uint32_t(o.topDown ? -height : height));
    put16(v, 1);
    put16(v, o.bitsPerPixel);
    put32(v, 0);
    put32(v, uint32_t(stride * height));
    put32(v, 2835);
    put32(v, 2835);
    put32(v, 2);
    put32(v, 2);
    v.resize(14 + o.infoSize, 0);
    const uint32_t black = 0x00000000, white = 0x00FFFFFF;
    put32(v, o.darkIsIndex0 ? black : white);
    put32(v, o.darkIsIndex0 ? white : black);
    for (int i = 0; i < height; ++i) {
        const int y = o.topDown ? i : height - 1 - i;
        std::vector<unsigned char> row(size_t(stride), o.padFill);
        for (int x = 0; x < (width + 7) / 8 * 8; ++x) {
            const uint8_t bit = uint8_t(0x80 >> (x % 8));
            bool set;
            if (x < width)
                set = px[size_t(y)][size_t(x)] != o.darkIsIndex0; // a set bit is index 1
            else
                set = (o.padFill & bit) != 0;
            row[size_t(x / 8)] = uint8_t(set ? (row[size_t(x / 8)] | bit) : (row[size_t(x / 8)] & ~bit));
        }
        v.insert(v.end(), row.begin(), row.end());
    }
    return v;
}

inline void writeFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline std::vector<unsigned char> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace krxtest

#endif
