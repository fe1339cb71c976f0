// Outside classic mode the alternatives of a word are offered the likeliest
// first: those that keep an accent the writer put in before those that do
// not, then by how common each word is (vocabulary/word_ranks.h), words
// without a rank after those with one, the search's order kept among equals.
// What the notation says does not change: a list stays the same words between
// the same bars, a word not found keeps its place before the similar words
// offered for it, "<none>" and a single candidate stay as they are.
#pragma once

#include "engine/engine.h"

#include <string>
#include <string_view>

namespace vorlen {

// Reorders engine.WordResult (and engine.SimilarWords with it) as above; does
// nothing in classic mode or when the vocabulary came without ranks.
void OrderByLikelihood(Engine& engine);

enum class Alternatives {
    SoundAlike,     // the spellings the sound-alike search found
    OneTypingError, // the similar words offered for a word not found: the
                    // nearer ones to what was typed come first
};

// The words of a bar-separated run ("a|b|c") reordered as above for the word
// as `written`; a run with an empty word (two bars together) is returned as
// it is.
std::string OrderRunByRank(const WordRanks& ranks, std::string_view run, bool ignoreDiacritics,
                           std::string_view written = {},
                           Alternatives kind = Alternatives::SoundAlike);

} // namespace vorlen
