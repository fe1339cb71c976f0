// Derivations in "ista" and "ismo" (artista -> arte, budismo -> buda), the
// last rules tried. Two length stops keep short words from reaching a
// one-letter stem: a word of five letters tries none of these rules, a word
// of six letters none of the plural ones.
#pragma once

#include "inflection/inflection_rule.h"

#include <array>

namespace vorlen {

// The rules from this index on ("istas", "ismos") are the plural ones.
inline constexpr std::size_t kFirstPluralIstaIsmoRule = 8;

inline constexpr std::array<InflectionRule, 14> kIstaIsmoRules = {{
    // clang-format off
    {"ista"_w, "o|"_w},
    {"ista"_w, "a|"_w},
    {"ista"_w, "e|"_w},
    {"ista"_w, "|"_w},
    {"ismo"_w, "o|"_w},
    {"ismo"_w, "a|"_w},
    {"ismo"_w, "e|"_w},
    {"ismo"_w, "|"_w},
    {"istas"_w, "o|"_w},
    {"istas"_w, "a|"_w},
    {"istas"_w, "e|"_w},
    {"istas"_w, "|"_w},
    {"ismos"_w, "o|"_w},
    {"ismos"_w, "|"_w},
    // clang-format on
}};

} // namespace vorlen
