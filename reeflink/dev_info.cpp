// Device information file: two 12-byte texts and two 4-byte codes in 46 bytes.
#include "reeflink/export.h"
#include "reeflink/file_handle.h"
#include "reeflink/reeflink.h"

#include <cstring>

namespace {

constexpr int kDevInfoSize = 46;

// Copies a text field up to its first zero byte, never past the field's end.
void copyText(char* out, const unsigned char* field, size_t width)
{
    size_t n = 0;
    while (n < width && field[n] != 0)
        ++n;
    std::memcpy(out, field, n);
    out[n] = '\0';
}

void appendHex(char* out, unsigned char byte)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out[0] = kDigits[byte >> 4];
    out[1] = kDigits[byte & 0x0F];
}

} // namespace

RL_EXPORT int LoadDevInfo(const char* path, RlDevInfo* info)
{
    using namespace reeflink;
    unsigned char data[kDevInfoSize] = {};
    if (const int result = readFirstBytes(path, data, sizeof data); result != 0)
        return result;
    if (!info)
        return 0;
    copyText(info->first_text, data + 8, 12);
    copyText(info->second_text, data + 20, 12);
    for (int i = 0; i < 4; ++i) {
        appendHex(info->first_code_text + 2 * i, data[32 + i]);
        appendHex(info->second_code_text + 2 * i, data[44 - i]);
    }
    info->first_code_text[8] = '\0';
    info->second_code_text[8] = '\0';
    info->second_code =
        uint32_t(data[41]) | uint32_t(data[42]) << 8 | uint32_t(data[43]) << 16 | uint32_t(data[44]) << 24;
    return 0;
}
