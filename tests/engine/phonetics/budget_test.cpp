#include "respell_test_support.h"

#include <gtest/gtest.h>

namespace vorlen::test {
namespace {

// The run of tried spellings as its definition builds it: each candidate
// between bars, appended, and every double bar made single.
std::string TriedSpellings(const std::vector<std::string>& candidates) {
    std::string tried;
    for (const auto& c : candidates) {
        tried += "|" + W(c) + "|";
        for (auto pos = tried.find("||"); pos != std::string::npos; pos = tried.find("||"))
            tried.erase(pos, 1);
    }
    return tried;
}

// The budget counts like the run of spellings itself, with the empty
// candidate of hh adding nothing but its bar.
TEST(Budget, CountsLikeTheRunOfTriedSpellings) {
    for (const char* word : {"vaca", "hh", "hah", "a", "ha", "asse", "está"}) {
        Engine engine = MakeEngine({"zzz"});
        const auto candidates = Candidates(engine, Search::Accented, word);
        EXPECT_EQ(engine.Respell.TriedSpellingsLength, TriedSpellings(candidates).size()) << word;
    }
}

// A word of 30 letters has far more combinations than the budget allows; the
// search ends after the candidate that takes the run past 6000 characters,
// and that candidate is still looked up.
TEST(Budget, EndsAfterTheCandidateThatCrossesIt) {
    const std::string word = "vacavacavacavacavacavacavacava";
    Engine engine = MakeEngine({"zzz"});
    const auto candidates = Candidates(engine, Search::Plain, word);
    ASSERT_GT(candidates.size(), 1u);
    const auto before = std::vector<std::string>(candidates.begin(), candidates.end() - 1);
    EXPECT_LE(TriedSpellings(before).size(), kTriedSpellingsBudget);
    EXPECT_GT(TriedSpellings(candidates).size(), kTriedSpellingsBudget);
    EXPECT_EQ(engine.Respell.TriedSpellingsLength, TriedSpellings(candidates).size());
    // Every candidate has 30 letters: 6000 / 31 full candidates, then the one over.
    EXPECT_EQ(candidates.size(), 194u);

    Engine finds = MakeEngine({candidates.back()});
    EXPECT_EQ(Respelled(finds, Search::Plain, word), " " + candidates.back() + " ");
}

struct LongWord {
    Search search;
    std::string word;
};

class LongWords : public testing::TestWithParam<LongWord> {};

TEST_P(LongWords, FinishWithinTheBudget) {
    const LongWord& c = GetParam();
    Engine engine = MakeEngine({"zzz"});
    const auto candidates = Candidates(engine, c.search, c.word);
    ASSERT_FALSE(candidates.empty());
    const std::size_t letters = W(c.word).size();
    EXPECT_LE(engine.Respell.TriedSpellingsLength, kTriedSpellingsBudget + letters + 2);
    EXPECT_LE(candidates.size(), kTriedSpellingsBudget / letters + 1);
    EXPECT_EQ(U(engine.WordResult), " ");
}

INSTANTIATE_TEST_SUITE_P(
    Words, LongWords,
    testing::Values(LongWord{Search::Plain, "electroencefalografistasquehablanmuchoo"},
                    LongWord{Search::Accented, "electroencefalografistasquehablanmuchoo"},
                    LongWord{Search::Plain, std::string(60, 'a')},
                    LongWord{Search::Accented, std::string(60, 'u')},
                    LongWord{Search::Accented, "ÁÉÍÓÚÜÑÁÉÍÓÚÜÑÁÉÍÓÚÜÑ"},
                    LongWord{Search::Plain, "ÁÉÍÓÚÜÑÁÉÍÓÚÜÑÁÉÍÓÚÜÑ"}));

} // namespace
} // namespace vorlen::test
