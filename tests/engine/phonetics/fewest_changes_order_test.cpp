// The default order of the sound-alike search: the word as written first,
// then the spellings that change one segment, then two, ... under the same
// budget and checks as the counting order of classic mode.
#include "respell_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vorlen::test {
namespace {

using List = std::vector<std::string>;

Engine DefaultEngine(std::initializer_list<std::string_view> words) {
    Engine engine = MakeEngine(words);
    engine.Options.Classic = false;
    return engine;
}

List Sorted(List list) {
    std::sort(list.begin(), list.end());
    return list;
}

// Nothing is found, so both orders run through every combination: the same
// candidates, each built once, only in another order.
TEST(FewestChangesOrder, BuildsEveryCombinationOnce) {
    for (const Search search : {Search::Plain, Search::Accented}) {
        for (const char* word : {"vaca", "ciudad", "escuela", "hola", "qué", "perro", "a"}) {
            Engine classic = MakeEngine({"zzz"});
            Engine fewest = DefaultEngine({"zzz"});
            const List counted = Candidates(classic, search, word);
            const List ordered = Candidates(fewest, search, word);
            EXPECT_EQ(Sorted(ordered), Sorted(counted)) << SearchName(search) << " " << word;
            EXPECT_EQ(fewest.Respell.CandidateCount, classic.Respell.CandidateCount) << word;
        }
    }
}

TEST(FewestChangesOrder, WrittenSpellingThenOneChangeThenTwo) {
    Engine engine = DefaultEngine({"zzz"});
    const List vaca = Candidates(engine, Search::Accented, "vaca");
    ASSERT_EQ(vaca.size(), 16u);
    EXPECT_EQ(List(vaca.begin(), vaca.begin() + 6),
              (List{"vaca", "baca", "váca", "vaka", "vacá", "báca"}));
    EXPECT_EQ(vaca.back(), "báká");
    // The written spelling comes first even where the rule lists another
    // spelling before it (ex- for es-, a dropped h).
    EXPECT_EQ(Candidates(engine, Search::Plain, "escuela").front(), "escuela");
    EXPECT_EQ(Candidates(engine, Search::Plain, "hola").front(), "hola");
    EXPECT_EQ(Candidates(engine, Search::Plain, "hola")[1], "ola");
    // An initial rr has no written spelling among its alternatives: the
    // single r stands in for it.
    EXPECT_EQ(Candidates(engine, Search::Plain, "rrosa").front(), "rosa");
}

TEST(FewestChangesOrder, AWordSpelledRightCostsOneLookup) {
    Engine engine = DefaultEngine({"escuela"});
    EXPECT_EQ(Respelled(engine, Search::Accented, "escuela"), " escuela ");
    EXPECT_EQ(engine.Respell.CandidateCount, 1);
}

// Two slips far into a long word: the counting order spends its budget on the
// first segments and never reaches them.
TEST(FewestChangesOrder, ReachesLateSlipsOfLongWordsWithinTheBudget) {
    for (const char* word : {"situasion", "cibilizacion", "recomendasion"}) {
        Engine classic = MakeEngine({"situación", "civilización", "recomendación"});
        Engine fewest = DefaultEngine({"situación", "civilización", "recomendación"});
        EXPECT_EQ(Respelled(classic, Search::Accented, word), " ") << word;
        const std::string found = Respelled(fewest, Search::Accented, word);
        EXPECT_NE(found, " ") << word;
        EXPECT_LE(fewest.Respell.TriedSpellingsLength,
                  kTriedSpellingsBudget + std::string(word).size() + 2);
    }
}

} // namespace
} // namespace vorlen::test
