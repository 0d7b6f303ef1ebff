// The watch's file store kept in a folder: names resolved inside it and nowhere else, the
// generated file list, the deletion command, and checked, atomic stores of what the watch accepts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace watchsim {

enum class Outcome {
    ok,
    not_found,
    forbidden,   // the name leaves the store or names something that may not be written
    bad_request, // the content is not what the watch accepts under that name
    failed,      // the host's file system failed
};

class WatchStore
{
public:
    explicit WatchStore(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // The path inside the store for a remote name; a leading '/' is relative to the store.
    // Nothing when the name could reach outside it (.., empty parts, backslashes, control
    // characters, symbolic links that lead out).
    std::optional<std::filesystem::path> Resolve(const std::string& name) const;

    Outcome Read(const std::string& name, std::vector<uint8_t>& body) const;
    // Stores system.cfg (79 bytes), world.ini (544 bytes) or a KRX picture in the top folder;
    // anything else is refused. The old file stays whole until the new one is complete.
    Outcome Write(const std::string& name, const std::vector<uint8_t>& body) const;
    // The deletion command: the name of one file followed by one zero byte. Deleting a file
    // that is not there succeeds, so that a repeated command does no harm.
    Outcome ExecuteDeleteCommand(const std::vector<uint8_t>& command) const;
    // filelist.dat for the files in the top folder, by name.
    std::vector<uint8_t> FileList() const;

private:
    std::filesystem::path root_;
};

// Whether bytes form a KRX picture whose header agrees with its size.
bool IsKrxPicture(const std::vector<uint8_t>& body);

// One filelist.dat entry: 11 bytes (the modification time, little-endian, in the first four;
// the rest zero), the size, the name length and the name.
void AppendFileListEntry(std::vector<uint8_t>& out, const std::string& name, uint32_t size, uint32_t mtime);

} // namespace watchsim
