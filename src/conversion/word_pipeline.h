// One word, end to end: respelling, report, enclitic fallback, candidate list,
// result rules. Input engine.CurrentWord; output engine.WordResult (a bar-framed
// list, "<none>", or rarely a single bare word), NotFoundTag, SourceWord,
// SimilarWords.
#pragma once

#include "engine/engine.h"

namespace vorlen {

// No Spanish word comes near this many letters (the longest run to about 25);
// a longer run of letters (a pasted hash, a held key) is reported not found
// without a search, whose time and memory grow with the word.
inline constexpr std::size_t kMaxWordLetters = 64;

void ConvertWord(Engine& engine);
void ComposeWordReport(Engine& engine);
// Every rule that corrects the bar-framed list, in order.
void ApplyResultRules(Engine& engine);

} // namespace vorlen
