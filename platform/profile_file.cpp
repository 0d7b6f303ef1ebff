#include "platform/profile_file.h"

#include "platform/profile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace platform {
namespace {

struct FileIdentity
{
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};

    static FileIdentity of(const struct stat& st) { return {st.st_dev, st.st_ino, st.st_size, st.st_mtim}; }
    bool operator==(const FileIdentity& o) const
    {
        return dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec;
    }
};

struct CacheEntry
{
    FileIdentity identity;
    std::shared_ptr<const IniDocument> doc;
};

// Enough for every profile file a program of the family touches; cleared when exceeded.
constexpr size_t kCacheLimit = 512;

// Looks paths up as they come from the caller, without building a string per read.
struct PathHash
{
    using is_transparent = void;
    size_t operator()(std::string_view path) const { return std::hash<std::string_view>{}(path); }
};

std::mutex cache_mutex;
std::unordered_map<std::string, CacheEntry, PathHash, std::equal_to<>> cache;
bool cache_enabled = true;

class Fd
{
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool read_all(int fd, std::string& out)
{
    char buffer[16384];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        out.append(buffer, static_cast<size_t>(n));
    }
}

bool write_all(int fd, std::string_view data)
{
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Reads and parses an open file; its identity comes from the same descriptor, so the
// document and the identity always belong together.
bool read_document(int fd, IniDocument& doc, FileIdentity& identity)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    std::string text;
    if (!read_all(fd, text))
        return false;
    doc = IniDocument::parse(text);
    identity = FileIdentity::of(st);
    return true;
}

void cache_store(const std::string& path, const FileIdentity& identity,
                 std::shared_ptr<const IniDocument> doc)
{
    std::lock_guard lock(cache_mutex);
    if (!cache_enabled)
        return;
    if (cache.size() >= kCacheLimit)
        cache.clear();
    cache[path] = CacheEntry{identity, std::move(doc)};
}

void cache_forget(std::string_view path)
{
    std::lock_guard lock(cache_mutex);
    auto it = cache.find(path);
    if (it != cache.end())
        cache.erase(it);
}

// The replacement must differ from the file it replaces in modification time even when the
// clock has not ticked in between; otherwise a reader could take a new version (which may
// even reuse the old inode number) for the cached old one.
bool advance_mtime(int fd, const struct stat* previous)
{
    timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    if (previous) {
        timespec floor = previous->st_mtim;
        if (++floor.tv_nsec >= 1000000000) {
            floor.tv_nsec = 0;
            ++floor.tv_sec;
        }
        if (now.tv_sec < floor.tv_sec || (now.tv_sec == floor.tv_sec && now.tv_nsec < floor.tv_nsec))
            now = floor;
    }
    timespec times[2] = {now, now};
    return ::futimens(fd, times) == 0;
}

std::string folder_of(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes text to a temporary file beside path and renames it over path.
bool replace_file(const std::string& path, const std::string& text, const struct stat* previous)
{
    std::string temp = folder_of(path) + "/.profile-XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0)
        return false;
    mode_t mode = 0;
    if (previous) {
        mode = previous->st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd.get(), mode) == 0 && write_all(fd.get(), text) && ::fsync(fd.get()) == 0 &&
              advance_mtime(fd.get(), previous);
    ok = (::close(fd.release()) == 0) && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

// A profile reached through a symbolic link is rewritten where the link points, so the link
// stays; writers through either name share one lock.
std::string resolve_link(const std::string& path)
{
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return path;
    std::string resolved = real;
    std::free(real);
    return resolved;
}

} // namespace

void profile_set_cache_enabled(bool enabled)
{
    std::lock_guard lock(cache_mutex);
    cache_enabled = enabled;
    if (!enabled)
        cache.clear();
}

std::shared_ptr<const IniDocument> profile_load(const char* path)
{
    static const auto empty = std::make_shared<const IniDocument>();
    struct stat st;
    if (::stat(path, &st) != 0) {
        cache_forget(path);
        return empty;
    }
    {
        std::lock_guard lock(cache_mutex);
        auto it = cache.find(std::string_view(path));
        if (it != cache.end() && it->second.identity == FileIdentity::of(st))
            return it->second.doc;
    }
    Fd fd(::open(path, O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return empty;
    IniDocument doc;
    FileIdentity identity;
    if (!read_document(fd.get(), doc, identity))
        return empty;
    auto shared = std::make_shared<const IniDocument>(std::move(doc));
    cache_store(path, identity, shared);
    return shared;
}

bool profile_update(const std::string& link, const std::function<bool(IniDocument&)>& change)
{
    const std::string path = resolve_link(link);
    std::string lock_path = path + ".lock";
    Fd lock(::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (lock.get() < 0) {
        // In a missing folder there is no file: removing something from it changes nothing
        // and succeeds; anything else fails.
        IniDocument none;
        return errno == ENOENT && !change(none);
    }
    while (::flock(lock.get(), LOCK_EX) != 0)
        if (errno != EINTR)
            return false;

    IniDocument doc;
    FileIdentity identity;
    struct stat previous;
    bool exists = false;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() >= 0) {
        if (!read_document(fd.get(), doc, identity) || ::fstat(fd.get(), &previous) != 0)
            return false;
        exists = true;
    } else if (errno != ENOENT) {
        return false;
    }
    if (!change(doc))
        return true;
    cache_forget(link);
    cache_forget(path);
    // The lock is released when its descriptor closes, after the rename.
    return replace_file(path, doc.serialize(), exists ? &previous : nullptr);
}

} // namespace platform
