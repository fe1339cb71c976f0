// The conditions that some inflection rules add to their ending.
#pragma once

#include "inflection/inflection_rule.h"

#include <string_view>

namespace vorlen {

// Whether a rule with this condition is tried for the stem left by its ending.
// `typedWord` is the word as the user typed it (SourceWord).
bool RuleConditionHolds(RuleCondition condition, std::string_view stem, std::string_view typedWord);

} // namespace vorlen
