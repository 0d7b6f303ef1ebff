#include "platform/version_block.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

namespace {

// The magic, complemented byte by byte, so that its plain form appears only in the block.
constexpr unsigned char kComplementedMagic[16] = {
    static_cast<unsigned char>(~'K'), static_cast<unsigned char>(~'E'), static_cast<unsigned char>(~'L'),
    static_cast<unsigned char>(~'P'), static_cast<unsigned char>(~'-'), static_cast<unsigned char>(~'V'),
    static_cast<unsigned char>(~'E'), static_cast<unsigned char>(~'R'), static_cast<unsigned char>(~'S'),
    static_cast<unsigned char>(~'I'), static_cast<unsigned char>(~'O'), static_cast<unsigned char>(~'N'),
    static_cast<unsigned char>(~'-'), static_cast<unsigned char>(~'B'), static_cast<unsigned char>(~'1'),
    static_cast<unsigned char>(~'\n')};

// Length of a block starting at data (with its magic), or 0 when the bytes there are not a
// complete block: every key and value must end inside the data and the list must end.
size_t block_length(const char* data, size_t available)
{
    const size_t limit = std::min<size_t>(available, kVersionBlockMaxSize);
    size_t at = sizeof kComplementedMagic;
    while (at < limit) {
        const void* keyEnd = std::memchr(data + at, '\0', limit - at);
        if (!keyEnd)
            return 0;
        const size_t keyLength = static_cast<const char*>(keyEnd) - (data + at);
        at += keyLength + 1;
        if (keyLength == 0)
            return at;
        if (at >= limit)
            return 0;
        const void* valueEnd = std::memchr(data + at, '\0', limit - at);
        if (!valueEnd)
            return 0;
        at = static_cast<const char*>(valueEnd) - data + 1;
    }
    return 0;
}

bool read_file(const char* file, std::vector<char>& bytes)
{
    if (!file)
        return false;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Offset and length of the first well-formed block, length 0 when none.
std::pair<size_t, size_t> find_block(const std::vector<char>& bytes)
{
    const std::string magic = version_block_magic();
    const std::boyer_moore_horspool_searcher searcher(magic.begin(), magic.end());
    auto from = bytes.begin();
    while (true) {
        const auto hit = std::search(from, bytes.end(), searcher);
        if (hit == bytes.end())
            return {0, 0};
        const size_t offset = hit - bytes.begin();
        if (const size_t length = block_length(bytes.data() + offset, bytes.size() - offset))
            return {offset, length};
        from = hit + 1;
    }
}

bool equal_ignoring_case(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(*a) != lower(*b))
            return false;
    }
    return *a == *b;
}

} // namespace

std::string version_block_magic()
{
    std::string magic;
    for (unsigned char c : kComplementedMagic)
        magic.push_back(static_cast<char>(~c));
    return magic;
}

int version_block_size(const char* file)
{
    std::vector<char> bytes;
    if (!read_file(file, bytes))
        return 0;
    return static_cast<int>(find_block(bytes).second);
}

int version_block_read(const char* file, int size, char* buffer)
{
    std::vector<char> bytes;
    if (!buffer || size <= 0 || !read_file(file, bytes))
        return 0;
    const auto [offset, length] = find_block(bytes);
    if (length == 0 || length != static_cast<size_t>(size))
        return 0;
    std::memcpy(buffer, bytes.data() + offset, length);
    return 1;
}

const char* version_block_query(const char* block, int size, const char* key)
{
    if (!block || !key || size <= 0)
        return nullptr;
    const size_t length = block_length(block, static_cast<size_t>(size));
    if (length == 0 || std::memcmp(block, version_block_magic().data(), sizeof kComplementedMagic) != 0)
        return nullptr;
    size_t at = sizeof kComplementedMagic;
    while (block[at] != '\0') {
        const char* name = block + at;
        const char* value = name + std::strlen(name) + 1;
        if (equal_ignoring_case(name, key))
            return value;
        at = (value + std::strlen(value) + 1) - block;
    }
    return nullptr;
}
