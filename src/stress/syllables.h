// The syllable nuclei of a Spanish word: the vowels that sound, grouped into
// diphthongs and triphthongs or parted by hiatus. Consonants only separate
// nuclei, so counting nuclei counts syllables, and the stress rules need no
// more than that. Words are small letters in Windows-1252.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vorlen::stress {

struct Nucleus {
    std::size_t First = 0; // byte positions of its first and last vowel
    std::size_t Last = 0;
};

// Silent letters are left out: the u of que, qui and of gue, gui (not of güe);
// a y sounds as a vowel only at the end of a word after a vowel (hoy, rey,
// muy) or as the whole word. An h between vowels does not part them
// (prohi-bir, ahu-mar), as the written accent of prohíbe and rehúso shows.
std::vector<Nucleus> SyllableNuclei(std::string_view word);

// The vowel of the nucleus that carries the stress when no written accent
// says which: the open vowel of a diphthong (cie-lo, cau-sa), the second of
// two closed ones (cui-da, viu-do).
std::size_t StressedVowelOf(std::string_view word, const Nucleus& nucleus);

} // namespace vorlen::stress
