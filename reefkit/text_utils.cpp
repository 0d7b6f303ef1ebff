// Byte-string utilities: line ends, blanks and double-byte (Shift_JIS) characters.
#include "reefkit/reefkit.h"

#include <cstring>

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

// First bytes of a pair as the cutting rule counts them.
bool starts_pair(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFD);
}

// Lead bytes of code page 932.
bool cp932_lead_byte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

} // namespace

extern "C" {

int set_null(char* text)
{
    if (!text)
        return 0;
    size_t len = std::strlen(text);
    if (len == 0 || text[len - 1] != '\n')
        return 0;
    int removed = 1;
    text[--len] = '\0';
    while (removed < 3 && len > 0 && text[len - 1] == '\r') {
        text[--len] = '\0';
        ++removed;
    }
    return removed;
}

int adjust_string(char* text, int maximum)
{
    if (!text)
        return 0;
    int taken = 0;
    bool awaiting_second = false;
    while (taken < maximum && text[taken] != '\0') {
        if (awaiting_second)
            awaiting_second = false;
        else if (starts_pair(static_cast<unsigned char>(text[taken])))
            awaiting_second = true;
        ++taken;
    }
    if (awaiting_second)
        --taken; // never leave half a character
    text[taken] = '\0';
    return taken;
}

char* blk_skip(const char* text)
{
    if (!text)
        return nullptr;
    while (is_blank(*text))
        ++text;
    return const_cast<char*>(text);
}

void blk_del(char* text)
{
    if (!text)
        return;
    size_t len = std::strlen(text);
    while (len > 1 && is_blank(text[len - 1]))
        --len;
    text[len] = '\0';
}

int str_multibyte(const char* text)
{
    if (!text)
        return 0;
    for (; *text; ++text)
        if (cp932_lead_byte(static_cast<unsigned char>(*text)))
            return 1;
    return 0;
}

} // extern "C"
