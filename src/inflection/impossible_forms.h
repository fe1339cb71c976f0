// Forms that the rules would accept but that no Spanish word can be. Outside
// classic mode a rule hit is refused when:
// - a plural s follows a verb form whose last vowel carries an accent the
//   writer did not write (ultimós from ultimó, numerós from numeró): a verb
//   form has no plural;
// - an accent the writer did not write on a final é or ó makes a preterite of
//   an -ar word that is no verb (espectaculó from the adjective espectacular):
//   the vocabulary lists every form of its verbs, their participles among
//   them, so an -ar word without a participle conjugates nothing;
// - a verb ending leads to a name (Mirame, Miramé from the place Miramar):
//   names are not conjugated.
// A word that stands in the vocabulary as written is never refused here.
#pragma once

#include "engine/engine.h"

#include <cstddef>
#include <string_view>

namespace vorlen {

// After a hit of rule step `step` (an index into kRuleSteps) on
// engine.FoundKey for `word`.
bool IsImpossibleForm(const Engine& engine, std::string_view word, std::size_t step);

} // namespace vorlen
