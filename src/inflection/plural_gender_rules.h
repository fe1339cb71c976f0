// Plurals and feminines: the first rules tried after the word itself.
#pragma once

#include "inflection/inflection_rule.h"

#include <array>

namespace vorlen {

// The first two rules are tried for words of three letters or more, the rest
// for words of four or more.
inline constexpr std::size_t kShortPluralGenderRuleCount = 2;

inline constexpr std::array<InflectionRule, 7> kPluralGenderRules = {{
    // clang-format off
    {"s"_w, "|"_w, RuleCondition::LetterBeforeSTakesPlainPlural},
    {"a"_w, "o|"_w},
    {"os"_w, "o|"_w},
    {"as"_w, "o|"_w},
    {"as"_w, "a|"_w},
    {"is"_w, "i|"_w},
    {"us"_w, "u|"_w},
    // clang-format on
}};

} // namespace vorlen
