// The order in which the inflection rules are tried, and the same sequence
// flattened into steps indexed by the last letter of their ending.
//
// A word can only end with an ending whose last letter is its own last
// letter, so walking just the steps of that letter, in sequence order, tries
// exactly the rules the whole sequence would try, in the same order.
#pragma once

#include "inflection/adverb_superlative_rules.h"
#include "inflection/derivational_suffix_rules.h"
#include "inflection/diminutive_spelling_rules.h"
#include "inflection/inflection_rule.h"
#include "inflection/ista_ismo_rules.h"
#include "inflection/plural_es_rules.h"
#include "inflection/plural_gender_rules.h"
#include "inflection/verb_ending_rules.h"
#include "inflection/z_spelling_stop.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vorlen {

// A stretch of the sequence and what a word needs to reach it.
struct RuleSection {
    std::span<const InflectionRule> rules;
    // Endings that end the search with "N" instead of trying a key.
    std::span<const std::string_view> stopEndings;
    std::uint8_t minLength = 2;
    // Tried only when the word as typed (SourceWord) has no written accent.
    bool onlyUnaccentedTypedWord = false;
    // A word of exactly this many letters ends the search on reaching the
    // section (0: none).
    std::uint8_t stopLength = 0;
};

inline constexpr std::array<RuleSection, 10> kRuleSections = {{
    {std::span(kPluralGenderRules).first<kShortPluralGenderRuleCount>(), {}, 3},
    {std::span(kPluralGenderRules).subspan<kShortPluralGenderRuleCount>(), {}, 4},
    {{}, kZSpellingStopEndings, 4},
    {kPluralEsRules, {}, 4},
    {kAdverbSuperlativeRules, {}, 4},
    {kDerivationalSuffixRules, {}, 4, true},
    {kVerbEndingRules, {}, 2},
    {kDiminutiveSpellingRules, {}, 2},
    {std::span(kIstaIsmoRules).first<kFirstPluralIstaIsmoRule>(), {}, 2, false, 5},
    {std::span(kIstaIsmoRules).subspan<kFirstPluralIstaIsmoRule>(), {}, 2, false, 6},
}};

// One rule or stop ending with the requirements of its section folded in.
struct RuleStep {
    std::string_view ending;
    std::string_view replacement; // empty: a stop ending
    RuleCondition condition = RuleCondition::None;
    std::uint8_t minLength = 2;
    bool onlyUnaccentedTypedWord = false;
    // Bit n: a word of n letters has met a length stop before this step. The
    // bits only accumulate, so the first such step a walk meets ends it.
    std::uint32_t stoppedLengths = 0;
};

inline constexpr std::size_t kRuleStepCount = [] {
    std::size_t count = 0;
    for (const RuleSection& section : kRuleSections)
        count += section.rules.size() + section.stopEndings.size();
    return count;
}();

inline constexpr std::array<RuleStep, kRuleStepCount> kRuleSteps = [] {
    std::array<RuleStep, kRuleStepCount> steps{};
    std::size_t n = 0;
    std::uint32_t stopped = 0;
    for (const RuleSection& section : kRuleSections) {
        if (section.stopLength != 0) stopped |= std::uint32_t{1} << section.stopLength;
        for (const InflectionRule& rule : section.rules)
            steps[n++] = {rule.ending,
                          rule.replacement,
                          rule.condition,
                          section.minLength,
                          section.onlyUnaccentedTypedWord,
                          stopped};
        for (std::string_view ending : section.stopEndings)
            steps[n++] = {
                ending, {}, RuleCondition::None, section.minLength, section.onlyUnaccentedTypedWord,
                stopped};
    }
    return steps;
}();

// The last (up to) eight bytes of a text packed into an integer, the last
// byte lowest. For a word shorter than eight bytes the missing bytes are zero,
// which no ending holds, so an ending longer than the word never matches.
constexpr std::uint64_t PackedTail(std::string_view text) {
    std::uint64_t tail = 0;
    const std::size_t n = text.size() < 8 ? text.size() : 8;
    for (std::size_t i = 0; i < n; ++i)
        tail |= std::uint64_t{static_cast<unsigned char>(text[text.size() - 1 - i])} << (8 * i);
    return tail;
}

// A step's ending as the walk tests it first: one mask and one comparison
// settle every ending of eight bytes or fewer.
struct PackedEnding {
    std::uint64_t tail = 0;
    std::uint64_t mask = 0;
    std::uint16_t step = 0; // index into kRuleSteps
};

// The steps whose ending ends with byte b are entries first[b] .. first[b + 1] - 1
// of `endings`, in sequence order.
struct RuleStepIndex {
    std::array<std::uint16_t, 257> first{};
    std::array<PackedEnding, kRuleStepCount> endings{};
};

inline constexpr RuleStepIndex kRuleStepIndex = [] {
    RuleStepIndex index;
    std::array<std::uint16_t, 257> next{};
    for (const RuleStep& step : kRuleSteps)
        ++next[static_cast<unsigned char>(step.ending.back()) + 1];
    for (std::size_t b = 1; b < next.size(); ++b)
        next[b] = static_cast<std::uint16_t>(next[b] + next[b - 1]);
    index.first = next;
    for (std::size_t k = 0; k < kRuleSteps.size(); ++k) {
        const std::string_view ending = kRuleSteps[k].ending;
        const std::size_t bytes = ending.size() < 8 ? ending.size() : 8;
        const std::uint64_t mask =
            bytes == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * bytes)) - 1;
        index.endings[next[static_cast<unsigned char>(ending.back())]++] = {
            PackedTail(ending), mask, static_cast<std::uint16_t>(k)};
    }
    return index;
}();

namespace detail {

// A table row left out of its braces would stand there as an empty rule;
// every rule must have an ending and a key-closing replacement, and a
// condition on the key's infinitive only makes sense for "ar|".
constexpr bool RuleTablesAreWellFormed() {
    for (const RuleStep& step : kRuleSteps) {
        if (step.ending.empty()) return false;
        const bool stop = step.replacement.empty();
        if (!stop && step.replacement.back() != '|') return false;
        if (step.condition == RuleCondition::NotCarGarInfinitive && step.replacement != "ar|")
            return false;
    }
    return true;
}

} // namespace detail

static_assert(kRuleStepCount == 368 + kZSpellingStopEndings.size());
static_assert(detail::RuleTablesAreWellFormed());

} // namespace vorlen
