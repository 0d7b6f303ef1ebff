// Helpers shared by the files of the library.
#include "reefkit/reef_internal.h"
#include "reefkit/reefkit.h"

#include <cstdio>
#include <cstring>

namespace reefkit {

bool copy_path(const std::string& path, char* out)
{
    if (!out || path.size() >= REEF_PATH_SIZE)
        return false;
    std::memcpy(out, path.c_str(), path.size() + 1);
    return true;
}

std::string decimal(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    return text;
}

} // namespace reefkit
