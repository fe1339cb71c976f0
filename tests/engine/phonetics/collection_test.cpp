#include "respell_test_support.h"

#include <gtest/gtest.h>

namespace vorlen::test {
namespace {

constexpr Search kBoth[] = {Search::Plain, Search::Accented};

// Each row holds for both searches: what is found, with the casing that is a
// word (Juan, ONU), and the single space when nothing is.
TEST(Collection, FindsTheSameInBothSearches) {
    struct Case {
        std::vector<std::string> vocabulary;
        const char* word;
        const char* expected;
    };
    for (const Case& c : std::vector<Case>{Case{{"haber"}, "aber", " haber "}, // behind a missing h
                                           Case{{"casa"}, "perro", " "},       // nothing found
                                           Case{{"Juan", "ONU"}, "juan", " Juan "},
                                           Case{{"Juan", "ONU"}, "onu", " ONU "}}) {
        for (Search search : kBoth) {
            Engine engine = MakeEngine(TestVocabulary{c.vocabulary});
            EXPECT_EQ(Respelled(engine, search, c.word), c.expected)
                << SearchName(search) << " " << c.word;
        }
    }
}

// Only changes are wanted: a word written right, in lower case, ends the
// search at once.
TEST(Collection, StopsAtTheWordAsWrittenWhenOnlyChangesAreWanted) {
    for (Search search : kBoth) {
        Engine engine = MakeEngine({"vaca", "baca"});
        EXPECT_EQ(Respelled(engine, search, "vaca"), " vaca ") << SearchName(search);
        EXPECT_EQ(engine.Respell.CandidateCount, 1);

        // The candidates are lower case, so a capitalised word never stops it.
        EXPECT_EQ(Respelled(engine, search, "Vaca"), " vaca baca ") << SearchName(search);
        EXPECT_EQ(engine.Respell.CandidateCount, 16);

        engine.Options.ChangeFoundWords = true;
        EXPECT_EQ(Respelled(engine, search, "vaca"), " vaca baca ") << SearchName(search);
        EXPECT_EQ(engine.Respell.CandidateCount, 16);
    }
}

// The stop compares with the word as written, which for a stem is not the
// word respelled.
TEST(Collection, StopComparesWithTheSourceWord) {
    Engine engine = MakeEngine({"vaca", "baca"});
    engine.SourceWord = W("vacaselo");
    PhoneticRespellAccented(engine, "vaca");
    EXPECT_EQ(U(engine.WordResult), " vaca baca ");
}

// With every spelling wanted (found words changed), the collected list.
TEST(Collection, CollectsEverySpellingThatIsAWord) {
    struct Case {
        std::vector<std::string> vocabulary;
        Search search;
        const char* word;
        const char* expected;
    };
    for (const Case& c : std::vector<Case>{
             // The casings are tried in order and the first that is a word is collected.
             Case{{"sol", "Sol", "SOL", "Zol"}, Search::Accented, "sol", " sol Zol "},
             // In asse, s then c and nothing then sc both give asce: the plain
             // search lists it once per combination, the accented search once.
             Case{{"asce"}, Search::Plain, "asse", " asce asce "},
             Case{{"asce"}, Search::Accented, "asse", " asce "},
             // Only the plain search makes a double r single.
             Case{{"perro", "pero"}, Search::Plain, "perro", " perro pero "},
             Case{{"perro", "pero"}, Search::Accented, "perro", " perro "},
             // Accent marks are placed and taken off.
             Case{{"está", "esta", "estad"}, Search::Accented, "esta", " esta está "},
             Case{{"está", "esta", "estad"}, Search::Accented, "está", " está esta estad "},
         }) {
        Engine engine = MakeEngine(TestVocabulary{c.vocabulary});
        engine.Options.ChangeFoundWords = true;
        EXPECT_EQ(Respelled(engine, c.search, c.word), c.expected)
            << SearchName(c.search) << " " << c.word;
    }
}

// The list-once test matches whole spellings only.
TEST(Collection, ListsSpellingMatchesWholeEntries) {
    EXPECT_TRUE(ListsSpelling(" vaca baca ", "baca"));
    EXPECT_TRUE(ListsSpelling(" vaca ", "vaca"));
    EXPECT_FALSE(ListsSpelling(" vacas ", "vaca"));
    EXPECT_FALSE(ListsSpelling(" bvaca ", "vaca"));
    EXPECT_FALSE(ListsSpelling(" ", "vaca"));
    EXPECT_FALSE(ListsSpelling("vaca ", "vaca"));
}

} // namespace
} // namespace vorlen::test
