// Synchronous playback of PCM WAV files through the sound server: open, play to the end,
// close. Without a sound server or device it returns at once with an error.
#pragma once

#include <cstddef>
#include <cstdint>

struct WaveFormat
{
    uint16_t channels;
    uint32_t sampleRate;
    uint16_t bitsPerSample; // 8 (unsigned) or 16 (signed little-endian)
    size_t dataOffset;      // of the sample bytes within the file image
    size_t dataSize;        // whole frames only
};

enum WaveResult {
    WaveOk = 0,
    WaveCannotOpen = -1,
    WaveMalformed = -2,   // not a RIFF/WAVE image, or a chunk runs past the end
    WaveUnsupported = -3, // compressed, or a layout the player does not handle
    WaveNoAudio = -4,     // no sound server or device
    WavePlaybackFailed = -5,
};

// Reads the fmt and data chunks of a WAV file image, checking every length against the image.
int parse_wave(const uint8_t* bytes, size_t size, WaveFormat* format);
// Plays the file to its end. A WaveResult.
int play_wave_file(const char* path);
