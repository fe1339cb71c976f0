// Alternatives offered the commonest first, outside classic mode only.
#include "conversion/likelihood_order.h"
#include "conversion/text_driver.h"
#include "conversion/word_pipeline.h"
#include "support/shown_word.h"
#include "support/test_vocabulary.h"
#include "vocabulary/word_ranks.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vorlen {
namespace {

using test::MakeEngine;
using test::ShownWord;
using test::U;
using test::W;

// The engine of MakeEngine (its store not yet shared) given these ranks.
Engine RankedEngine(std::initializer_list<std::string_view> words, const std::string& ranks) {
    Engine engine = MakeEngine(words);
    std::const_pointer_cast<VocabularyStore>(engine.Vocabulary)->Ranks = ParseWordRanks(W(ranks));
    engine.Options.Classic = false;
    return engine;
}

TEST(WordRanks, FileLinesBecomeRanksInAnyCasing) {
    const auto owner = ParseWordRanks(W("vez\r\n\r\nVes\r\nvez\r\nestá\r\nesta\n"));
    const WordRanks& ranks = *owner;
    EXPECT_EQ(RankOf(ranks, W("vez"), false), 1);
    EXPECT_EQ(RankOf(ranks, W("VES"), false), 2);  // blank line and casing do not count
    EXPECT_EQ(RankOf(ranks, W("está"), false), 3); // the repeated vez took no rank
    EXPECT_EQ(RankOf(ranks, W("esta"), false), 4);
    EXPECT_EQ(RankOf(ranks, W("bes"), false), kUnrankedWord);
    // Diacritics ignored: the plain spelling takes the best rank of its group.
    EXPECT_EQ(RankOf(ranks, W("esta"), true), 3);
    EXPECT_EQ(RankOf(ranks, W("ESTÁ"), true), 3);
}

TEST(OrderRunByRank, CommonFirstUnrankedLastSearchOrderAmongEquals) {
    const auto owner = ParseWordRanks(W("vez\nves\ncasa\n"));
    const WordRanks& ranks = *owner;
    EXPECT_EQ(U(OrderRunByRank(ranks, W("bes|ves|vez"), false)), "vez|ves|bes");
    EXPECT_EQ(U(OrderRunByRank(ranks, W("Bez|Bes|Ves|Vez"), false)), "Vez|Ves|Bez|Bes");
    EXPECT_EQ(U(OrderRunByRank(ranks, W("vez"), false)), "vez");
    // A run with an empty word means something else: left alone.
    EXPECT_EQ(U(OrderRunByRank(ranks, W("ves||vez"), false)), "ves||vez");
}

TEST(OrderRunByRank, AnAccentWrittenInIsKeptFirstAMissingOneSaysNothing) {
    const auto owner = ParseWordRanks(W("hecho\necho\nechó\ndesprecio\ndespreció\n"));
    const WordRanks& ranks = *owner;
    EXPECT_EQ(U(OrderRunByRank(ranks, W("echó|echo|hecho"), false, W("hechó"))), "echó|hecho|echo");
    EXPECT_EQ(U(OrderRunByRank(ranks, W("desprecio|despreció"), false, W("DESPRESIÓ"))),
              "despreció|desprecio");
    // An accent elsewhere in the word is no match.
    EXPECT_EQ(U(OrderRunByRank(ranks, W("echó|echo|hecho"), false, W("éxo"))), "hecho|echo|echó");
    EXPECT_EQ(U(OrderRunByRank(ranks, W("echó|echo|hecho"), false, W("hecho"))), "hecho|echo|echó");
}

TEST(OrderRunByRank, WordsForATypingErrorNearestFirstThenCommonest) {
    const auto owner = ParseWordRanks(W("desarrollo\ndesarrolla\ncarrera\n"));
    const WordRanks& ranks = *owner;
    const auto typed = Alternatives::OneTypingError;
    EXPECT_EQ(U(OrderRunByRank(ranks, W("desarrollo|desarrolla|desabolla"), false, W("desarolla"),
                               typed)),
              "desarrolla|desabolla|desarrollo");
    // A swap of neighbours is one error, as a letter left out is.
    EXPECT_EQ(U(OrderRunByRank(ranks, W("carero|carera|carrera"), false, W("Carerra"), typed)),
              "carrera|carera|carero");
    // Sound-alike spellings are all equally near: commonest first.
    EXPECT_EQ(U(OrderRunByRank(ranks, W("desarrollo|desarrolla"), false, W("desarolla"))),
              "desarrollo|desarrolla");
}

TEST(OrderByLikelihood, ListsReorderedOnlyOutsideClassicMode) {
    Engine engine = RankedEngine({"casa", "caza", "tubo", "tuvo"}, "tuvo\ncaza\n");
    EXPECT_EQ(ShownWord(engine, "kasa"), "caza|casa");
    EXPECT_EQ(ShownWord(engine, "KASA"), "CAZA|CASA");
    EXPECT_EQ(ShownWord(engine, "tubo"), "tubo"); // found as written: left alone
    engine.Options.ChangeFoundWords = true;
    EXPECT_EQ(ShownWord(engine, "tubo"), "tuvo|tubo");
    engine.Options.Classic = true;
    EXPECT_EQ(ShownWord(engine, "kasa"), "casa|caza");
    EXPECT_EQ(ShownWord(engine, "tubo"), "tubo|tuvo");
}

TEST(OrderByLikelihood, WordNotFoundKeepsItsPlaceBeforeSimilarWords) {
    Engine engine = RankedEngine({"mesa", "misa", "masa"}, "masa\nmesa\n");
    EXPECT_EQ(ShownWord(engine, "mxsa"), "mxsa|masa|mesa|misa");
    engine.Options.Classic = true;
    const std::string classic = ShownWord(engine, "mxsa");
    EXPECT_TRUE(classic.starts_with("mxsa|")) << classic;
    EXPECT_NE(classic, "mxsa|masa|mesa|misa");
    // Nothing found and nothing similar: still marked.
    engine.Options.Classic = false;
    EXPECT_EQ(ShownWord(engine, "qqqq"), "|qqqq");
}

} // namespace
} // namespace vorlen
