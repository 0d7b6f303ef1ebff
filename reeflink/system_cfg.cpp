// system.cfg moved as a whole 79-byte record.
#include "reeflink/export.h"
#include "reeflink/file_handle.h"
#include "reeflink/reeflink.h"

#include <cstring>

RL_EXPORT int LoadSystemCfg(const char* path, unsigned char* record)
{
    using namespace reeflink;
    if (!record)
        return -1004;
    std::memset(record, 0, RL_SYSTEM_CFG_SIZE);
    return readFirstBytes(path, record, RL_SYSTEM_CFG_SIZE);
}

RL_EXPORT int SaveSystemCfg(const unsigned char* record, const char* path)
{
    using namespace reeflink;
    FileHandle file = openFile(path, "wb");
    if (!file)
        return -1002;
    const bool written =
        record && std::fwrite(record, 1, RL_SYSTEM_CFG_SIZE, file.get()) == RL_SYSTEM_CFG_SIZE;
    return std::fclose(file.release()) == 0 && written ? 0 : -1005;
}
