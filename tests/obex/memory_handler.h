// A file store in memory that the test servers answer from.
#pragma once

#include "obex/packet.h"
#include "obex/server.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

class MemoryHandler : public obex::Handler
{
public:
    std::uint8_t on_get(const std::string& name, std::vector<std::uint8_t>& body) override
    {
        std::lock_guard lock(mutex);
        const auto it = files.find(name);
        if (it == files.end())
            return obex::response::not_found;
        body = it->second;
        return obex::response::success;
    }
    std::uint8_t on_put(const std::string& name, const std::vector<std::uint8_t>& body) override
    {
        std::lock_guard lock(mutex);
        if (name == "readonly")
            return obex::response::forbidden;
        files[name] = body;
        return obex::response::success;
    }

    std::mutex mutex;
    std::map<std::string, std::vector<std::uint8_t>> files;
};

inline std::vector<std::uint8_t> pattern(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}
