#include "phonetics/respell_rules.h"

#include <gtest/gtest.h>
#include <span>

namespace vorlen {
namespace {

const std::span<const RespellRule> kTables[] = {kRespellRules, kAccentedRespellRules};

// The last rule at the opening bar takes any other first letter and the
// closing bar of every word, so it must follow all the rules that begin with
// a bar, and no letter rule may begin with one.
TEST(RespellRules, BareBarRuleClosesTheWordStartRules) {
    for (const std::span<const RespellRule> table : kTables) {
        std::size_t bare = table.size();
        for (std::size_t k = 0; k < table.size(); ++k) {
            if (table[k].Pattern == "|") bare = k;
            if (k > bare) {
                EXPECT_NE(table[k].Pattern.front(), '|') << k;
            }
        }
        ASSERT_LT(bare, table.size());
        for (std::size_t k = 0; k < bare; ++k)
            EXPECT_EQ(table[k].Pattern.front(), '|') << k;
    }
}

// A rule whose pattern begins with an earlier rule's pattern is never reached,
// unless the earlier rule's next-letter condition lets it through.
bool Reachable(const RespellRule& early, const RespellRule& late) {
    if (!late.Pattern.starts_with(early.Pattern)) return true;
    if (early.NextLetters.empty()) return false;
    if (late.Pattern.size() == early.Pattern.size()) return late.NextLetters != early.NextLetters;
    return early.NextLetters.find(late.Pattern[early.Pattern.size()]) == std::string_view::npos;
}

TEST(RespellRules, NoRuleIsHiddenByAnEarlierOne) {
    for (const std::span<const RespellRule> table : kTables) {
        for (std::size_t late = 0; late < table.size(); ++late)
            for (std::size_t early = 0; early < late; ++early)
                EXPECT_TRUE(Reachable(table[early], table[late]))
                    << "rule " << late << " hidden by rule " << early;
    }
}

} // namespace
} // namespace vorlen
