// Runs LoadProfile on a dive of 20,000 samples with gaps and repeats and prints the time per dive.
#include "reeflink/reeflink.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

void putWord(std::vector<unsigned char>& out, unsigned word)
{
    out.push_back(static_cast<unsigned char>(word));
    out.push_back(static_cast<unsigned char>(word >> 8));
}

// About 20,000 main samples: mostly plain depths, with runs of gap markers, some repeats and
// a second series every 60 samples.
std::vector<unsigned char> profileData()
{
    std::mt19937 rng(7);
    std::vector<unsigned char> words;
    int depth = 0, samples = 0;
    while (samples < 20000) {
        const unsigned r = rng() % 100;
        if (r < 5) {
            const int run = 1 + int(rng() % 8);
            for (int i = 0; i < run; ++i)
                putWord(words, 0x8000);
            samples += run;
        } else if (r < 8) {
            const int count = 1 + int(rng() % 5);
            putWord(words, 0x1000u | unsigned(count));
            samples += count;
        } else {
            depth = std::max(0, std::min(4095, depth + int(rng() % 21) - 10));
            putWord(words, unsigned(depth));
            ++samples;
        }
        if (samples % 60 == 0)
            putWord(words, 0x2000u | unsigned(rng() % 4096));
    }
    putWord(words, 0xFFFF);
    return words;
}

} // namespace

int main()
{
    const fs::path dir = fs::temp_directory_path() / ("dive_profile_bench." + std::to_string(::getpid()));
    fs::create_directories(dir);
    const auto data = profileData();
    std::ofstream(dir / "P0001.DAT", std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    std::vector<char> log(30, 0);
    log[4] = char(2026 & 0xFF);
    log[5] = char(2026 >> 8);
    log[6] = 12;
    log[7] = 11;
    const std::string name = "P0001.DAT";
    log.insert(log.end(), name.begin(), name.end());
    log.push_back(0);
    std::ofstream(dir / "REEF0001.LOG", std::ios::binary).write(log.data(), std::streamsize(log.size()));

    const std::string logPath = (dir / "REEF0001.LOG").string();
    constexpr int kRuns = 50;
    RlDiveResult result{};
    char tmpPath[RL_PATH_SIZE];
    const auto start = Clock::now();
    for (int i = 0; i < kRuns; ++i)
        if (LoadProfile(logPath.c_str(), &result, tmpPath) < 0) {
            std::fprintf(stderr, "LoadProfile failed\n");
            return 1;
        }
    const auto end = Clock::now();
    std::ifstream text(tmpPath);
    const auto lines =
        std::count(std::istreambuf_iterator<char>(text), std::istreambuf_iterator<char>(), '\n');
    fs::remove_all(dir);
    const double ms = std::chrono::duration<double, std::milli>(end - start).count();
    std::printf("%zu data bytes, %ld text lines; %d runs: %.2f ms per dive\n", data.size(), long(lines),
                kRuns, ms / kRuns);
    return 0;
}
