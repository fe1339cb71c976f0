// Derivational suffixes: plurals and feminines of words stressed on the last
// syllable (canciones -> canción, inglesa -> inglés), diminutives in "ito",
// and the endings "ano", "ero", "azo", "ón", "ense", "triz" and the plural
// "ces" of words in z. Tried only when the typed word has no written accent.
//
// Order inside the groups decides which entry wins: "ita" tries the feminine
// base before the masculine (casita -> casa before caso); "ano" and "ero" go
// by replacement first, "azo" and "ense" by ending first; "ana" -> "án|"
// (alemana -> alemán) comes after every other reading of "ana".
#pragma once

#include "inflection/inflection_rule.h"

#include <array>

namespace vorlen {

inline constexpr std::array<InflectionRule, 79> kDerivationalSuffixRules = {{
    // clang-format off
    {"ones"_w, "ón|"_w},
    {"ines"_w, "ín|"_w},
    {"anes"_w, "án|"_w},
    {"enes"_w, "én|"_w},
    {"unes"_w, "ún|"_w},
    {"eses"_w, "és|"_w},
    {"esa"_w, "és|"_w},
    {"esas"_w, "és|"_w},
    {"ito"_w, "o|"_w},
    {"itos"_w, "o|"_w},
    {"ita"_w, "a|"_w},
    {"ita"_w, "o|"_w},
    {"itas"_w, "a|"_w},
    {"itas"_w, "o|"_w},
    {"ito"_w, "|"_w},
    {"itos"_w, "|"_w},
    {"ita"_w, "|"_w},
    {"itas"_w, "|"_w},
    {"ano"_w, "o|"_w},
    {"ana"_w, "o|"_w},
    {"anos"_w, "o|"_w},
    {"anas"_w, "o|"_w},
    {"ano"_w, "a|"_w},
    {"ana"_w, "a|"_w},
    {"anos"_w, "a|"_w},
    {"anas"_w, "a|"_w},
    {"ano"_w, "e|"_w},
    {"ana"_w, "e|"_w},
    {"anos"_w, "e|"_w},
    {"anas"_w, "e|"_w},
    {"ano"_w, "|"_w},
    {"ana"_w, "|"_w},
    {"anos"_w, "|"_w},
    {"anas"_w, "|"_w},
    {"ero"_w, "o|"_w},
    {"era"_w, "o|"_w},
    {"eros"_w, "o|"_w},
    {"eras"_w, "o|"_w},
    {"ero"_w, "a|"_w},
    {"era"_w, "a|"_w},
    {"eros"_w, "a|"_w},
    {"eras"_w, "a|"_w},
    {"ero"_w, "e|"_w},
    {"era"_w, "e|"_w},
    {"eros"_w, "e|"_w},
    {"eras"_w, "e|"_w},
    {"ero"_w, "|"_w},
    {"era"_w, "|"_w, RuleCondition::NotAfterAccentedI},
    {"eros"_w, "|"_w},
    {"eras"_w, "|"_w, RuleCondition::NotAfterAccentedI},
    {"azo"_w, "o|"_w},
    {"azo"_w, "a|"_w},
    {"azo"_w, "e|"_w},
    {"azo"_w, "|"_w},
    {"azos"_w, "o|"_w},
    {"azos"_w, "a|"_w},
    {"azos"_w, "e|"_w},
    {"azos"_w, "|"_w},
    {"ón"_w, "o|"_w},
    {"ona"_w, "o|"_w},
    {"ona"_w, "a|"_w},
    {"ones"_w, "o|"_w},
    {"onas"_w, "ón|"_w},
    {"onas"_w, "o|"_w},
    {"onas"_w, "a|"_w},
    {"ense"_w, "o|"_w},
    {"ense"_w, "a|"_w},
    {"ense"_w, "e|"_w},
    {"ense"_w, "|"_w},
    {"enses"_w, "o|"_w},
    {"enses"_w, "a|"_w},
    {"enses"_w, "e|"_w},
    {"enses"_w, "|"_w},
    {"ana"_w, "án|"_w},
    {"anas"_w, "án|"_w},
    {"triz"_w, "tor|"_w},
    {"trices"_w, "tor|"_w},
    {"ces"_w, "z|"_w},
    {"anamente"_w, "án|"_w},
    // clang-format on
}};

} // namespace vorlen
