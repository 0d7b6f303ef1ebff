// 1-bit BMP file -> KRX picture in memory.
#include "krx/krx.h"
#include "krx/krx_geometry.h"
#include "krx/le_bytes.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct FileCloser
{
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

bool readAt(FILE* file, int64_t offset, unsigned char* buffer, size_t size)
{
    return offset >= 0 && offset <= INT64_C(0x7FFFFFFF) &&
           std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 &&
           std::fread(buffer, 1, size, file) == size;
}

// Reads the picture's rows, top row first, as packed rows in which a set bit is a dark pixel.
bool readPackedRows(FILE* file, int64_t pixelOffset, int width, int height, bool topDown, bool invert,
                    unsigned char* packed)
{
    const int64_t rowBytes = krx::rowBytes(width);
    const int64_t stride = krx::bmpStride(width);
    const unsigned char mask = krx::lastByteMask(width);
    for (int y = 0; y < height; ++y) {
        const int64_t storedRow = topDown ? y : height - 1 - y;
        unsigned char* row = packed + y * rowBytes;
        if (!readAt(file, pixelOffset + storedRow * stride, row, size_t(rowBytes)))
            return false;
        for (int64_t x = 0; x < rowBytes; ++x)
            if (invert)
                row[x] = static_cast<unsigned char>(~row[x]);
        row[rowBytes - 1] &= mask;
    }
    return true;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int gp_bmp2krx(const char* bmp_path, KrxHeader* header,
                                                                 unsigned char* data)
{
    if (!header || !data || header->data_size == 0)
        return -1;
    File file(bmp_path ? std::fopen(bmp_path, "rb") : nullptr);
    if (!file) {
        std::fputs("ファイルない\n", stdout);
        std::fflush(stdout);
        return -1;
    }

    unsigned char head[kFileHeaderSize + kInfoHeaderSize];
    if (!readAt(file.get(), 0, head, sizeof head) || krx::getU16(head) != 0x4D42)
        return -1;
    const uint32_t pixelOffset = krx::getU32(head + 10);
    const uint32_t infoSize = krx::getU32(head + 14);
    const auto width = static_cast<int32_t>(krx::getU32(head + 18));
    const auto storedHeight = static_cast<int32_t>(krx::getU32(head + 22));
    const uint16_t bitsPerPixel = krx::getU16(head + 28);
    if (bitsPerPixel != 1 || infoSize < kInfoHeaderSize)
        return -1;
    // A negative height marks rows stored top-down.
    const bool topDown = storedHeight < 0;
    const int64_t height = topDown ? -int64_t(storedHeight) : storedHeight;
    if (!krx::fitsBuffers(width, height))
        return -1;

    // The palette follows the info header, whatever its version; only the blue component of
    // entry 0 decides which index is dark: entry 0 black means index 0 is dark.
    unsigned char palette0[4];
    if (!readAt(file.get(), kFileHeaderSize + int64_t(infoSize), palette0, sizeof palette0))
        return -1;
    const bool invert = palette0[0] == 0;

    unsigned char packed[KRX_MAX_BUFFER] = {};
    if (!readPackedRows(file.get(), pixelOffset, width, int(height), topDown, invert, packed))
        return -1;

    // Transpose into pages of 8 rows: bit (y mod 8) of column byte k in page y / 8.
    const int64_t rowBytes = krx::rowBytes(width);
    const int64_t pageWidth = rowBytes * 8;
    unsigned char pages[KRX_MAX_BUFFER] = {};
    for (int64_t y = 0; y < height; ++y) {
        const auto bit = static_cast<unsigned char>(1u << (y % 8));
        const unsigned char* row = packed + y * rowBytes;
        for (int64_t k = 0; k < pageWidth; ++k)
            if (row[k / 8] & (0x80u >> (k % 8)))
                pages[(y / 8) * pageWidth + k] |= bit;
    }

    std::memcpy(header->magic, "KRX", 4);
    header->width = static_cast<uint16_t>(width);
    header->height = static_cast<uint16_t>(height);
    header->data_size = static_cast<uint32_t>(width * ((height - 1) / 8 + 1));
    for (int64_t page = 0; page < krx::pageCount(height); ++page)
        std::memcpy(data + page * width, pages + page * pageWidth, size_t(width));
    return 0;
}
