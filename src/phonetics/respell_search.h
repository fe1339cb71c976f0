// The frame that both respelling searches share: the framed word is cut into
// segments by a rule table, and the combinations of the segments' alternatives
// are built and checked: in counting order (the first segment changing
// fastest) in classic mode, else the fewest changed segments first.
#pragma once

#include "engine/engine.h"
#include "phonetics/respell_rule.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace vorlen {

// The search ends after the candidate that takes the run of tried spellings
// past this many characters: about 6000 / (letters + 1) candidates.
inline constexpr std::size_t kTriedSpellingsBudget = 6000;

// How a spelling found is added to engine.WordResult: after every
// combination that gives it, or only the first time.
enum class Collection { EveryHit, OncePerSpelling };

// Cuts state.FramedWord into state.SegmentAlternatives (and sets LastSegment).
// A one-letter word is one segment; a position that no rule takes becomes a
// segment holding its own character.
void SegmentFramedWord(RespellState& state, std::span<const RespellRule> rules);

// Segments state.FramedWord, then builds and checks every combination, in the
// order the options choose (see above), until
// all are tried, the budget is spent or (found words kept) the word as written
// is found. Leaves the findings in engine.WordResult (" a b ", " " for none).
void RunRespellSearch(Engine& engine, std::span<const RespellRule> rules, Collection collection);

// True when the space-separated list holds the spelling with a space on each
// side.
bool ListsSpelling(std::string_view list, std::string_view spelling);

} // namespace vorlen
