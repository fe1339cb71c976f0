#include "inflection/rule_conditions.h"
#include "inflection/rule_sequence.h"
#include "support/test_vocabulary.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlen {
namespace {

// The walk by last letter must meet every step once, in sequence order.
TEST(InflectionRuleTables, IndexByLastLetterKeepsSequenceOrder) {
    std::vector<int> seen(kRuleSteps.size(), 0);
    for (std::size_t b = 0; b < 256; ++b) {
        int previous = -1;
        for (auto k = kRuleStepIndex.first[b]; k < kRuleStepIndex.first[b + 1]; ++k) {
            const int step = kRuleStepIndex.endings[k].step;
            EXPECT_GT(step, previous);
            EXPECT_EQ(static_cast<unsigned char>(kRuleSteps[step].ending.back()), b);
            previous = step;
            ++seen[static_cast<std::size_t>(step)];
        }
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), static_cast<long>(kRuleSteps.size()));
}

// The packed test stands in for ends_with on every ending of eight bytes or
// fewer, also for words shorter than the ending.
TEST(InflectionRuleTables, PackedEndingsMatchAsEndsWith) {
    const std::vector<std::string> words = {"s",
                                            "as",
                                            "eras",
                                            "ista",
                                            "amabilidades",
                                            "abilidades",
                                            test::W("é"),
                                            "habladoras",
                                            "amamente",
                                            "cuidadosamente",
                                            "pista",
                                            "x",
                                            test::W("comíamos"),
                                            std::string("a\0s", 3)};
    for (const std::string& word : words) {
        const std::uint64_t tail = PackedTail(word);
        for (const PackedEnding& packed : kRuleStepIndex.endings) {
            const std::string_view ending = kRuleSteps[packed.step].ending;
            const bool matches = (tail & packed.mask) == packed.tail &&
                                 (ending.size() <= 8 || word.ends_with(ending));
            EXPECT_EQ(matches, std::string_view(word).ends_with(ending))
                << test::U(word) << " / " << test::U(ending);
        }
    }
}

TEST(InflectionRuleConditions, LookAtTheStemOrTheTypedWord) {
    using test::W;
    struct Case {
        RuleCondition condition;
        std::string stem;
        std::string typed;
        bool holds;
    };
    const std::vector<Case> cases = {
        {RuleCondition::LetterBeforeSTakesPlainPlural, "casa", "", true},
        {RuleCondition::LetterBeforeSTakesPlainPlural, W("sofá"), "", true},
        {RuleCondition::LetterBeforeSTakesPlainPlural, W("bebé"), "", false},
        {RuleCondition::LetterBeforeSTakesPlainPlural, "reloj", "", false},
        {RuleCondition::TypedWordIsPlainEsPlural, "", "flores", true},
        {RuleCondition::TypedWordIsPlainEsPlural, "", "solemnes", false},
        {RuleCondition::TypedWordIsPlainEsPlural, "", "himnes", false},
        {RuleCondition::TypedWordIsPlainEsPlural, "", "canciones", false},
        {RuleCondition::TypedWordIsPlainEsPlural, "", W("cánciones"), true},
        {RuleCondition::TypedWordIsPlainEsPlural, "", "panes", true},
        {RuleCondition::TypedWordIsPlainEsPlural, "", "nes", true},
        {RuleCondition::NotAfterAccentedI, "cas", "", true},
        {RuleCondition::NotAfterAccentedI, W("comí"), "", false},
        {RuleCondition::NotAfterAccentedI, "", "", true}, // the ending is the whole word
        {RuleCondition::NotCarGarInfinitive, "habl", "", true},
        {RuleCondition::NotCarGarInfinitive, "busc", "", false},
        {RuleCondition::NotCarGarInfinitive, "pag", "", false},
        {RuleCondition::NotCarGarInfinitive, "", "", true}, // key "|ar|"
    };
    for (const Case& c : cases)
        EXPECT_EQ(RuleConditionHolds(c.condition, c.stem, c.typed), c.holds)
            << test::U(c.stem) << " / " << test::U(c.typed);
}

} // namespace
} // namespace vorlen
