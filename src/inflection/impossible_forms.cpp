#include "inflection/impossible_forms.h"

#include "inflection/rule_sequence.h"
#include "vocabulary/lookup.h"

#include <array>
#include <string>

namespace vorlen {

namespace {

// The steps of the verb endings, which follow the sections before them in
// the sequence. (Found by address, which a constant expression may not
// compare across objects: computed once at start.)
const std::size_t kVerbStepsBegin = [] {
    std::size_t count = 0;
    for (const RuleSection& section : kRuleSections) {
        if (section.rules.data() == kVerbEndingRules.data()) return count;
        count += section.rules.size() + section.stopEndings.size();
    }
    return count;
}();
const std::size_t kVerbStepsEnd = kVerbStepsBegin + kVerbEndingRules.size();

constexpr std::array<char, 5> kAccentedVowels = {"á"_w[0], "é"_w[0], "í"_w[0], "ó"_w[0], "ú"_w[0]};

bool IsAccentedVowel(char c) {
    for (const char v : kAccentedVowels)
        if (c == v) return true;
    return false;
}

// The last `n` letters of the word are written so, accent included, in the
// word as typed.
bool TypedAsSuch(const Engine& engine, std::string_view word, std::size_t n) {
    return ToLower(engine.SourceWord).ends_with(word.substr(word.size() - n));
}

bool InVocabulary(const Engine& engine, std::string_view stem, std::string_view ending) {
    std::string key = "|";
    key.append(stem).append(ending).append("|");
    return VocabLookup(engine, key) > 0;
}

// ultimó, comió, viví: the stem before the preterite ending with an
// infinitive in the vocabulary.
bool IsPreteriteOfAVerb(const Engine& engine, std::string_view form) {
    std::string_view stem = form.substr(0, form.size() - 1);
    if (form.ends_with("ió"_w)) stem.remove_suffix(1);
    for (const std::string_view infinitive : {"ar", "er", "ir"})
        if (InVocabulary(engine, stem, infinitive)) return true;
    return false;
}

} // namespace

bool IsImpossibleForm(const Engine& engine, std::string_view word, std::size_t step) {
    const std::string& key = engine.FoundKey;
    if (step >= kRuleStepCount || key.size() < 3) return false;
    const RuleStep& rule = kRuleSteps[step];
    const bool verbEnding = step >= kVerbStepsBegin && step < kVerbStepsEnd;
    if (verbEnding && key[1] != ToLowerByte(key[1])) return true;

    // The singular of a plural in s: key "|ultimó|".
    if (rule.ending == "s" && rule.replacement == "|" && word.size() >= 2 &&
        IsAccentedVowel(word[word.size() - 2]) && !TypedAsSuch(engine, word, 2))
        return IsPreteriteOfAVerb(engine, std::string_view(key).substr(1, key.size() - 2));

    // A preterite in é or ó of an -ar word: key "|espectacular|".
    if (verbEnding && (rule.ending == "é"_w || rule.ending == "ó"_w) && rule.replacement == "ar|" &&
        !TypedAsSuch(engine, word, 1))
        return !InVocabulary(engine, word.substr(0, word.size() - 1), "ado");
    return false;
}

} // namespace vorlen
