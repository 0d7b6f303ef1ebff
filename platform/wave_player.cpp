#include "platform/wave_player.h"

#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <iterator>
#include <pulse/simple.h>
#include <vector>

namespace {

uint32_t le32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t le16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

constexpr uint16_t kFormatPcm = 1;

// The sound server's client library is loaded on the first playback, not at program start:
// it brings a dozen codec libraries along that most runs never need.
struct PulseSimple
{
    decltype(&pa_simple_new) open = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_drain) drain = nullptr;
    decltype(&pa_simple_free) close = nullptr;
};

const PulseSimple* pulseSimple()
{
    static const PulseSimple loaded = [] {
        PulseSimple api;
        void* library = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return api;
        api.open = reinterpret_cast<decltype(&pa_simple_new)>(dlsym(library, "pa_simple_new"));
        api.write = reinterpret_cast<decltype(&pa_simple_write)>(dlsym(library, "pa_simple_write"));
        api.drain = reinterpret_cast<decltype(&pa_simple_drain)>(dlsym(library, "pa_simple_drain"));
        api.close = reinterpret_cast<decltype(&pa_simple_free)>(dlsym(library, "pa_simple_free"));
        return api;
    }();
    return loaded.open && loaded.write && loaded.drain && loaded.close ? &loaded : nullptr;
}
constexpr size_t kLargestFile = 64u << 20;

} // namespace

int parse_wave(const uint8_t* bytes, size_t size, WaveFormat* format)
{
    if (!bytes || !format || size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 ||
        std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return WaveMalformed;
    // A RIFF size shorter than the file limits the chunks; a longer one is a truncated file,
    // whose chunks are still checked against what is there.
    const size_t end = std::min<size_t>(size, size_t(le32(bytes + 4)) + 8);
    bool haveFormat = false;
    WaveFormat found{};
    size_t at = 12;
    while (end - at >= 8) {
        const uint8_t* header = bytes + at;
        const size_t length = le32(header + 4);
        const size_t body = at + 8;
        if (length > end - body)
            return WaveMalformed;
        if (std::memcmp(header, "fmt ", 4) == 0) {
            if (length < 16)
                return WaveMalformed;
            const uint8_t* f = bytes + body;
            if (le16(f) != kFormatPcm)
                return WaveUnsupported;
            found.channels = le16(f + 2);
            found.sampleRate = le32(f + 4);
            found.bitsPerSample = le16(f + 14);
            if (found.channels < 1 || found.channels > 2 || found.sampleRate < 1000 ||
                found.sampleRate > 192000 || (found.bitsPerSample != 8 && found.bitsPerSample != 16))
                return WaveUnsupported;
            haveFormat = true;
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (!haveFormat)
                return WaveMalformed;
            const size_t frame = size_t(found.channels) * (found.bitsPerSample / 8);
            found.dataOffset = body;
            found.dataSize = length - length % frame;
            *format = found;
            return WaveOk;
        }
        // Chunks are padded to an even length.
        const size_t next = body + length + (length & 1);
        if (next > end)
            break;
        at = next;
    }
    return WaveMalformed;
}

int play_wave_file(const char* path)
{
    if (!path)
        return WaveCannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return WaveCannotOpen;
    std::vector<uint8_t> bytes;
    std::istreambuf_iterator<char> it(in), endIt;
    for (; it != endIt && bytes.size() <= kLargestFile; ++it)
        bytes.push_back(static_cast<uint8_t>(*it));
    if (bytes.size() > kLargestFile)
        return WaveUnsupported;
    WaveFormat format{};
    if (const int rc = parse_wave(bytes.data(), bytes.size(), &format); rc != WaveOk)
        return rc;

    pa_sample_spec sampleFormat{};
    sampleFormat.format = format.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sampleFormat.rate = format.sampleRate;
    sampleFormat.channels = static_cast<uint8_t>(format.channels);
    const PulseSimple* pulse = pulseSimple();
    if (!pulse)
        return WaveNoAudio;
    int error = 0;
    pa_simple* stream = pulse->open(nullptr, "Kelpset", PA_STREAM_PLAYBACK, nullptr, "alarm sample", &sampleFormat,
                                    nullptr, nullptr, &error);
    if (!stream)
        return WaveNoAudio;
    int result = WaveOk;
    if (format.dataSize > 0 &&
        pulse->write(stream, bytes.data() + format.dataOffset, format.dataSize, &error) < 0)
        result = WavePlaybackFailed;
    else if (pulse->drain(stream, &error) < 0)
        result = WavePlaybackFailed;
    pulse->close(stream);
    return result;
}
