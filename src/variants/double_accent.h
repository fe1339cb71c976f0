#pragma once

#include "engine/engine.h"

namespace vorlen {

// Takes one accent mark off a candidate of engine.WordResult that carries two,
// choosing by the word as written (engine.SourceWord). Never changes the length.
void FixDoubleAccent(Engine& engine);

} // namespace vorlen
