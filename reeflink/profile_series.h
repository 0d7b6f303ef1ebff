// The two sample series of a dive's profile data and their decoding from 16-bit words.
#ifndef KELPSET_REEFLINK_PROFILE_SERIES_H
#define KELPSET_REEFLINK_PROFILE_SERIES_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace reeflink {

// A sample with this value marks a gap in the recording.
constexpr int kGapMarker = 9999;
// Bound on either series so that a hostile data file cannot exhaust memory with repeat words.
constexpr size_t kMaxSeriesSamples = 4'000'000;

struct ProfileSeries
{
    std::vector<int> main;
    std::vector<int> second;
};

// Decodes little-endian words up to the end word 0xFFFF or the end of the bytes into `series`
// (emptied first) and fills the gaps of the main series. Returns 0, or -1004 when the bytes end
// inside a word or a series would exceed kMaxSeriesSamples.
int decodeProfileData(const unsigned char* bytes, size_t size, ProfileSeries& series);

// Replaces the gap markers of a main series by values stepping from the last valid sample
// before each gap towards the next one; a trailing gap repeats the last valid sample and a
// series with no valid sample before a gap starts from 1.
void fillGaps(std::vector<int>& samples);

} // namespace reeflink

#endif
