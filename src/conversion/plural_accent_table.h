// Plurals that lose the accent of their singular: canción -> canciones,
// jardín -> jardines, interés -> intereses. The search, placing the singular's
// accent, offers "canciónes"; the accent goes, and the last candidate (the
// same word spelled another way) is dropped. Only at the end of a candidate:
// inside a word the letters are not a plural (génesis).
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

struct PluralAccent {
    std::string_view From;
    std::string_view To;
};

inline constexpr auto kPluralAccents = std::to_array<PluralAccent>({
    {"ónes"_w, "ones"_w},
    {"ínes"_w, "ines"_w},
    {"ánes"_w, "anes"_w},
    {"énes"_w, "enes"_w},
    {"únes"_w, "unes"_w},
    {"óses"_w, "oses"_w},
    {"íses"_w, "ises"_w},
    {"áses"_w, "ases"_w},
    {"éses"_w, "eses"_w},
    {"úses"_w, "uses"_w},
});
static_assert(kPluralAccents.size() == 10);

// Plurals that keep their accent (a hiatus): no row applies to a list holding one.
inline constexpr auto kPluralAccentKeepers = std::to_array<std::string_view>({
    "aúnes"_w,
    "reúnes"_w,
    "países"_w,
});
static_assert(kPluralAccentKeepers.size() == 3);

} // namespace vorlen
