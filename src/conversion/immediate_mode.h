// Converting while typing, and settling an alternative with a click.
#pragma once

#include "engine/engine.h"

#include <string>

namespace vorlen {

// Called for every character typed into the input box before the box inserts
// it (immediate mode). `text` is the box's text (UTF-8) and is rewritten;
// `caret` receives the caret position (in characters) when the text changed.
// Returns true when it changed `text`.
bool TypeKey(Engine& engine, const std::string& typed, std::string& text, int& caret);

// A click at caret position `caret` (characters before the caret) in the
// output box: a bar-joined list around it is replaced by the clicked word.
// Returns true when `text` changed.
bool ChooseAlternative(std::string& text, int caret);

} // namespace vorlen
