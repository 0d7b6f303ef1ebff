// Writes the alarm samples AL1.WAV .. AL15.WAV into the folder given as the only argument:
// short, distinct beep patterns like those of the watch, as 16-bit mono PCM.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Note
{
    double frequency; // Hz; 0 is a rest
    int milliseconds;
    double overtone = 0.0; // share of the octave above, for a brighter timbre
};

using Pattern = std::vector<Note>;

// Fifteen patterns: single beeps, doubles, triples, rising and falling runs, trills and chimes.
const Pattern kPatterns[15] = {
    {{2048, 120}, {0, 120}, {2048, 120}, {0, 120}, {2048, 120}, {0, 120}, {2048, 120}},
    {{2048, 60},
     {0, 40},
     {2048, 60},
     {0, 300},
     {2048, 60},
     {0, 40},
     {2048, 60},
     {0, 300},
     {2048, 60},
     {0, 40},
     {2048, 60}},
    {{1760, 80},
     {0, 40},
     {1760, 80},
     {0, 40},
     {1760, 80},
     {0, 300},
     {1760, 80},
     {0, 40},
     {1760, 80},
     {0, 40},
     {1760, 80}},
    {{1047, 140, 0.3}, {1319, 140, 0.3}, {1568, 140, 0.3}, {2093, 280, 0.3}},
    {{2093, 140, 0.3}, {1568, 140, 0.3}, {1319, 140, 0.3}, {1047, 280, 0.3}},
    {{2637, 50},
     {2093, 50},
     {2637, 50},
     {2093, 50},
     {2637, 50},
     {2093, 50},
     {0, 250},
     {2637, 50},
     {2093, 50},
     {2637, 50},
     {2093, 50},
     {2637, 50},
     {2093, 50}},
    {{880, 400, 0.5}, {0, 150}, {880, 400, 0.5}},
    {{1568, 200, 0.2}, {1319, 200, 0.2}, {0, 200}, {1568, 200, 0.2}, {1319, 200, 0.2}},
    {{3136, 40},
     {0, 80},
     {3136, 40},
     {0, 80},
     {3136, 40},
     {0, 80},
     {3136, 40},
     {0, 80},
     {3136, 40},
     {0, 80},
     {3136, 40},
     {0, 80},
     {3136, 40}},
    {{1175, 160, 0.4}, {1480, 160, 0.4}, {1760, 160, 0.4}, {1480, 160, 0.4}, {1175, 320, 0.4}},
    {{2349, 90}, {0, 60}, {1760, 90}, {0, 60}, {2349, 90}, {0, 60}, {1760, 90}},
    {{1319, 600, 0.6}, {0, 100}, {1047, 600, 0.6}},
    {{2794, 70},
     {2349, 70},
     {1976, 70},
     {1568, 70},
     {0, 200},
     {2794, 70},
     {2349, 70},
     {1976, 70},
     {1568, 70}},
    {{1047, 100},
     {0, 50},
     {1047, 100},
     {0, 50},
     {1568, 300, 0.3},
     {0, 200},
     {1047, 100},
     {0, 50},
     {1047, 100},
     {0, 50},
     {1568, 300, 0.3}},
    {{2093, 250, 0.5}, {2637, 250, 0.5}, {3136, 250, 0.5}, {4186, 500, 0.5}},
};

std::vector<int16_t> render(const Pattern& pattern)
{
    std::vector<int16_t> samples;
    for (const Note& note : pattern) {
        const int count = kRate * note.milliseconds / 1000;
        // Short fades at both ends keep the beeps free of clicks.
        const int fade = std::min(count / 4, kRate * 5 / 1000);
        for (int i = 0; i < count; ++i) {
            double value = 0.0;
            if (note.frequency > 0) {
                const double t = double(i) / kRate;
                value = std::sin(2 * std::numbers::pi * note.frequency * t) +
                        note.overtone * std::sin(4 * std::numbers::pi * note.frequency * t);
                value /= 1.0 + note.overtone;
                double envelope = 1.0;
                if (i < fade)
                    envelope = double(i) / fade;
                else if (i >= count - fade)
                    envelope = double(count - i) / fade;
                value *= envelope * 0.45;
            }
            samples.push_back(static_cast<int16_t>(std::lround(value * 32767)));
        }
    }
    return samples;
}

void put32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}
void put16(std::string& out, uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

std::string wave(const std::vector<int16_t>& samples)
{
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    put32(out, 36 + dataSize);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, dataSize);
    for (int16_t s : samples)
        put16(out, static_cast<uint16_t>(s));
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    for (int n = 1; n <= 15; ++n) {
        const std::string path = std::string(argv[1]) + "/AL" + std::to_string(n) + ".WAV";
        std::ofstream file(path, std::ios::binary);
        file << wave(render(kPatterns[n - 1]));
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
