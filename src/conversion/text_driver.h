// Whole texts. Text is UTF-8; words (runs of letters of kLetterSet) go through
// the word pipeline, everything else is copied byte for byte.
#pragma once

#include "engine/engine.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorlen {

struct ConversionResult {
    std::string Text;         // UTF-8
    bool AnnounceEnd = false; // the text was over 1000 characters: beep and "Listo."
};

// Receives each piece as it is appended to the output; returning false stops
// the conversion (what was converted so far is returned).
using ConversionProgress = std::function<bool(std::string_view piece)>;

ConversionResult ConvertText(Engine& engine, std::string_view input,
                             const ConversionProgress& progress = {});

// The end message for a long text, in the language of the options (UTF-8).
std::string EndMessage(const Engine& engine);

// Brings engine.WordResult to what the user sees for one word: the bars
// framing a list removed, a bar after a single word that has similar words.
void ToOutputForm(Engine& engine);

} // namespace vorlen
