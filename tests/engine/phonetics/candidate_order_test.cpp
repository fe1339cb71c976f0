#include "respell_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vorlen::test {
namespace {

using List = std::vector<std::string>;

struct OrderCase {
    Search search;
    const char* word;
    List first;        // the first candidates, in order
    std::size_t total; // how many candidates in all
};

class CandidateOrder : public testing::TestWithParam<OrderCase> {};

// With nothing found the search runs through every combination, row 0
// changing fastest.
TEST_P(CandidateOrder, CountsWithTheFirstSegmentFastest) {
    const OrderCase& c = GetParam();
    Engine engine = MakeEngine({"zzz"});
    const List candidates = Candidates(engine, c.search, c.word);
    EXPECT_EQ(candidates.size(), c.total) << SearchName(c.search) << " " << c.word;
    ASSERT_GE(candidates.size(), c.first.size());
    EXPECT_EQ(List(candidates.begin(), candidates.begin() + static_cast<long>(c.first.size())),
              c.first)
        << SearchName(c.search) << " " << c.word;
    EXPECT_EQ(engine.Respell.CandidateCount, static_cast<long>(c.total));
}

const List kVaca = {"vaca", "baca", "váca", "báca", "vaka", "baka", "váka", "báka",
                    "vacá", "bacá", "vácá", "bácá", "vaká", "baká", "váká", "báká"};

INSTANTIATE_TEST_SUITE_P(
    Words, CandidateOrder,
    testing::Values(
        OrderCase{Search::Plain, "vaca", kVaca, 16}, OrderCase{Search::Accented, "vaca", kVaca, 16},
        OrderCase{Search::Plain, "ciudad", {"ciudad", "siudad", "sciudad", "cihudad"}, 48},
        // es- before a consonant offers ex- first; a silent h is dropped first.
        OrderCase{Search::Plain, "escuela", {"excuela", "escuela"}, 32},
        OrderCase{Search::Plain, "hola", {"ola", "hola"}, 8},
        OrderCase{Search::Accented, "está", {"extá", "está", "exta", "esta", "extad", "estad"}, 6},
        // qué offers k alone: the written spelling is not a candidate.
        OrderCase{Search::Accented, "qué", {"ké", "ke", "ked"}, 3},
        OrderCase{Search::Plain,
                  "perro",
                  {"perro", "pérro", "pero", "péro", "perró", "pérró", "peró", "péró"},
                  8},
        OrderCase{Search::Accented, "a", {"a"}, 1}));

TEST(CandidateOrder, AquiNeverYieldsItsWrittenSpelling) {
    Engine engine = MakeEngine({"aquí"});
    const List candidates = Candidates(engine, Search::Accented, "aquí");
    EXPECT_FALSE(candidates.empty());
    EXPECT_EQ(std::count(candidates.begin(), candidates.end(), "aquí"), 0);
    EXPECT_EQ(U(engine.WordResult), " ");
}

} // namespace
} // namespace vorlen::test
