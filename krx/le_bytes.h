// Little-endian field access for the BMP and KRX layouts.
#ifndef KELPSET_KRX_LE_BYTES_H
#define KELPSET_KRX_LE_BYTES_H

#include <cstdint>
#include <vector>

namespace krx {

inline void putU16(std::vector<unsigned char>& out, uint16_t value)
{
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

inline void putU32(std::vector<unsigned char>& out, uint32_t value)
{
    putU16(out, static_cast<uint16_t>(value));
    putU16(out, static_cast<uint16_t>(value >> 16));
}

inline uint16_t getU16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline uint32_t getU32(const unsigned char* p)
{
    return uint32_t(getU16(p)) | uint32_t(getU16(p + 2)) << 16;
}

} // namespace krx

#endif
