#include "support/test_vocabulary.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_file.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace vorlen {
namespace {

using test::MakeEngine;
using test::W;

TEST(VocabLookup, AccentedInitialsLiveOnThePlainVowelsLine) {
    const Engine engine = MakeEngine({"árbol", "Ángel", "época", "ñandú", "sol"});
    EXPECT_GT(VocabLookup(engine, W("|árbol|")), 0);
    EXPECT_GT(VocabLookup(engine, W("|Ángel|")), 0) << "Á is looked up in the a line";
    EXPECT_GT(VocabLookup(engine, W("|época|")), 0);
    EXPECT_GT(VocabLookup(engine, W("|ñandú|")), 0);
    EXPECT_EQ(VocabLookup(engine, W("|arbol|")), 0) << "comparison is exact";
    EXPECT_EQ(VocabLookup(engine, W("|üe|")), 0);
    EXPECT_EQ(VocabLookup(engine, "|1a|"), 0);
    EXPECT_EQ(VocabLookup(engine, "| a|"), 0);
    EXPECT_EQ(VocabLookup(engine, "|"), 0);
    EXPECT_EQ(VocabLookup(engine, ""), 0);
}

TEST(VocabLookup, MatchesWholeEntriesOnlyAndGivesTheFirstPosition) {
    const Engine engine = MakeEngine({"soldado", "sol", "sol"});
    // Line s is "|soldado|sol|sol|": the first "|sol|" starts at position 9.
    EXPECT_EQ(VocabLookup(engine, "|sol|"), 9);
    EXPECT_EQ(VocabLookup(engine, "|sold|"), 0);
    EXPECT_EQ(VocabLookup(engine, "|soldado|"), 1);
    EXPECT_EQ(VocabLookup(engine, "|Sol|"), 0);
    // A key of several entries is still answered, by searching the line.
    EXPECT_EQ(VocabLookup(engine, "|soldado|sol|"), 1);
}

// The index must answer exactly what a search of the line answers, for
// random words over the letters given.
void ExpectIndexAgreesWithLineSearch(const Engine& engine, const std::string& alphabet,
                                     std::size_t longest, std::uint32_t seed) {
    std::mt19937 random(seed);
    for (int trial = 0; trial < 20000; ++trial) {
        std::string word(1 + random() % longest, ' ');
        for (char& c : word)
            c = alphabet[random() % alphabet.size()];
        const std::string key = "|" + word + "|";
        const int line = LineIndexOf(word[0]);
        std::int32_t expected = 0;
        if (line >= 0) {
            const auto pos =
                engine.Vocabulary->VocabLines[static_cast<std::size_t>(line)].find(key);
            expected = pos == std::string::npos ? 0 : static_cast<std::int32_t>(pos + 1);
        }
        ASSERT_EQ(VocabLookup(engine, key), expected) << test::U(key);
    }
}

TEST(VocabLookup, IndexAgreesWithSubstringSearch) {
    const Engine engine = MakeEngine(
        {"casa", "caso", "cosa", "ca", "c", "casas", "Casa", "cañón", "acá", "a", "aa", "casa"});
    ExpectIndexAgreesWithLineSearch(engine, W("acosñáÁ"), 5, 7);
}

// The same on lines as a hand may leave them: thousands of entries (long
// probe runs in the table), repeated entries, doubled bars, entries on the
// line of another letter, a line without a closing bar or without any bar.
TEST(VocabLookup, IndexAgreesWithSubstringSearchOnDamagedLines) {
    std::mt19937 random(9);
    const std::string alphabet = W("abcñá");
    auto store = std::make_shared<VocabularyStore>();
    for (const std::size_t k : {0u, 1u, 2u, 26u}) {
        std::string line = "|";
        for (int e = 0; e < 4000; ++e) {
            std::string entry(1 + random() % 6, ' ');
            for (char& c : entry)
                c = alphabet[random() % alphabet.size()];
            line += entry + (random() % 50 == 0 ? "||" : "|");
        }
        store->VocabLines[k] = line;
    }
    store->VocabLines[2].pop_back();
    store->VocabLines[3] = W("casa");
    BuildVocabularyIndex(*store);
    Engine engine;
    engine.Vocabulary = store;
    ExpectIndexAgreesWithLineSearch(engine, alphabet, 7, 10);
    EXPECT_EQ(VocabLookup(engine, W("|casa|")), 0);
    EXPECT_EQ(VocabLookup(engine, W("|dado|")), 0);
}

TEST(FoldForLookup, FoldsOnlyTheFirstOfEachSmallAccentedVowel) {
    EXPECT_EQ(FoldForLookup(W("Árbol"), false), W("árbol")) << "only lower-cases";
    EXPECT_EQ(FoldForLookup(W("árbol"), true), "arbol");
    EXPECT_EQ(FoldForLookup(W("canción"), true), "cancion");
    EXPECT_EQ(FoldForLookup(W("Árbol"), true), W("árbol")) << "a capital is lower-cased after";
    EXPECT_EQ(FoldForLookup(W("ááé"), true), W("aáe"));
    EXPECT_EQ(FoldForLookup(W("PINGÜINO ñ"), true), W("pingüino ñ"));
}

TEST(HasAccent, CountsOnlyTheFiveAcuteVowels) {
    EXPECT_EQ(HasAccent(W("pingüino")), 0);
    EXPECT_EQ(HasAccent(W("niño")), 0);
    EXPECT_EQ(HasAccent(W("está")), 1);
    EXPECT_EQ(HasAccent(W("ESTÁ")), 0) << "a capital accented vowel is not searched";
    EXPECT_EQ(HasAccent(""), 0);
}

TEST(DropLastAlternative, RemovesTheLastOfSeveralAndStopsAtOne) {
    struct Case {
        std::string in, out;
    };
    for (const Case& c :
         {Case{"|uno|dos|tres|", "|uno|dos|"}, Case{"|uno|", "|uno|"}, Case{"", ""}, Case{"|", ""},
          Case{"abc", ""}, Case{"|uno|dos", "|uno|"}, Case{"<none>", ""}}) {
        std::string s = c.in;
        DropLastAlternative(s);
        EXPECT_EQ(s, c.out) << "from " << c.in;
    }
}

} // namespace
} // namespace vorlen
