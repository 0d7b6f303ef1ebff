// Owning handle of a C stdio file, closed when it goes out of scope.
#ifndef KELPSET_REEFLINK_FILE_HANDLE_H
#define KELPSET_REEFLINK_FILE_HANDLE_H

#include <cstdio>
#include <memory>

namespace reeflink {

struct FileCloser
{
    void operator()(FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

inline FileHandle openFile(const char* path, const char* mode)
{
    return FileHandle(path ? std::fopen(path, mode) : nullptr);
}

// Reads up to `size` bytes; returns the count, or -1 when the stream reports an error.
inline long readSome(FILE* file, void* buffer, size_t size)
{
    const size_t got = std::fread(buffer, 1, size, file);
    return std::ferror(file) ? -1 : static_cast<long>(got);
}

} // namespace reeflink

#endif
