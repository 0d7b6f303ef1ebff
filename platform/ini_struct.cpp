#include "platform/ini_struct.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace platform {
namespace {

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

void append_hex(std::string& out, uint8_t byte)
{
    static const char digits[] = "0123456789ABCDEF";
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

} // namespace

std::string ini_encode_struct(const void* data, int size)
{
    std::string out;
    if (size < 0)
        return out;
    const auto* bytes = static_cast<const uint8_t*>(data);
    uint8_t sum = 0;
    out.reserve(static_cast<size_t>(size) * 2 + 2);
    for (int i = 0; i < size; ++i) {
        append_hex(out, bytes[i]);
        sum = static_cast<uint8_t>(sum + bytes[i]);
    }
    append_hex(out, sum);
    return out;
}

bool ini_decode_struct(std::string_view text, void* data, int size)
{
    if (size < 0 || text.size() != (static_cast<size_t>(size) + 1) * 2)
        return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(size) + 1);
    for (size_t i = 0; i < bytes.size(); ++i) {
        int high = hex_digit(text[2 * i]);
        int low = hex_digit(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    uint8_t sum = 0;
    for (int i = 0; i < size; ++i)
        sum = static_cast<uint8_t>(sum + bytes[static_cast<size_t>(i)]);
    if (sum != bytes.back())
        return false;
    if (size > 0)
        std::memcpy(data, bytes.data(), static_cast<size_t>(size));
    return true;
}

} // namespace platform
