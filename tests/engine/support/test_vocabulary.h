// Small vocabularies built in memory for the engine tests, and conversions
// between the tests' UTF-8 literals and the engine's Windows-1252 strings.
#pragma once

#include "engine/engine.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vorlen::test {

// UTF-8 -> Windows-1252 (aborts the test program on a character it cannot hold).
std::string W(std::string_view utf8);
// Windows-1252 -> UTF-8, for readable failure messages.
std::string U(std::string_view cp1252);

struct TestVocabulary {
    std::vector<std::string> words = {};      // UTF-8, any order; each goes on its letter's line
    std::vector<std::string> extraWords = {}; // line 29
    std::string pairLine = {};                // line 28, UTF-8
};

// An engine whose store holds exactly these words (no files involved), in
// classic mode.
Engine MakeEngine(const TestVocabulary& vocabulary);
Engine MakeEngine(std::initializer_list<std::string_view> words);

// The 30 lines of a vocabulary file for these words (Windows-1252).
std::vector<std::string> VocabularyFileLines(const TestVocabulary& vocabulary);

} // namespace vorlen::test
