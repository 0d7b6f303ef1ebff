// filelist.dat: entries of an 11-byte prefix, a 32-bit size and a counted name.
#include "reeflink/export.h"
#include "reeflink/file_handle.h"
#include "reeflink/reeflink.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

RL_EXPORT int LoadFilelist(const char* path, const RlTextList* list)
{
    using namespace reeflink;
    if (!list || !list->clear || !list->append)
        return -1001;
    FileHandle file = openFile(path, "rb");
    if (!file)
        return -1001;
    list->clear(list->context);
    int result = 0;
    for (;;) {
        unsigned char header[16];
        const long got = readSome(file.get(), header, sizeof header);
        if (got <= 0)
            break;
        if (got < 16) {
            result = -1004;
            break;
        }
        const size_t nameLength = header[15];
        char name[260] = {};
        const long nameGot = readSome(file.get(), name, nameLength);
        if (nameGot <= 0) // a name length of 0 ends the list
            break;
        if (size_t(nameGot) < nameLength) {
            result = -1004;
            break;
        }
        const uint32_t size = uint32_t(header[11]) | uint32_t(header[12]) << 8 | uint32_t(header[13]) << 16 |
                              uint32_t(header[14]) << 24;
        list->append(list->context, name); // up to the first zero byte
        char sizeText[16];
        std::snprintf(sizeText, sizeof sizeText, "%u", size);
        list->append(list->context, sizeText);
    }
    return result;
}
