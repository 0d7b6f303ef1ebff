// Line data files: a plain list of text lines with a maximum count.
#include "reeflink/export.h"
#include "reeflink/file_handle.h"
#include "reeflink/reeflink.h"

#include <string>

RL_EXPORT int LoadLineData(const char* path, int max_count, const RlTextList* list)
{
    using namespace reeflink;
    if (!list || !list->clear || !list->append || !list->count || !list->remove_last)
        return 0;
    list->clear(list->context);
    FileHandle file = openFile(path, "rb");
    if (!file)
        return 0;
    // Lines end with LF or CRLF; a last line without a line end still counts.
    std::string line;
    bool pending = false;
    auto appendLine = [&] {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        list->append(list->context, line.c_str());
        line.clear();
        pending = false;
    };
    for (int c; (c = std::fgetc(file.get())) != EOF;) {
        if (c == '\n') {
            appendLine();
        } else {
            line.push_back(static_cast<char>(c));
            pending = true;
        }
    }
    if (pending)
        appendLine();
    while (list->count(list->context) > (max_count < 0 ? 0 : max_count))
        list->remove_last(list->context);
    return 0;
}

RL_EXPORT int SaveLineData(const char* path, int max_count, const RlTextList* list)
{
    using namespace reeflink;
    FileHandle file = openFile(path, "w");
    if (!file)
        return -1002;
    const int count = list && list->count && list->read ? list->count(list->context) : 0;
    for (int i = 0; i < count && i < max_count; ++i) {
        const char* text = list->read(list->context, i);
        if (std::fputs(text ? text : "", file.get()) < 0 || std::fputc('\n', file.get()) == EOF)
            return -1005;
    }
    return std::fclose(file.release()) == 0 ? 0 : -1005;
}
