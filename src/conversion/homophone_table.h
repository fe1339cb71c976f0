// Homophones the sound-alike search cannot decide: when the word was written
// (in lower case) as `Written` and the candidates are exactly `Candidates`, the
// list becomes `Becomes`. Mostly the written form is a word of its own that
// the search, respelling by sound, lost (bes, ces, pes) or could not tell
// from its accented twin (mi/mí, te/té).
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

struct HomophoneLine {
    std::string_view Written;
    std::string_view Candidates;
    std::string_view Becomes;
};

inline constexpr auto kHomophoneLines = std::to_array<HomophoneLine>({
    {"mí"_w, "|mi|"_w, "|mí|"_w},
    {"mi"_w, "|mí|"_w, "|mi|"_w},
    {"te"_w, "|té|"_w, "|te|"_w},
    {"yano"_w, "|llano|"_w, "|yano|llano|"_w},
    {"se"_w, "<none>"_w, "|se|"_w},
    {"bes"_w, "|ves|vez|"_w, "|bes|"_w},
    {"ces"_w, "|ses|sés|"_w, "|ces|"_w},
    {"kas"_w, "|caz|"_w, "|kas|"_w},
    {"cúes"_w, "|cues|"_w, "|cúes|"_w},
    {"pes"_w, "|pez|"_w, "|pes|"_w},
    {"ges"_w, "<none>"_w, "|ges|"_w},
    {"tes"_w, "|tés|tez|"_w, "|tes|"_w},
    {"yes"_w, "|lles|"_w, "|yes|"_w},
});
static_assert(kHomophoneLines.size() == 13);

} // namespace vorlen
