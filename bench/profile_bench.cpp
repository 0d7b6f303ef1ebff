// Reads every key of 100 city group files (31 cities each) through Reefkit, once with the
// profile read cache and once re-reading and re-parsing the file on every call, and prints
// the time of each pass, their ratio, and the cost of the stat() that every cached read makes.
#include "platform/profile.h"
#include "reefkit/reefkit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFiles = 100;
constexpr int kCities = 31;

std::vector<std::string> make_group_files(const std::filesystem::path& folder)
{
    std::vector<std::string> files;
    for (int f = 0; f < kFiles; ++f) {
        char name[32];
        std::snprintf(name, sizeof name, "CITY%04d.CTY", f);
        std::string path = (folder / name).string();
        std::ofstream out(path, std::ios::binary);
        out << "[Config]\r\nName=Group " << f << "\r\nCount=" << kCities << "\r\n\r\n[Name]\r\n";
        for (int c = 0; c < kCities; ++c)
            out << c << "=City number " << c << "\r\n";
        out << "\r\n[Time]\r\n";
        for (int c = 0; c < kCities; ++c)
            out << c << "=" << (c * 3) % 103 << "\r\n";
        files.push_back(path);
    }
    return files;
}

// One pass over every key of every file; returns seconds and a checksum of what was read.
double read_all(const std::vector<std::string>& files, long& checksum)
{
    auto start = std::chrono::steady_clock::now();
    for (const std::string& file : files) {
        int count = get_prof_int("Config", "Count", 10, file.c_str());
        for (int c = 0; c < count; ++c) {
            char key[12];
            std::snprintf(key, sizeof key, "%d", c);
            char name[REEF_PATH_SIZE];
            checksum += get_prof_string("Name", key, file.c_str(), sizeof name, name);
            checksum += get_prof_time("Time", key, file.c_str());
        }
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The floor of a cached read: the cache proves each file unchanged with one stat().
double stat_seconds(const std::vector<std::string>& files)
{
    struct stat st;
    auto start = std::chrono::steady_clock::now();
    for (const std::string& file : files)
        for (int i = 0; i < 1 + 2 * kCities; ++i)
            ::stat(file.c_str(), &st);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "profile-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return 1;
    std::filesystem::path folder = pattern;
    auto files = make_group_files(folder);
    const int reads = kFiles * (1 + 2 * kCities);

    // Both kinds of pass alternate, so that a machine busy with other work slows both alike.
    constexpr int kRounds = 7;
    long cached_sum = 0;
    long uncached_sum = 0;
    double uncached = 1e9;
    double cached = 1e9;
    double stats = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        platform::profile_set_cache_enabled(false);
        uncached = std::min(uncached, read_all(files, uncached_sum));
        platform::profile_set_cache_enabled(true);
        long fill_sum = 0;
        read_all(files, fill_sum);
        cached = std::min(cached, read_all(files, cached_sum));
        stats = std::min(stats, stat_seconds(files));
    }

    std::printf("profile_bench: %d files x %d cities, %d reads per pass (best of %d)\n", kFiles, kCities,
                reads, kRounds);
    std::printf("  re-read and re-parse on every call: %9.3f ms  (%6.2f us/read)\n", uncached * 1e3,
                uncached * 1e6 / reads);
    std::printf("  with the read cache:                %9.3f ms  (%6.2f us/read)\n", cached * 1e3,
                cached * 1e6 / reads);
    std::printf("  of which one stat() per read:       %9.3f ms  (%6.2f us/read)\n", stats * 1e3,
                stats * 1e6 / reads);
    std::printf("  speed-up: %.1fx%s\n", uncached / cached,
                cached_sum == uncached_sum ? "" : "  (RESULTS DIFFER)");
    std::filesystem::remove_all(folder);
    return cached_sum == uncached_sum ? 0 : 1;
}
