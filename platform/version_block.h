// The version block of a program file: named texts such as
// "\StringFileInfo\041103A4\ProductName" embedded in the executable at build time and read back
// from the file itself.
//
// Layout: the 16-byte magic of version_block_magic(), then pairs of zero-terminated key and
// value texts, ended by an empty key. The magic is never stored as such in this reader, so a
// program that contains the reader but no block is not mistaken for one with a block.
#pragma once

#include <string>

constexpr int kVersionBlockMaxSize = 64 * 1024;

std::string version_block_magic();

// Size in bytes of the first well-formed block in the file, 0 when it holds none or cannot be read.
int version_block_size(const char* file);
// Copies that block into buffer (size bytes, as given by version_block_size). 1 on success, else 0.
int version_block_read(const char* file, int size, char* buffer);
// The value stored under key (ASCII case-insensitive), or null. The pointer is into block.
const char* version_block_query(const char* block, int size, const char* key);
