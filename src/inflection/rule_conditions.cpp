#include "inflection/rule_conditions.h"

#include "vocabulary/lookup.h"

namespace vorlen {

namespace {

// Letters after which a plural is a bare s. Not é: bebés is not reduced to
// bebé by a bare s (words in é are left to the verb rules).
constexpr std::string_view kPlainPluralLetters = "aeiourlnszáíóú"_w;

// A singular never ends in one of these letters followed by n, so "-gnes",
// "-mnes", ... are plurals of a singular in "ne" (solemnes -> solemne).
constexpr std::string_view kClusterBeforeNes = "gmnrsz";

bool TypedWordIsPlainEsPlural(std::string_view typed) {
    if (!typed.ends_with("nes")) return true;
    if (typed.size() >= 4 &&
        kClusterBeforeNes.find(typed[typed.size() - 4]) != std::string_view::npos)
        return false;
    // Long plurals in "nes" written without accents (canciones) come from
    // singulars with one (canción): left to the "ones" -> "ón|" rules.
    return !(typed.size() >= 7 && HasAccent(typed) == 0);
}

char LastOf(std::string_view stem) {
    return stem.empty() ? '\0' : stem.back();
}

} // namespace

bool RuleConditionHolds(RuleCondition condition, std::string_view stem,
                        std::string_view typedWord) {
    switch (condition) {
    case RuleCondition::None:
        return true;
    case RuleCondition::LetterBeforeSTakesPlainPlural:
        return !stem.empty() && kPlainPluralLetters.find(stem.back()) != std::string_view::npos;
    case RuleCondition::TypedWordIsPlainEsPlural:
        return TypedWordIsPlainEsPlural(typedWord);
    case RuleCondition::NotAfterAccentedI:
        // An empty stem has no í before the ending.
        return LastOf(stem) != "í"_w[0];
    case RuleCondition::NotCarGarInfinitive: {
        // The key is "|" + stem + "ar|"; it ends in "car|" or "gar|" exactly
        // when the stem ends in c or g ("|ar|" from an empty stem does not).
        const char last = LastOf(stem);
        return last != 'c' && last != 'g';
    }
    }
    return true;
}

} // namespace vorlen
