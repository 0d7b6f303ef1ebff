// Writes a fuzz input to a per-process temporary file for targets that take a path.
#ifndef KELPSET_TESTS_REEFLINK_FUZZ_TEMP_FILE_H
#define KELPSET_TESTS_REEFLINK_FUZZ_TEMP_FILE_H

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fuzzing {

inline std::string tempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / (std::string(name) + "." + std::to_string(::getpid())))
        .string();
}

inline void writeTemp(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return;
    if (size)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}

} // namespace fuzzing

#endif
