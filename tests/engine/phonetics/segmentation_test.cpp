#include "respell_test_support.h"

#include <gtest/gtest.h>

namespace vorlen::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct SegmentCase {
    Search search;
    const char* word;
    Rows rows;
};

class Segmentation : public testing::TestWithParam<SegmentCase> {};

TEST_P(Segmentation, CutsTheFramedWord) {
    const SegmentCase& c = GetParam();
    Engine engine = MakeEngine({"zzz"});
    EXPECT_EQ(Segments(engine, c.search, c.word), c.rows) << SearchName(c.search) << " " << c.word;
}

INSTANTIATE_TEST_SUITE_P(
    Words, Segmentation,
    testing::Values(
        // Context letters are segmented again: "ee" offers eh for the first e only.
        SegmentCase{Search::Plain, "leer", {{"|"}, {"l"}, {"e", "eh"}, {"e", "é"}, {"r"}, {"|"}}},
        SegmentCase{
            Search::Plain, "vaca", {{"|"}, {"v", "b"}, {"a", "á"}, {"c", "k"}, {"a", "á"}, {"|"}}},
        SegmentCase{Search::Plain,
                    "ciudad",
                    {{"|"},
                     {"c", "s", "sc"},
                     {"i", "ih"},
                     {"u", "w", "ú", "ü"},
                     {"d"},
                     {"a", "á"},
                     {"d"},
                     {"|"}}},
        // The plain search folds the word first: the capital and the accent go.
        SegmentCase{Search::Plain,
                    "Ceviche",
                    {{"|"},
                     {"c", "s", "sc"},
                     {"e", "é"},
                     {"v", "b"},
                     {"i", "í"},
                     {"ch", "sh"},
                     {"e", "é"},
                     {"|"}}},
        // A one-letter word is a single segment with both bars.
        SegmentCase{Search::Plain, "a", {{"|a|"}}}, SegmentCase{Search::Accented, "Y", {{"|y|"}}},
        // Whole words that keep their h.
        SegmentCase{Search::Accented, "ha", {{"|ha|"}}},
        // A final accented vowel takes in the closing bar.
        SegmentCase{Search::Accented, "está", {{"|ext", "|est"}, {"á|", "a|", "ad|"}}},
        SegmentCase{Search::Accented, "qué", {{"|"}, {"k"}, {"é|", "e|", "ed|"}}},
        // Accented capitals are lowered, not folded: the initial á may take an h.
        SegmentCase{Search::Accented,
                    "Árbol",
                    {{"|", "|h"}, {"á", "a"}, {"r"}, {"b", "v"}, {"o", "ó"}, {"l", "r"}, {"|"}}},
        SegmentCase{
            Search::Accented,
            "búho",
            {{"|"}, {"b", "v"}, {"ú", "w", "u", "ü", "uh", "úh"}, {"", "h"}, {"o", "ó"}, {"|"}}},
        SegmentCase{
            Search::Plain, "perro", {{"|"}, {"p"}, {"e", "é"}, {"rr", "r"}, {"o", "ó"}, {"|"}}},
        SegmentCase{
            Search::Accented, "perro", {{"|"}, {"p"}, {"e", "é"}, {"r"}, {"r"}, {"o", "ó"}, {"|"}}},
        SegmentCase{Search::Accented, "rroca", {{"|r"}, {"o", "ó"}, {"c", "k"}, {"a", "á"}, {"|"}}},
        // Letters no rule takes stay as they are: a second á after folding,
        // c before ü, a digit.
        SegmentCase{Search::Plain, "álá", {{"|", "|h"}, {"a", "á"}, {"l"}, {"á"}, {"|"}}},
        SegmentCase{Search::Accented, "cüa", {{"|"}, {"c"}, {"ü", "u", "w"}, {"a", "á"}, {"|"}}},
        SegmentCase{Search::Accented, "a1", {{"|", "|h"}, {"a", "á"}, {"1"}, {"|"}}}));

// Long words are not cut short: the table grows as the word needs.
TEST(Segmentation, HasARowForEverySegmentOfALongWord) {
    Engine engine = MakeEngine({"zzz"});
    const Rows rows = Segments(engine, Search::Plain, std::string(60, 'a'));
    ASSERT_EQ(rows.size(), 62u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"|", "|h"}));
    EXPECT_EQ(rows[59], (std::vector<std::string>{"a", "ah"}));
    EXPECT_EQ(rows[60], (std::vector<std::string>{"a", "á"}));
    EXPECT_EQ(engine.Respell.LastSegment, 61);
}

} // namespace
} // namespace vorlen::test
