// KRX picture in memory -> 1-bit BMP file.
#include "krx/krx.h"
#include "krx/krx_geometry.h"
#include "krx/le_bytes.h"

#include <cstdio>
#include <vector>

namespace {

constexpr uint32_t kBmpHeaderSize = 62;
constexpr uint32_t kPixelsPerMetre = 3780;

void appendHeader(std::vector<unsigned char>& out, int width, int height, uint32_t imageSize)
{
    krx::putU16(out, 0x4D42);
    krx::putU32(out, kBmpHeaderSize + imageSize);
    krx::putU16(out, 0);
    krx::putU16(out, 0);
    krx::putU32(out, kBmpHeaderSize);
    krx::putU32(out, 40);
    krx::putU32(out, static_cast<uint32_t>(width));
    krx::putU32(out, static_cast<uint32_t>(height));
    krx::putU16(out, 1);
    krx::putU16(out, 1);
    krx::putU32(out, 0);
    krx::putU32(out, imageSize);
    krx::putU32(out, kPixelsPerMetre);
    krx::putU32(out, kPixelsPerMetre);
    krx::putU32(out, 0);
    krx::putU32(out, 0);
    krx::putU32(out, 0x00000000); // palette entry 0: black
    krx::putU32(out, 0x00FFFFFF); // palette entry 1: white
}

} // namespace

extern "C" __attribute__((visibility("default"))) int
gp_krx2bmp(const char* bmp_path, const KrxHeader* header, const unsigned char* data)
{
    if (!bmp_path || !header || !data)
        return -1;
    const int width = header->width;
    const int height = header->height;
    if (uint64_t(width) * uint64_t((height - 1) / 8 + 1) != header->data_size)
        return -1;
    if (!krx::fitsBuffers(width, height))
        return -1;

    const int rowBytes = static_cast<int>(krx::rowBytes(width));
    const int stride = static_cast<int>(krx::bmpStride(width));
    const unsigned char mask = krx::lastByteMask(width);
    std::vector<unsigned char> out;
    out.reserve(kBmpHeaderSize + size_t(stride) * height);
    appendHeader(out, width, height, uint32_t(stride) * uint32_t(height));

    // Bottom row first; each row unpacked from bit (row mod 8) of its page's column bytes and
    // inverted so that a dark pixel becomes palette index 0 (black).
    for (int row = height - 1; row >= 0; --row) {
        const unsigned char* page = data + size_t(row / 8) * width;
        unsigned char packed[KRX_MAX_BUFFER] = {};
        for (int x = 0; x < width; ++x)
            if (page[x] & (1u << (row % 8)))
                packed[x / 8] |= static_cast<unsigned char>(0x80u >> (x % 8));
        for (int i = 0; i < rowBytes; ++i) {
            unsigned char byte = static_cast<unsigned char>(~packed[i]);
            if (i == rowBytes - 1)
                byte &= mask;
            out.push_back(byte);
        }
        out.insert(out.end(), size_t(stride - rowBytes), 0);
    }

    FILE* file = std::fopen(bmp_path, "wb");
    if (!file)
        return -1;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed ? 0 : -1;
}
