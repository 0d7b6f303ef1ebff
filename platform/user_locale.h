// The user's locale as a locale identifier, taken from the environment the way the C library
// chooses message languages: LC_ALL, then LC_MESSAGES, then LANG.
#pragma once

#include <cstdint>

constexpr uint32_t kLocaleJapanese = 1041;
constexpr uint32_t kLocaleEnglishUS = 1033;
constexpr uint32_t kLocaleEnglishUK = 2057;

// "ja..." -> 1041, "en_GB..." -> 2057, anything else (or null) -> 1033.
uint32_t locale_id_from_name(const char* name);
uint32_t user_locale_id();
