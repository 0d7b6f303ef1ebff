/* Compiled as C: the library's header must serve C callers, records included. */
#include "reefkit/reefkit.h"

#include <string.h>

int reef_c_caller_joins_path(char* out)
{
    ReefAlbumItem item;
    ReefGraphLine line;
    memset(&item, 0, sizeof item);
    set_color_rgb(17, &line.color);
    make_pathname("/data//", "a.txt", out);
    return line.color.blue + (int)sizeof item.comment;
}
