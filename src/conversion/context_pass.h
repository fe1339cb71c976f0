// The pass over a whole text that finds where its words call for an accent
// from their neighbours (context/context_model.h), before the words are
// converted one by one.
#pragma once

#include "context/context_model.h"
#include "engine/engine.h"

#include <string_view>
#include <vector>

namespace vorlen {

// True when running text gets accents from context: outside classic mode,
// with the option on and a table loaded.
bool ContextAccentsActive(const Engine& engine);

// The words of a UTF-8 text (cut as the text driver cuts them) that the
// context calls for an accent on, in word order; empty when not active.
std::vector<AccentChoice> FindContextAccents(const Engine& engine, std::string_view input);

// Hands the words and marks of a UTF-8 text to the model and finishes it;
// with `withoutAccents` the words are given with their accents removed (to
// measure how many the model puts back).
void ReadContextText(ContextAccents& model, const Engine& engine, std::string_view input,
                     bool withoutAccents = false);

// The restored member written in the case of the word as written (Esta ->
// Está, ESTA -> ESTÁ); both Windows-1252.
std::string InCaseOf(std::string_view written, std::string_view accented);

} // namespace vorlen
