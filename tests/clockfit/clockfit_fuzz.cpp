// Feeds arbitrary bytes to the time-sync decoder; accepted data must re-encode to itself.
#include "clockfit/clockfit.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    unsigned char date[8], time[4];
    if (size > 4096 || rez_clockfit(data, static_cast<int>(size), date, time) != 0)
        return 0;
    unsigned char again[CLOCKFIT_FILE_SIZE];
    const int rc = rez_clockfit_encode(date[0] | date[1] << 8, date[3], date[2], date[4], time[1], time[0],
                                       time[2], time[3], again, sizeof again);
    // Reserved bytes are not checked, so only the covered fields must agree.
    if (rc != CLOCKFIT_FILE_SIZE || std::memcmp(again, data, 14) != 0)
        __builtin_trap();
    return 0;
}
