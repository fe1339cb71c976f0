#include "respell_test_support.h"

#include <gtest/gtest.h>

namespace vorlen::test {
namespace {

constexpr Search kBoth[] = {Search::Plain, Search::Accented};

TEST(Collection, FindsTheWordBehindAMissingH) {
    for (Search search : kBoth) {
        Engine engine = MakeEngine({"haber"});
        EXPECT_EQ(Respelled(engine, search, "aber"), " haber ") << SearchName(search);
    }
}

TEST(Collection, NothingFoundLeavesOneSpace) {
    for (Search search : kBoth) {
        Engine engine = MakeEngine({"casa"});
        EXPECT_EQ(Respelled(engine, search, "perro"), " ") << SearchName(search);
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

        engine.Options.ChangeMode = "C";
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

TEST(Collection, KeepsTheCasingThatIsAWord) {
    for (Search search : kBoth) {
        Engine engine = MakeEngine({"Juan", "ONU"});
        EXPECT_EQ(Respelled(engine, search, "juan"), " Juan ") << SearchName(search);
        EXPECT_EQ(Respelled(engine, search, "onu"), " ONU ") << SearchName(search);
    }
}

// The casings are tried in order and the first that is a word is collected.
TEST(Collection, TakesTheFirstCasingThatIsAWord) {
    Engine engine = MakeEngine({"sol", "Sol", "SOL", "Zol"});
    engine.Options.ChangeMode = "C";
    EXPECT_EQ(Respelled(engine, Search::Accented, "sol"), " sol Zol ");
}

// In asse, s then c and nothing then sc both give asce: the plain search
// lists it once per combination, the accented search once.
TEST(Collection, RepeatsOnlyInThePlainSearch) {
    Engine engine = MakeEngine({"asce"});
    engine.Options.ChangeMode = "C";
    EXPECT_EQ(Respelled(engine, Search::Plain, "asse"), " asce asce ");
    EXPECT_EQ(Respelled(engine, Search::Accented, "asse"), " asce ");
}

TEST(Collection, OnlyThePlainSearchMakesADoubleRSingle) {
    Engine engine = MakeEngine({"perro", "pero"});
    engine.Options.ChangeMode = "C";
    EXPECT_EQ(Respelled(engine, Search::Plain, "perro"), " perro pero ");
    EXPECT_EQ(Respelled(engine, Search::Accented, "perro"), " perro ");
}

TEST(Collection, PlacesAccentMarks) {
    Engine engine = MakeEngine({"está", "esta", "estad"});
    engine.Options.ChangeMode = "C";
    EXPECT_EQ(Respelled(engine, Search::Accented, "esta"), " esta está ");
    EXPECT_EQ(Respelled(engine, Search::Accented, "está"), " está esta estad ");
}

TEST(Collection, OneLetterWord) {
    for (Search search : kBoth) {
        Engine engine = MakeEngine({"a"});
        EXPECT_EQ(Candidates(engine, search, "a"), std::vector<std::string>{"a"});
        EXPECT_EQ(U(engine.WordResult), " a ");
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
