#include "support/test_vocabulary.h"
#include "variants/similar_words.h"
#include "vocabulary/vocabulary_file.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace vorlen {
namespace {

using test::MakeEngine;
using test::U;
using test::W;

struct Found {
    std::string similar; // UTF-8
    std::string result;  // UTF-8
};

Found Similar(Engine& engine, std::string_view utf8) {
    engine.SourceWord = W(utf8);
    engine.WordResult = "<none>";
    FindSimilarWords(engine);
    return {U(engine.SimilarWords), U(engine.WordResult)};
}

Found Similar(const std::vector<std::string>& words, std::string_view utf8) {
    Engine engine = MakeEngine(test::TestVocabulary{words});
    return Similar(engine, utf8);
}

TEST(FindSimilarWords, ForgivesOneTypingError) {
    struct Case {
        std::vector<std::string> vocabulary;
        std::string word, similar;
    };
    const std::vector<Case> cases = {
        {{"casa", "kilo", "kiosco"}, "kasa", ""}, // only the k line is read
        {{"kas", "kasas"}, "kasa", "|kasas"},
        {{"árbol", "arco"}, "arbol", "|árbol"},                // the first letter is not compared
        {{"bonito", "bonitos"}, "bonitas", "|bonito|bonitos"}, // bonitos: a wrong letter
        {{"bonito"}, "bonita", "|bonito"},
        {{"casa", "cola"}, "casas", "|casa"},
        {{"mes", "mesa"}, "meses", "|mes"},
        {{"casa", "caso", "cosa"}, "cas", "|casa|caso"}, // the last letter left out
        {{"casa"}, "csaa", "|casa"},                     // found by the swap only
        {{"casa"}, "KASA", ""},                          // capitals never equal the entries
        {{"perro"}, "pero", "|perro"},                   // a letter left out
        {{"pero"}, "perro", "|pero"},                    // a letter too many
        {{"gato"}, "geto", "|gato"},                     // a wrong letter
        {{"gato"}, "gatito", ""},                        // two errors
        {{"amar"}, "maar", "|amar"}, // swapping the first two letters changes the line
        {{"casa"}, "x", ""},
        // Every entry is compared on its own, even after a word that ran past
        // the end of the entry before it (cala: one wrong letter from cama),
        // and a match never takes in the entry after it.
        {{"ca", "cama"}, "cala", "|cama"},
        {{"ca", "cama"}, "cacama", ""},
        // güera: the swap that puts ü first has no line and is skipped; what
        // the passes found stands, and later swaps are tried (güreo).
        {{"güero"}, "güera", "|güero"},
        {{"güero"}, "güreo", "|güero"},
        {{"uno"}, "üno", ""}, // no line for the first letter: nothing is searched
    };
    for (const auto& c : cases) {
        const Found found = Similar(c.vocabulary, c.word);
        EXPECT_EQ(found.similar, c.similar) << c.word;
        EXPECT_EQ(found.result, c.similar.empty() ? "<none>" : c.word + c.similar) << c.word;
    }
}

TEST(FindSimilarWords, ListsEachWordOnceInPassOrder) {
    // Pass one (a letter left out) finds casa itself and casas, pass two (a
    // letter too many) csa, pass three (a wrong letter) cata; the swaps find
    // acsa. casa is found by all three passes and listed once.
    const Found found = Similar({"csa", "casa", "casas", "cata", "acsa"}, "casa");
    EXPECT_EQ(found.similar, "|casa|casas|csa|cata|acsa");
}

TEST(FindSimilarWords, NeverOffersExtraWords) {
    test::TestVocabulary vocabulary{{"casa", "caso"}, {"casas", "ola"}};
    Engine engine = MakeEngine(vocabulary);
    // "|casa" begins "|casas" in the extra words, so it is left out as well.
    EXPECT_EQ(Similar(engine, "cas").similar, "|caso");
    // The swap step does not consult the extra words.
    vocabulary.words = {"ola"};
    engine = MakeEngine(vocabulary);
    EXPECT_EQ(Similar(engine, "loa").similar, "|ola");
}

TEST(FindSimilarWords, MalformedLinesReadAsIfClosed) {
    Engine engine = MakeEngine({});
    auto store = std::make_shared<VocabularyStore>();
    store->VocabLines[2] = "|cosa|casa"; // no closing bar
    store->VocabLines[0] = "|";
    store->VocabLines[1] = "b";
    store->VocabLines[3] = "|d";
    store->VocabLines[4] = "ex";
    store->VocabLines[12] = "mesa|||mes";
    BuildVocabularyIndex(*store);
    engine.Vocabulary = store;
    EXPECT_EQ(Similar(engine, "cas").similar, "|casa");
    EXPECT_EQ(Similar(engine, "csaa").similar, "|casa");
    EXPECT_EQ(Similar(engine, "mess").similar, "|mes");
    for (const char* word : {"a", "ab", "b", "bb", "d", "dd", "e", "ex", "exx", "m", "mm", "mesas"})
        Similar(engine, word); // no hang, no fault
}

TEST(FindSimilarWords, OddWordsEndWithoutFault) {
    Engine engine = MakeEngine({"casa", "cas", "c", "ca", "bonito", "mes", "ñandú"});
    EXPECT_EQ(Similar(engine, "").similar, "");
    EXPECT_EQ(Similar(engine, "c").similar, "");
    for (int byte = 0; byte < 256; ++byte) {
        for (const std::string& tail : {std::string(), std::string("a"), std::string("as"),
                                        std::string("a|"), std::string("|sa")}) {
            engine.SourceWord = std::string(1, 'c') + static_cast<char>(byte) + tail;
            FindSimilarWords(engine);
            engine.SourceWord = static_cast<char>(byte) + tail;
            FindSimilarWords(engine);
        }
    }
    for (const std::string& word : {std::string(10000, 'c'), "c" + std::string(10000, 'a'),
                                    "casa" + std::string(9996, 's')}) {
        engine.SourceWord = word;
        engine.WordResult = "<none>";
        FindSimilarWords(engine);
        EXPECT_EQ(engine.WordResult, "<none>");
    }
    std::mt19937 random(5);
    for (int trial = 0; trial < 2000; ++trial) {
        std::string word(1 + random() % 8, ' ');
        for (char& c : word)
            c = static_cast<char>(random() % 256);
        engine.SourceWord = word;
        FindSimilarWords(engine);
    }
}

} // namespace
} // namespace vorlen
