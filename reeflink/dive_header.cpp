// Decoding of the dive header.
#include "reeflink/dive_header.h"

#include <algorithm>
#include <cstdio>

namespace reeflink {

namespace {

constexpr int kTimeOffsets[5] = {9, 12, 15, 18, 21};

int u16(const unsigned char* p)
{
    return p[0] | p[1] << 8;
}

void putU16(unsigned char* p, int value)
{
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

int daysInMonth(int year, int month)
{
    if (month == 2)
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

double timeValue(const unsigned char* hms)
{
    return (hms[0] * 3600 + hms[1] * 60 + hms[2]) / 86400.0;
}

} // namespace

void clampDiveHeader(unsigned char* header)
{
    const int year = std::clamp(u16(header + 4), 1, 3000);
    putU16(header + 4, year);
    header[6] = static_cast<unsigned char>(std::clamp<int>(header[6], 1, 12));
    header[7] = static_cast<unsigned char>(std::clamp<int>(header[7], 1, daysInMonth(year, header[6])));
    for (int offset : kTimeOffsets) {
        header[offset] = std::min<unsigned char>(header[offset], 23);
        header[offset + 1] = std::min<unsigned char>(header[offset + 1], 59);
        header[offset + 2] = std::min<unsigned char>(header[offset + 2], 59);
    }
}

double dateValue(int year, int month, int day)
{
    // Days from the civil calendar, counted from 1 March of year 0, then shifted to 1899-12-30.
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long daysSinceEpoch1970 = long(era) * 146097 + dayOfEra - 719468;
    return double(daysSinceEpoch1970 + 25569);
}

void decodeDiveHeader(const unsigned char* header, RlDiveResult& result)
{
    result.flag_word = uint32_t(u16(header));
    result.unit = (header[0] & 0x40) ? 2 : 1;
    result.bit5_flag = (header[0] & 0x20) ? 0 : 1;
    result.word2 = uint32_t(u16(header + 2));
    result.date = dateValue(u16(header + 4), header[6], header[7]);
    result.byte8 = header[8];
    for (int i = 0; i < 5; ++i)
        result.time[i] = timeValue(header + kTimeOffsets[i]);
    result.word24 = uint32_t(u16(header + 24));
    result.word26 = static_cast<int16_t>(u16(header + 26));
    result.word28 = uint32_t(u16(header + 28));
}

std::string profileHeaderLine(const unsigned char* h, uint32_t callerValue)
{
    char line[512];
    std::snprintf(line, sizeof line,
                  "%c,%u,%u,%u,%u,%u,%u,%u,%u,%u,%u,%u,%u,%u,%u,%d,%u,%u,%u,%u,%u,%u,%u,%x,%x,%u",
                  (h[0] & 0x40) ? 'F' : 'M', unsigned(u16(h + 4)), unsigned(h[6]), unsigned(h[7]),
                  unsigned(h[8]), unsigned(h[9]), unsigned(h[10]), unsigned(h[11]), unsigned(h[12]),
                  unsigned(h[13]), unsigned(h[14]), unsigned(h[18]), unsigned(h[19]), unsigned(h[20]),
                  unsigned(u16(h + 24)), int(static_cast<int16_t>(u16(h + 26))), unsigned(u16(h + 28)),
                  unsigned(h[15]), unsigned(h[16]), unsigned(h[17]), unsigned(h[21]), unsigned(h[22]),
                  unsigned(h[23]), unsigned(callerValue), unsigned(h[0]), unsigned(u16(h + 2)));
    return line;
}

} // namespace reeflink
