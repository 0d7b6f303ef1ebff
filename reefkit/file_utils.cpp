// Copying and moving files, copying the files of a folder.
#include "reefkit/reefkit.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void message_to_stderr(const char* text, const char* title)
{
    std::fprintf(stderr, "%s: %s\n", title, text);
}

std::atomic<reef_message_hook> message_hook{message_to_stderr};

void show_message(const char* text, const char* title)
{
    message_hook.load()(text, title);
}

constexpr size_t kChunk = 2048;

ssize_t read_chunk(int fd, char* buffer)
{
    ssize_t n;
    do
        n = ::read(fd, buffer, kChunk);
    while (n < 0 && errno == EINTR);
    return n;
}

bool write_chunk(int fd, const char* data, size_t size)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

int copy_open_files(int in, int out)
{
    char buffer[kChunk];
    for (;;) {
        ssize_t n = read_chunk(in, buffer);
        if (n == 0)
            return 0;
        if (n < 0)
            return -16;
        if (!write_chunk(out, buffer, static_cast<size_t>(n)))
            return -15;
    }
}

bool is_folder(const char* path)
{
    struct stat st;
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

extern "C" {

void reef_set_message_hook(reef_message_hook hook)
{
    message_hook.store(hook ? hook : message_to_stderr);
}

int ffcopy(const char* source, const char* target)
{
    if (!source || !target)
        return -12;
    int in = ::open(source, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return -12;
    struct stat from;
    struct stat to;
    // A folder is not a file to copy; and a file copied onto itself would be truncated
    // before it is read, losing it.
    if (::fstat(in, &from) != 0 || S_ISDIR(from.st_mode) ||
        (::stat(target, &to) == 0 && to.st_dev == from.st_dev && to.st_ino == from.st_ino)) {
        ::close(in);
        return -12;
    }
    int out = ::open(target, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0) {
        ::close(in);
        return -12;
    }
    int result = copy_open_files(in, out);
    ::close(in);
    if (::close(out) != 0 && result == 0)
        result = -15;
    return result;
}

int ffmove(const char* source, const char* target)
{
    int result = ffcopy(source, target);
    if (result == 0)
        ::unlink(source);
    return result;
}

int CopyDir(const char* source, const char* target)
{
    if (!source || !target || !is_folder(source)) {
        show_message("ディレクトリが無い", source ? source : "");
        return 0;
    }
    DIR* dir = ::opendir(source);
    if (!dir) {
        show_message("ファイルが無い", "");
        return 0;
    }
    int result = 1;
    while (dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        std::string from = std::string(source) + "/" + entry->d_name;
        std::string to = std::string(target) + "/" + entry->d_name;
        if (ffcopy(from.c_str(), to.c_str()) != 0) {
            show_message(from.c_str(), to.c_str());
            result = 0;
            break;
        }
    }
    ::closedir(dir);
    return result;
}

} // extern "C"
