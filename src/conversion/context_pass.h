// The pass over a whole text that finds where its words call for an accent
// from their neighbours (context/context_model.h), before the words are
// converted one by one.
#pragma once

#include "context/context_model.h"
#include "engine/engine.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorlen {

// True when running text gets accents from context: outside classic mode,
// with the option on and a table loaded.
bool ContextAccentsActive(const Engine& engine);

// A word the context calls for an accent on: where it starts in the input
// (bytes), and the accented member (lower case, Windows-1252).
struct PlacedAccent {
    std::size_t InputOffset = 0;
    std::string Accented;
};

// The words of a UTF-8 text (cut as the text driver cuts them: every run of
// letters) that the context calls for an accent on, in text order; empty when
// not active. They are placed by offset, so the driver can pass over tokens
// and names it keeps as written without losing its place.
std::vector<PlacedAccent> FindContextAccents(const Engine& engine, std::string_view input);

// Hands the words and marks of a UTF-8 text to the model and finishes it;
// with `withoutAccents` the words are given with their accents removed (to
// measure how many the model puts back). `wordStarts`, when given, receives
// the input offset of each word handed over.
void ReadContextText(ContextAccents& model, const Engine& engine, std::string_view input,
                     bool withoutAccents = false, std::vector<std::size_t>* wordStarts = nullptr);

// The restored member written in the case of the word as written (Esta ->
// Está, ESTA -> ESTÁ); both Windows-1252.
std::string InCaseOf(std::string_view written, std::string_view accented);

} // namespace vorlen
