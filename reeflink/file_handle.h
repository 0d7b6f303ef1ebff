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

// Fills `buffer` with the first `size` bytes of the file at `path`: 0, -1001 when the file
// cannot be opened, -1004 when it is shorter or cannot be read.
inline int readFirstBytes(const char* path, void* buffer, size_t size)
{
    FileHandle file = openFile(path, "rb");
    if (!file)
        return -1001;
    return readSome(file.get(), buffer, size) == static_cast<long>(size) ? 0 : -1004;
}

} // namespace reeflink

#endif
