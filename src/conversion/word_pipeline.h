// One word, end to end: respelling, report, enclitic fallback, candidate list,
// result rules. Input engine.CurrentWord; output engine.WordResult (a bar-framed
// list, "<none>", or rarely a single bare word), NotFoundTag, SourceWord,
// SimilarWords.
#pragma once

#include "engine/engine.h"

namespace vorlen {

void ConvertWord(Engine& engine);
void ComposeWordReport(Engine& engine);
// Every rule that corrects the bar-framed list, in order.
void ApplyResultRules(Engine& engine);

} // namespace vorlen
