// Sizes shared by both converters: BMP rows, KRX pages and the buffer limit.
#ifndef KELPSET_KRX_GEOMETRY_H
#define KELPSET_KRX_GEOMETRY_H

#include "krx/krx.h"

#include <cstdint>

namespace krx {

// Bytes that carry the pixels of one row, 8 pixels per byte, leftmost pixel in bit 7.
constexpr int64_t rowBytes(int64_t width)
{
    return (width + 7) / 8;
}

// Bytes per BMP row: the row bytes padded to a multiple of 4.
constexpr int64_t bmpStride(int64_t width)
{
    return (width + 31) / 32 * 4;
}

// Number of 8-row pages of a KRX picture.
constexpr int64_t pageCount(int64_t height)
{
    return (height + 7) / 8;
}

// Mask that clears the bits right of the last pixel in a row's last byte.
constexpr unsigned char lastByteMask(int64_t width)
{
    return static_cast<unsigned char>(0xFF << (7 - (width - 1) % 8));
}

// Whether a picture of this size fits the converters' fixed buffers (rows and pages alike).
constexpr bool fitsBuffers(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && height * rowBytes(width) <= KRX_MAX_BUFFER &&
           pageCount(height) * rowBytes(width) * 8 <= KRX_MAX_BUFFER;
}

} // namespace krx

#endif
