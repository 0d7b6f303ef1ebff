// Feeds arbitrary bytes as a profile data file to the series decoder and gap filler.
#include "reeflink/profile_series.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    reeflink::ProfileSeries series;
    if (reeflink::decodeProfileData(data, size, series) == 0) {
        // After filling, the main series holds no gap markers.
        for (int sample : series.main)
            if (sample == reeflink::kGapMarker)
                __builtin_trap();
    }
    return 0;
}
