#include "watchsim/WatchStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace watchsim {

namespace fs = std::filesystem;

namespace {

constexpr size_t kSettingsSize = 79;
constexpr size_t kWorldSize = 544;
constexpr size_t kKrxHeader = 28;
constexpr size_t kMaxName = 255;

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The name relative to the store, when it is a plain relative path of ordinary parts.
std::optional<std::string> RelativeName(const std::string& name)
{
    std::string rel = name;
    if (!rel.empty() && rel.front() == '/')
        rel.erase(0, 1);
    if (rel.empty())
        return std::nullopt;
    for (const unsigned char c : rel)
        if (c < 0x20 || c == 0x7F || c == '\\')
            return std::nullopt;
    size_t start = 0;
    while (start <= rel.size()) {
        const size_t end = std::min(rel.find('/', start), rel.size());
        const std::string part = rel.substr(start, end - start);
        if (part.empty() || part == "." || part == "..")
            return std::nullopt;
        start = end + 1;
    }
    return rel;
}

bool IsTopLevel(const std::string& rel)
{
    return rel.find('/') == std::string::npos;
}

bool Writable(const std::string& rel)
{
    return IsTopLevel(rel) && (rel == "system.cfg" || rel == "world.ini" || EndsWith(rel, ".krx"));
}

bool Deletable(const std::string& rel)
{
    return IsTopLevel(rel) && (rel == "world.ini" || EndsWith(rel, ".krx"));
}

bool ContentFits(const std::string& rel, const std::vector<uint8_t>& body)
{
    if (rel == "system.cfg")
        return body.size() == kSettingsSize;
    if (rel == "world.ini")
        return body.size() == kWorldSize;
    return IsKrxPicture(body);
}

uint32_t ReadU32(const uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void PutU32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

bool WriteWhole(int fd, const std::vector<uint8_t>& body)
{
    size_t done = 0;
    while (done < body.size()) {
        const ssize_t n = write(fd, body.data() + done, body.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool IsKrxPicture(const std::vector<uint8_t>& body)
{
    if (body.size() < kKrxHeader || body[0] != 'K' || body[1] != 'R' || body[2] != 'X' || body[3] != 0)
        return false;
    const uint32_t width = body[4] | body[5] << 8;
    const uint32_t height = body[6] | body[7] << 8;
    const uint32_t pages = height == 0 ? 1 : (height - 1) / 8 + 1;
    const uint32_t dataSize = ReadU32(&body[8]);
    return dataSize == width * pages && body.size() == kKrxHeader + dataSize;
}

void AppendFileListEntry(std::vector<uint8_t>& out, const std::string& name, uint32_t size, uint32_t mtime)
{
    PutU32(out, mtime);
    out.insert(out.end(), 7, 0);
    PutU32(out, size);
    out.push_back(static_cast<uint8_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
}

WatchStore::WatchStore(fs::path root) : root_(std::move(root)) {}

std::optional<fs::path> WatchStore::Resolve(const std::string& name) const
{
    const auto rel = RelativeName(name);
    if (!rel)
        return std::nullopt;
    std::error_code ec;
    const fs::path base = fs::canonical(root_, ec);
    if (ec)
        return std::nullopt;
    // Follow links in the parts that exist: the result must still lie inside the store.
    const fs::path resolved = fs::weakly_canonical(base / *rel, ec);
    if (ec)
        return std::nullopt;
    const auto [end, unused] = std::mismatch(base.begin(), base.end(), resolved.begin(), resolved.end());
    (void)unused;
    if (end != base.end() || resolved == base)
        return std::nullopt;
    return base / *rel;
}

Outcome WatchStore::Read(const std::string& name, std::vector<uint8_t>& body) const
{
    const auto path = Resolve(name);
    if (!path)
        return Outcome::forbidden;
    std::error_code ec;
    if (!fs::is_regular_file(*path, ec))
        return Outcome::not_found;
    std::FILE* f = std::fopen(path->c_str(), "rb");
    if (!f)
        return Outcome::failed;
    body.clear();
    uint8_t block[4096];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, f)) > 0)
        body.insert(body.end(), block, block + n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok ? Outcome::ok : Outcome::failed;
}

Outcome WatchStore::Write(const std::string& name, const std::vector<uint8_t>& body) const
{
    const auto rel = RelativeName(name);
    const auto path = Resolve(name);
    if (!rel || !path || !Writable(*rel))
        return Outcome::forbidden;
    if (!ContentFits(*rel, body))
        return Outcome::bad_request;
    std::error_code ec;
    if (fs::is_directory(*path, ec))
        return Outcome::forbidden;
    std::string temp = (path->parent_path() / ".store-XXXXXX").string();
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return Outcome::failed;
    const bool written = WriteWhole(fd, body) && fchmod(fd, 0644) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path->c_str()) != 0) {
        unlink(temp.c_str());
        return Outcome::failed;
    }
    return Outcome::ok;
}

Outcome WatchStore::ExecuteDeleteCommand(const std::vector<uint8_t>& command) const
{
    // Exactly one name and its terminating zero; no line end, nothing after.
    if (command.size() < 2 || command.back() != 0 || command.size() - 1 > kMaxName)
        return Outcome::bad_request;
    const std::string name(command.begin(), command.end() - 1);
    if (name.find('\0') != std::string::npos)
        return Outcome::bad_request;
    const auto rel = RelativeName(name);
    const auto path = Resolve(name);
    if (!rel || !path || !Deletable(*rel))
        return Outcome::forbidden;
    std::error_code ec;
    const auto status = fs::symlink_status(*path, ec);
    if (ec || status.type() == fs::file_type::not_found)
        return Outcome::ok;
    if (status.type() != fs::file_type::regular)
        return Outcome::forbidden;
    return fs::remove(*path, ec) ? Outcome::ok : Outcome::failed;
}

std::vector<uint8_t> WatchStore::FileList() const
{
    struct Entry
    {
        std::string name;
        uint32_t size;
        uint32_t mtime;
    };
    std::vector<Entry> entries;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(root_, ec)) {
        const std::string name = item.path().filename().string();
        struct stat info
        {
        };
        // Hidden names are the store's own temporary files; links are not the watch's files.
        if (name.empty() || name.size() > kMaxName || name.front() == '.' ||
            lstat(item.path().c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        entries.push_back({name, static_cast<uint32_t>(info.st_size), static_cast<uint32_t>(info.st_mtime)});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    std::vector<uint8_t> out;
    for (const Entry& e : entries)
        AppendFileListEntry(out, e.name, e.size, e.mtime);
    return out;
}

} // namespace watchsim
