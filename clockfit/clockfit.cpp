// Time-sync file codec: fixed 93-byte layout, see clockfit.h.
#include "clockfit/clockfit.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr unsigned char kMagic[4] = {'K', 'C', 'F', 'T'};
constexpr unsigned char kVersion = 1;
constexpr int kCrcOffset = 89;

constexpr std::array<uint32_t, 256> makeCrcTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr auto kCrcTable = makeCrcTable();

uint32_t crc32(const unsigned char* data, int size)
{
    uint32_t c = 0xFFFFFFFFu;
    for (int i = 0; i < size; ++i)
        c = kCrcTable[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool fieldsValid(int year, int month, int day, int dayOfWeek, int hour, int minute, int second)
{
    if (year < 1900 || year > 2099 || month < 1 || month > 12)
        return false;
    return day >= 1 && day <= daysInMonth(year, month) && dayOfWeek >= 0 && dayOfWeek <= 6 && hour >= 0 &&
           hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int rez_clockfit(const unsigned char* data, int length,
                                                                   unsigned char* date, unsigned char* time)
{
    if (!data || !date || !time || length != CLOCKFIT_FILE_SIZE)
        return -1;
    if (std::memcmp(data, kMagic, sizeof kMagic) != 0 || data[4] != kVersion)
        return -1;
    const uint32_t stored = uint32_t(data[kCrcOffset]) | uint32_t(data[kCrcOffset + 1]) << 8 |
                            uint32_t(data[kCrcOffset + 2]) << 16 | uint32_t(data[kCrcOffset + 3]) << 24;
    if (stored != crc32(data, kCrcOffset))
        return -1;
    const int year = data[5] | data[6] << 8;
    if (!fieldsValid(year, data[7], data[8], data[9], data[10], data[11], data[12]))
        return -1;
    date[0] = data[5];
    date[1] = data[6];
    date[2] = data[8];
    date[3] = data[7];
    date[4] = data[9];
    date[5] = date[6] = date[7] = 0;
    time[0] = data[11];
    time[1] = data[10];
    time[2] = data[12];
    time[3] = data[13];
    return 0;
}

extern "C" __attribute__((visibility("default"))) int
rez_clockfit_encode(int year, int month, int day, int day_of_week, int hour, int minute, int second,
                    int time_diff_byte, unsigned char* out, int out_size)
{
    if (!out || out_size < CLOCKFIT_FILE_SIZE || time_diff_byte < 0 || time_diff_byte > 255)
        return -1;
    if (!fieldsValid(year, month, day, day_of_week, hour, minute, second))
        return -1;
    unsigned char file[CLOCKFIT_FILE_SIZE] = {};
    std::memcpy(file, kMagic, sizeof kMagic);
    file[4] = kVersion;
    file[5] = static_cast<unsigned char>(year & 0xFF);
    file[6] = static_cast<unsigned char>(year >> 8);
    file[7] = static_cast<unsigned char>(month);
    file[8] = static_cast<unsigned char>(day);
    file[9] = static_cast<unsigned char>(day_of_week);
    file[10] = static_cast<unsigned char>(hour);
    file[11] = static_cast<unsigned char>(minute);
    file[12] = static_cast<unsigned char>(second);
    file[13] = static_cast<unsigned char>(time_diff_byte);
    const uint32_t crc = crc32(file, kCrcOffset);
    for (int i = 0; i < 4; ++i)
        file[kCrcOffset + i] = static_cast<unsigned char>(crc >> (8 * i));
    std::memcpy(out, file, sizeof file);
    return CLOCKFIT_FILE_SIZE;
}
