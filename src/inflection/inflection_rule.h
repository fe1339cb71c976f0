// One inflection rule: a word ending in `ending` may be a form of the entry
// "|" + stem + `replacement`, the stem being the word without that ending.
// Every replacement ends with the bar that closes the key ("o|", "ar|", "|").
#pragma once

#include "vocabulary/cp1252.h"

#include <cstdint>
#include <string_view>

namespace vorlen {

// What a rule needs, besides its ending, before its key is looked up.
enum class RuleCondition : std::uint8_t {
    None,
    // The letter before a final s takes a bare plural s: a vowel other than é,
    // or r, l, n, s, z (casas, flores, sofás; not bebés).
    LetterBeforeSTakesPlainPlural,
    // The typed word reads as a plural in "es" of a singular ending in a
    // consonant: not "-gnes", "-mnes", ... (solemnes has a singular solemne),
    // nor a long unaccented "-nes" (canciones belongs to canción).
    TypedWordIsPlainEsPlural,
    // The letter before the ending is not í: "-íera" is an imperfect
    // subjunctive (comiera written with an accent), not a noun in "-era".
    NotAfterAccentedI,
    // The key does not end in "car|" or "gar|": the subjunctive of buscar and
    // pagar is written busquen, paguen, so buscen is not one of its forms.
    NotCarGarInfinitive,
};

struct InflectionRule {
    std::string_view ending;
    std::string_view replacement;
    RuleCondition condition = RuleCondition::None;
};

} // namespace vorlen
