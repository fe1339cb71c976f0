// The checks that a vocabulary hit must pass before a word counts as a form.
#pragma once

#include "engine/engine.h"

#include <string_view>

namespace vorlen {

// After a hit on engine.FoundKey for `word` (the word looked up, as passed):
// false when the word is one of the never-accepted spellings, when the key is
// a false infinitive the word does not begin with, or when the word is listed
// in ExtraWordLine.
bool AcceptsHit(Engine& engine, std::string_view word);

// True when "|" + word + "|" stands anywhere in ExtraWordLine. Bar-free words
// are answered from a set built once per vocabulary store.
bool IsExtraWord(const Engine& engine, std::string_view word);

} // namespace vorlen
