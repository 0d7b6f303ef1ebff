// Decoding of profile data words and gap filling of the main series.
#include "reeflink/profile_series.h"

#include <algorithm>
#include <cstdlib>

namespace reeflink {

namespace {

constexpr uint16_t kEndWord = 0xFFFF;

// Appends `count` copies of the last valid main sample (or of 1 on an empty series, where
// even a count of 0 adds one sample).
void repeatLastSample(std::vector<int>& main, size_t count)
{
    if (main.empty()) {
        main.insert(main.end(), std::max<size_t>(count, 1), 1);
        return;
    }
    size_t index = main.size() - 1;
    while (index > 0 && main[index] == kGapMarker)
        --index;
    if (main[index] == kGapMarker)
        main[index] = 1;
    main.insert(main.end(), count, main[index]);
}

// One step from `value` towards `target`, never passing it.
int moveTowards(int value, int target, int step)
{
    return value > target ? std::max(value - step, target) : std::min(value + step, target);
}

} // namespace

void fillGaps(std::vector<int>& samples)
{
    if (samples.empty())
        return;
    size_t last = 0; // index of the last valid sample L (the first sample to begin with)
    size_t run = 0;  // gap markers since L
    for (size_t i = 1; i < samples.size(); ++i) {
        if (samples[i] == kGapMarker) {
            ++run;
            continue;
        }
        if (samples[last] == kGapMarker) // the series began with a gap
            samples[last] = 1;
        if (run > 0) {
            const int from = samples[last];
            const int to = samples[i];
            const int intervals = static_cast<int>(std::min<size_t>(run + 1, kMaxSeriesSamples + 1));
            const int difference = from - to;
            const int step = std::abs(difference / intervals) + (difference % intervals >= 5 ? 1 : 0);
            int value = from;
            for (size_t k = last + 1; k < i; ++k) {
                value = moveTowards(value, to, step);
                samples[k] = value;
            }
        }
        last = i;
        run = 0;
    }
    if (samples[last] == kGapMarker)
        samples[last] = 1;
    std::fill(samples.begin() + static_cast<std::ptrdiff_t>(last) + 1, samples.end(), samples[last]);
}

int decodeProfileData(const unsigned char* bytes, size_t size, ProfileSeries& series)
{
    series.main.clear();
    series.second.clear();
    series.main.reserve(2160);
    series.second.reserve(36);
    size_t offset = 0;
    for (; offset + 2 <= size; offset += 2) {
        const uint16_t word = static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
        if (word == kEndWord)
            break;
        const int operand = word & 0x0FFF;
        switch (word >> 12) {
        case 0x0:
            series.main.push_back(operand);
            break;
        case 0x1:
            repeatLastSample(series.main, static_cast<size_t>(operand));
            break;
        case 0x2:
            series.second.push_back(operand & 0x800 ? operand - 4096 : operand);
            break;
        case 0x8:
            series.main.push_back(kGapMarker);
            break;
        case 0xA:
            series.second.push_back(kGapMarker);
            break;
        default:
            break;
        }
        if (series.main.size() > kMaxSeriesSamples || series.second.size() > kMaxSeriesSamples)
            return -1004;
    }
    if (offset + 1 == size) // the data ends inside a word
        return -1004;
    fillGaps(series.main);
    return 0;
}

} // namespace reeflink
