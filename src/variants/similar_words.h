#pragma once

#include "engine/engine.h"

namespace vorlen {

// Vocabulary words one typing error away from engine.SourceWord (a letter
// missing, one too many, one wrong, two neighbours swapped). Sets
// engine.SimilarWords ("|w1|w2"); when any were found, engine.WordResult
// becomes the word as written followed by them.
void FindSimilarWords(Engine& engine);

} // namespace vorlen
