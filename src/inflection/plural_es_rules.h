// Plurals in "es": flores -> flor, solemnes -> solemne, ases -> as.
#pragma once

#include "inflection/inflection_rule.h"

#include <array>

namespace vorlen {

inline constexpr std::array<InflectionRule, 3> kPluralEsRules = {{
    // clang-format off
    {"es"_w, "|"_w, RuleCondition::TypedWordIsPlainEsPlural},
    {"es"_w, "e|"_w},
    {"ases"_w, "ás|"_w},
    // clang-format on
}};

} // namespace vorlen
