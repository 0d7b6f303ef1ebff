// Profile files on disk: cached parsed reads, and locked, atomic read-modify-write.
#pragma once

#include "platform/ini_document.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {

// The parsed file; an empty document when the file is missing or unreadable. A cached
// document is used only while the file keeps the same inode, size and modification time.
std::shared_ptr<const IniDocument> profile_load(const char* path);

// Under an exclusive lock on "<path>.lock": reads the file afresh, applies change, and, when
// change reports a modification, replaces the file through a temporary file and a rename.
// Returns false when the file could not be read, locked or written.
bool profile_update(const std::string& path, const std::function<bool(IniDocument&)>& change);

} // namespace platform
