// Is this spelling a word? Every test of the engine ends here.
#pragma once

#include "engine/engine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlen {

// The vocabulary line of a word's first letter: a..z -> 0..25, an accented
// vowel on its plain vowel's line, ñ -> 26; -1 for anything else (ü, digits).
// Capitals are lower-cased first.
int LineIndexOf(char firstLetter);

// 1-based position of the bar-framed key in the line of its word's first
// letter, 0 when absent. Whole entries only: "|sol|" never matches "|soldado|".
std::int32_t VocabLookup(const Engine& engine, std::string_view key);

// The word in lower case; with diacritics ignored, first the first á, é, í, ó
// and ú (small letters only) are each made plain.
std::string FoldForLookup(std::string_view word, bool ignoreDiacritics);

// 1 when the word holds any of á é í ó ú (ü and ñ are not accents), else 0.
int HasAccent(std::string_view word);

// Drops the last candidate of a bar-framed list of two or more; a list of one
// candidate is left as it is.
void DropLastAlternative(std::string& wordResult);

// True for the characters of kLetterSet.
bool IsLetter(char c);

// True when the string holds a bar. For the short strings of the lookups a
// plain loop beats a call of memchr.
inline bool HoldsBar(std::string_view s) {
    for (const char c : s)
        if (c == '|') return true;
    return false;
}

} // namespace vorlen
