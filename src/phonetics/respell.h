// The sound-alike search: the word is cut into segments, each segment gets the
// spellings that sound like it, and every combination is asked of the
// inflection analysis. The findings are left in engine.WordResult as a
// space-separated list (" vaca baca "), exactly one space when none.
#pragma once

#include "engine/engine.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorlen {

// Diacritics ignored: the word is folded and respelled without accent marks.
void PhoneticRespell(Engine& engine, const std::string& word);

// The default search: accent marks are kept and placed.
void PhoneticRespellAccented(Engine& engine, const std::string& word);

// Called with each candidate spelling as it is built (lower case, no bars),
// before it is checked; for diagnosis. Empty by default.
using CandidateObserver = std::function<void(std::string_view)>;
void SetCandidateObserver(Engine& engine, CandidateObserver observer);

} // namespace vorlen
