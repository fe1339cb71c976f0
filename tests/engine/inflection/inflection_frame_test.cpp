#include "inflect_helper.h"

namespace vorlen::test {
namespace {

TEST(InflectionLookup, AnswersTheWordItselfFirst) {
    ExpectInflects({
        {{"casa"}, "casa", "Y |casa|"},
        {{"a"}, "a", "Y |a|"},
        // One letter not in the vocabulary: nothing is cut from it.
        {{"a", "o"}, "x", "N |x|"},
        {{"a"}, "", "N ||"},
    });
}

TEST(InflectionLookup, WordLengthDecidesWhichSectionsAreTried) {
    ExpectInflects({
        // Two letters: only the verb rules ("as" -> ar, er, ir), not the plural s.
        {{"a"}, "as", "N |ir|"},
        // Three letters: the bare s and the feminine a, not "as" -> "o|".
        {{"bo"}, "bas", "N |bir|"},
        {{"ba"}, "bas", "Y |ba|"},
        {{"ojo"}, "ojas", "Y |ojo|"},
        {{"blanco"}, "blanca", "Y |blanco|"},
    });
}

TEST(InflectionLookup, ComparesExactlySoCapitalsMatchNoEnding) {
    Engine engine = MakeEngine({"casa", "Casa"});
    // Every ending is in small letters: no rule applies, the word itself was the only key.
    EXPECT_EQ(Inflect(engine, "CASAS"), "N |CASAS|");
    EXPECT_EQ(Inflect(engine, "Casas"), "Y |Casa|");
    // An accent is a letter of its own: cása is not casa.
    EXPECT_EQ(Inflect(engine, "cása"), "N |cásir|");
}

TEST(InflectionLookup, AnEmptyStemMakesAKeyOfTheReplacementAlone) {
    ExpectInflects({
        {{"o"}, "ista", "Y |o|"},
        {{"e"}, "ismo", "Y |e|"},
        // "eras" -> "|" leaves the key "||", which names no line; the search goes on.
        {{}, "eras", "N |erir|"},
        {{"e"}, "eras", "Y |e|"},
    });
}

TEST(InflectionLookup, AWordWithABarIsNoWord) {
    // "|casa|cosa|" stands in the c line as two neighbouring entries.
    Engine engine = MakeEngine({"casa", "cosa"});
    engine.FoundKey = "before";
    EXPECT_EQ(InflectionLookup(engine, W("casa|cosa")), "N");
    EXPECT_FALSE(IsInflectedForm(engine, "casa|cosa"));
    EXPECT_EQ(engine.FoundKey, "before");
}

TEST(InflectionLookup, AcceptsAWordHeldInFoundKeyItself) {
    Engine engine = MakeEngine({"casa"});
    engine.SourceWord = "casas";
    engine.FoundKey = "casas";
    EXPECT_TRUE(IsInflectedForm(engine, engine.FoundKey));
    EXPECT_EQ(engine.FoundKey, "|casa|");
}

} // namespace
} // namespace vorlen::test
