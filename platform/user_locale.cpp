#include "platform/user_locale.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

uint32_t locale_id_from_name(const char* name)
{
    if (!name)
        return kLocaleEnglishUS;
    if (std::strncmp(name, "ja", 2) == 0)
        return kLocaleJapanese;
    if (std::strncmp(name, "en_GB", 5) == 0)
        return kLocaleEnglishUK;
    return kLocaleEnglishUS;
}

uint32_t user_locale_id()
{
    // The first variable that is set and not empty decides, as for the C library.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return locale_id_from_name(value);
    }
    return kLocaleEnglishUS;
}
