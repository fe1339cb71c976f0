// The pronoun endings that Spanish attaches to infinitives, gerunds and
// imperatives (cómpralo, dímelo, vámonos, démoselo), in the order they are
// tried. Endings come in five groups by length; a group is tried only on words
// long enough to keep at least two letters in front of its endings, and the
// first group a word is too short for ends the search.
//
// Group 3 holds the pairs of two short pronouns (me te se le os + me te se os
// le lo la, never le before le/lo/la), group 4 the pairs with one pronoun of
// three letters, group 5 those with two.
//
// FirstPlural marks the endings that can follow a first-plural imperative,
// which drops its final s before the pronoun: vamos + nos -> vámonos,
// demos + selo -> démoselo. Those endings are tried a second time, right after
// the first, with the s put back.
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace vorlen {

struct EncliticEnding {
    std::string_view Ending;
    std::size_t MinWordLength; // the group's shortest word: the ending plus two letters
    bool FirstPlural;          // also tried on a stem in -mo, with its s restored
};

inline constexpr std::array<EncliticEnding, 76> kEncliticEndings = {{
    // Group 1: one pronoun of two letters.
    {"me"_w, 4, false},
    {"te"_w, 4, false},
    {"se"_w, 4, false},
    {"le"_w, 4, false},
    {"lo"_w, 4, false},
    {"la"_w, 4, false},
    {"os"_w, 4, false},
    // Group 2: one pronoun of three letters.
    {"nos"_w, 5, true},
    {"les"_w, 5, false},
    {"los"_w, 5, false},
    {"las"_w, 5, false},
    // Group 3: two pronouns of two letters.
    {"meme"_w, 6, false},
    {"teme"_w, 6, false},
    {"seme"_w, 6, false},
    {"leme"_w, 6, false},
    {"osme"_w, 6, false},
    {"mete"_w, 6, false},
    {"tete"_w, 6, false},
    {"sete"_w, 6, false},
    {"lete"_w, 6, false},
    {"oste"_w, 6, false},
    {"mese"_w, 6, false},
    {"tese"_w, 6, false},
    {"sese"_w, 6, false},
    {"lese"_w, 6, false},
    {"osse"_w, 6, false},
    {"meos"_w, 6, false},
    {"teos"_w, 6, false},
    {"seos"_w, 6, false},
    {"leos"_w, 6, false},
    {"osos"_w, 6, false},
    {"mele"_w, 6, false},
    {"tele"_w, 6, false},
    {"sele"_w, 6, false},
    {"osle"_w, 6, false},
    {"melo"_w, 6, false},
    {"telo"_w, 6, false},
    {"selo"_w, 6, true},
    {"oslo"_w, 6, false},
    {"mela"_w, 6, false},
    {"tela"_w, 6, false},
    {"sela"_w, 6, true},
    {"osla"_w, 6, false},
    // Group 4: a pronoun of two letters and one of three, either way round.
    {"menos"_w, 7, false},
    {"tenos"_w, 7, false},
    {"senos"_w, 7, false},
    {"lenos"_w, 7, false},
    {"osnos"_w, 7, false},
    {"meles"_w, 7, false},
    {"teles"_w, 7, false},
    {"seles"_w, 7, false},
    {"osles"_w, 7, false},
    {"melos"_w, 7, false},
    {"telos"_w, 7, false},
    {"selos"_w, 7, true},
    {"oslos"_w, 7, false},
    {"melas"_w, 7, false},
    {"telas"_w, 7, false},
    {"selas"_w, 7, true},
    {"oslas"_w, 7, false},
    {"nosme"_w, 7, true},
    {"lesme"_w, 7, false},
    {"noste"_w, 7, true},
    {"leste"_w, 7, false},
    {"nosse"_w, 7, true},
    {"lesse"_w, 7, false},
    {"nosos"_w, 7, true},
    {"lesos"_w, 7, false},
    {"nosle"_w, 7, true},
    {"noslo"_w, 7, true},
    {"nosla"_w, 7, true},
    // Group 5: two pronouns of three letters.
    {"nosnos"_w, 8, true},
    {"lesnos"_w, 8, false},
    {"nosles"_w, 8, true},
    {"noslos"_w, 8, true},
    {"noslas"_w, 8, true},
}};

static_assert(kEncliticEndings.size() == 76);

// Every ending gets the host-letter attempt; the first-plural ones a second.
inline constexpr std::size_t kEncliticAttemptCount = [] {
    std::size_t count = 0;
    for (const auto& e : kEncliticEndings)
        count += e.FirstPlural ? 2 : 1;
    return count;
}();
static_assert(kEncliticAttemptCount == 92);

} // namespace vorlen
