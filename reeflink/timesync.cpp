// timesync.wsy: read 93 bytes and let the time-sync decoder interpret them.
#include "clockfit/clockfit.h"
#include "reeflink/export.h"
#include "reeflink/file_handle.h"
#include "reeflink/reeflink.h"

RL_EXPORT int LoadTimesync(const char* path, RlTimeRecord* time, int32_t* time_difference)
{
    using namespace reeflink;
    unsigned char data[CLOCKFIT_FILE_SIZE] = {};
    if (const int result = readFirstBytes(path, data, sizeof data); result != 0)
        return result;
    unsigned char date[8] = {};
    unsigned char clock[4] = {};
    if (rez_clockfit(data, CLOCKFIT_FILE_SIZE, date, clock) == -1)
        return -5202;
    if (!time || !time_difference)
        return 0;
    time->year = static_cast<uint16_t>(date[0] | date[1] << 8);
    time->month = date[3];
    time->day_of_week = date[4];
    time->day = date[2];
    // The clock bytes are signed; widening keeps their sign as the 16-bit pattern.
    time->hour = static_cast<uint16_t>(static_cast<signed char>(clock[1]));
    time->minute = static_cast<uint16_t>(static_cast<signed char>(clock[0]));
    time->second = static_cast<uint16_t>(static_cast<signed char>(clock[2]));
    time->milliseconds = 0;
    // Bits 0-6: signed 7-bit count of half hours; bit 7 adds one more.
    const int low = clock[3] & 0x7F;
    *time_difference = (low >= 64 ? low - 128 : low) + ((clock[3] & 0x80) ? 1 : 0);
    return 0;
}
