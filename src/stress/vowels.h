// The Spanish vowels as the stress rules see them, in Windows-1252 bytes: a,
// e, o are open (strong) vowels, i and u closed (weak) ones. Two open vowels
// side by side belong to two syllables (hiatus: le-er); an open and a closed
// one, or two different closed ones, share one (diphthong: cie-lo, ciu-dad),
// unless the closed one is stressed, which its written accent then shows
// (o-ír, re-ír-se, ba-úl). ü is the sounded u of güe, güi.
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <optional>
#include <string_view>

namespace vorlen::stress {

struct VowelLetter {
    char Letter;
    char Plain;    // the letter without its written accent
    char Accented; // the letter with it
    bool Open;
    bool WrittenAccent;
};

inline constexpr auto kVowelLetters = std::to_array<VowelLetter>({
    {'a', 'a', "á"_w[0], true, false},
    {'e', 'e', "é"_w[0], true, false},
    {'o', 'o', "ó"_w[0], true, false},
    {'i', 'i', "í"_w[0], false, false},
    {'u', 'u', "ú"_w[0], false, false},
    {"á"_w[0], 'a', "á"_w[0], true, true},
    {"é"_w[0], 'e', "é"_w[0], true, true},
    {"ó"_w[0], 'o', "ó"_w[0], true, true},
    {"í"_w[0], 'i', "í"_w[0], false, true},
    {"ú"_w[0], 'u', "ú"_w[0], false, true},
    {"ü"_w[0], "ü"_w[0], "ú"_w[0], false, false},
});

// The vowel that a letter is, if it is one (small letters only).
constexpr std::optional<VowelLetter> FindVowel(char c) {
    for (const VowelLetter& v : kVowelLetters)
        if (v.Letter == c) return v;
    return std::nullopt;
}

static_assert(FindVowel("í"_w[0])->Plain == 'i' && !FindVowel('y'));

} // namespace vorlen::stress
