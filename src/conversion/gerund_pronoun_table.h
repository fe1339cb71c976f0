// A gerund with attached pronouns takes a written accent on the stressed
// vowel: diciendo + me -> diciéndome, comiendo + selo -> comiéndoselo.
// The letter after "iendo" names the first pronoun (me, te, se, le/lo/la,
// nos, os).
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

struct GerundAccent {
    std::string_view From;
    std::string_view To;
};

inline constexpr auto kGerundPronounAccents = std::to_array<GerundAccent>({
    {"iendom"_w, "iéndom"_w},
    {"iendot"_w, "iéndot"_w},
    {"iendos"_w, "iéndos"_w},
    {"iendol"_w, "iéndol"_w},
    {"iendon"_w, "iéndon"_w},
    {"iendoo"_w, "iéndoo"_w},
});
static_assert(kGerundPronounAccents.size() == 6);

} // namespace vorlen
