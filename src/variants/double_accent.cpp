// A Spanish word carries one written accent at most. The respelling can leave
// a candidate with two (cómpraló, dándolé); the word as the user wrote it
// decides which of the two marks goes.
#include "variants/double_accent.h"

#include "variants/accented_vowels.h"
#include "variants/positions.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace vorlen {

namespace {

using variants::CharAt;
using variants::FindFrom;

// The table entry of an accented vowel, or nullptr for any other character.
const AccentedVowel* AccentOf(int c) {
    for (const AccentedVowel& vowel : kAccentedVowels)
        if (c == static_cast<unsigned char>(vowel.Accented[0])) return &vowel;
    return nullptr;
}

// Takes one mark off the candidate whose vowel `a` at p has a second accented
// vowel at q; `bar` closes that candidate (0: the list ends without a bar).
void Repair(Engine& engine, const AccentedVowel& a, std::size_t p, std::size_t q, std::size_t bar) {
    std::string& result = engine.WordResult;
    const std::string_view source = engine.SourceWord;
    const int after = CharAt(result, p + 1);

    // Where the user wrote this accented vowel, compare what follows it there
    // and in the candidate: if they differ, the mark at p is not the user's
    // and the later one at q goes (compraló -> cómpraló -> cómpralo). The
    // vowel at q keeps its letter whichever vowel it is.
    const std::size_t written = FindFrom(source, a.Accented[0], 1);
    if (written != 0 && CharAt(source, written + 1) != after) {
        if (const AccentedVowel* atQ = AccentOf(CharAt(result, q))) result[q - 1] = atQ->Plain[0];
        return;
    }

    // Otherwise the mark nearest the end goes, sparing the last two letters
    // of the list (cómpralo -> cómpraló -> compraló). The scan stays inside
    // this candidate: an accent of another candidate is never its to take.
    const auto length = static_cast<std::ptrdiff_t>(result.size());
    auto pos = length - 3;
    if (bar != 0) pos = std::min(pos, static_cast<std::ptrdiff_t>(bar) - 1);
    const auto before = result.rfind('|', p - 1); // the bar that opens the candidate
    const std::ptrdiff_t first =
        before == std::string::npos ? 2 : std::max<std::ptrdiff_t>(2, before + 2);
    for (; pos >= first; --pos) {
        if (const AccentedVowel* vowel = AccentOf(CharAt(result, static_cast<std::size_t>(pos)))) {
            result[static_cast<std::size_t>(pos) - 1] = vowel->Plain[0];
            return;
        }
    }
}

// When a second accented vowel follows the one at p before the bar that closes
// its candidate (bar 0: no bar follows), repairs the candidate and says so.
bool RepairIfDouble(Engine& engine, const AccentedVowel& a, std::size_t p, std::size_t bar) {
    for (const AccentedVowel& b : kAccentedVowels) {
        const std::size_t q = FindFrom(engine.WordResult, b.Accented[0], p + 1);
        if (q != 0 && (bar == 0 || q < bar)) {
            Repair(engine, a, p, q, bar);
            return true;
        }
    }
    return false;
}

} // namespace

void FixDoubleAccent(Engine& engine) {
    const std::string& result = engine.WordResult;

    // First look at the first occurrence of each accented vowel; `bar` ends as
    // the closing bar of the candidate where the last of them was found.
    std::size_t bar = 0;
    for (const AccentedVowel& a : kAccentedVowels) {
        const std::size_t p = FindFrom(result, a.Accented[0], 1);
        if (p == 0) continue;
        bar = FindFrom(result, '|', p);
        if (RepairIfDouble(engine, a, p, bar)) return;
    }
    if (bar + 1 >= result.size()) return; // that candidate was the last

    // Then once more, each vowel searched from where the previous find's
    // candidate ends.
    std::size_t start = bar + 1;
    for (const AccentedVowel& a : kAccentedVowels) {
        const std::size_t p = FindFrom(result, a.Accented[0], start);
        if (p == 0) continue;
        bar = FindFrom(result, '|', p);
        if (RepairIfDouble(engine, a, p, bar)) return;
        if (bar == 0) return; // the list ends without its bar: nothing lies beyond
        start = bar;
    }
}

} // namespace vorlen
