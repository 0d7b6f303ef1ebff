// Splits a maximal daily series (one 24 x 5856 KRX file, 17,568 bytes of data) into its 366
// pictures of 48 bytes, converts each to a BMP file and back, and prints the times.
#include "krx/krx.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

int main()
{
    constexpr int kPictures = 366;
    constexpr int kPictureBytes = 48;
    std::vector<unsigned char> series(size_t(kPictures) * kPictureBytes);
    std::mt19937 rng(42);
    for (auto& b : series)
        b = static_cast<unsigned char>(rng());

    const fs::path dir = fs::temp_directory_path() / ("krx_series_bench." + std::to_string(::getpid()));
    fs::create_directories(dir);
    KrxHeader picture{};
    std::memcpy(picture.magic, "KRX", 4);
    picture.width = 24;
    picture.height = 16;
    picture.data_size = kPictureBytes;

    const auto start = Clock::now();
    for (int n = 0; n < kPictures; ++n) {
        const std::string path = (dir / ("DAILY" + std::to_string(n) + ".BMP")).string();
        if (gp_krx2bmp(path.c_str(), &picture, series.data() + size_t(n) * kPictureBytes) != 0) {
            std::fprintf(stderr, "gp_krx2bmp failed on picture %d\n", n);
            return 1;
        }
    }
    const auto written = Clock::now();
    std::vector<unsigned char> back(series.size());
    for (int n = 0; n < kPictures; ++n) {
        const std::string path = (dir / ("DAILY" + std::to_string(n) + ".BMP")).string();
        KrxHeader header{};
        header.data_size = KRX_MAX_BUFFER;
        unsigned char data[KRX_MAX_BUFFER];
        if (gp_bmp2krx(path.c_str(), &header, data) != 0 || header.data_size != kPictureBytes) {
            std::fprintf(stderr, "gp_bmp2krx failed on picture %d\n", n);
            return 1;
        }
        std::memcpy(back.data() + size_t(n) * kPictureBytes, data, kPictureBytes);
    }
    const auto read = Clock::now();
    fs::remove_all(dir);

    const bool same = back == series;
    auto us = [](Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); };
    std::printf("%d pictures, round trip %s\n", kPictures, same ? "identical" : "DIFFERS");
    std::printf("KRX -> BMP: %.0f us total, %.1f us per picture\n", us(written - start),
                us(written - start) / kPictures);
    std::printf("BMP -> KRX: %.0f us total, %.1f us per picture\n", us(read - written),
                us(read - written) / kPictures);
    return same ? 0 : 1;
}
