// The written accents of Spanish, each with its plain vowel, in the order the
// double-accent repair tries them. ü and ñ are not accents here: güe and año
// take an accent mark on another vowel like any word.
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

struct AccentedVowel {
    std::string_view Accented;
    std::string_view Plain;
};

inline constexpr std::array<AccentedVowel, 5> kAccentedVowels = {{
    {"á"_w, "a"_w},
    {"é"_w, "e"_w},
    {"í"_w, "i"_w},
    {"ó"_w, "o"_w},
    {"ú"_w, "u"_w},
}};

static_assert(kAccentedVowels.size() == 5);

} // namespace vorlen
