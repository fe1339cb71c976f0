// A long text converted on several cores must read exactly as converted on
// one: the cuts fall right after sentence ends, where the capitals rule
// starts afresh.
#include "conversion/parallel_text.h"
#include "support/test_vocabulary.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vorlen {
namespace {

TEST(SentenceCuts, FallRightAfterSentenceEndsInOrder) {
    EXPECT_TRUE(SentenceCuts("no sentence ends here", 4).empty());
    EXPECT_TRUE(SentenceCuts("Una. Dos. Tres.", 1).empty());
    const std::string text = "Uno. Dos? Tres! Cuatro. Cinco";
    for (unsigned pieces = 2; pieces <= 8; ++pieces) {
        const auto cuts = SentenceCuts(text, pieces);
        EXPECT_LE(cuts.size(), pieces - 1);
        std::size_t previous = 0;
        for (const std::size_t cut : cuts) {
            EXPECT_GT(cut, previous);
            EXPECT_LT(cut, text.size());
            EXPECT_NE(std::string(".?!").find(text[cut - 1]), std::string::npos);
            previous = cut;
        }
    }
    EXPECT_TRUE(SentenceCuts("Only the last one ends.", 3).empty()) << "no empty last piece";
    // A full stop inside a web address is no sentence end.
    EXPECT_EQ(SentenceCuts("Ver www.kasa.es ahora. Y luego", 2),
              std::vector<std::size_t>{std::string("Ver www.kasa.es ahora.").size()});
}

// Texts of random sentences in which every kind of word meets a cut: names and
// capitals right after a sentence end, digits, words found, respelled, not
// found, malformed bytes, sentence ends inside numbers and web addresses.
std::string RandomText(std::mt19937& random, std::size_t bytes) {
    static const std::vector<std::string> pieces = {
        "Kasa", "kasa", "KASA", "aber", "Aber", "si", "Si", "ves", "bez", "hola", "Juan", "xqw",
        "3.5", "1000", "¿kasa?", "¡Ola!", "\xff", "—", "l'agua", "Y", "o", "O", "árbol",
        // Tokens and names that default mode leaves as written.
        "www.kasa.es", "ana@kasa.es", "kasa3", "Paul", "Voltaire Kasa"};
    static const std::vector<std::string> ends = {". ", "? ", "! ", ".\n", ".", " ", ", ", "\r\n"};
    std::string text;
    while (text.size() < bytes) {
        text += pieces[random() % pieces.size()];
        text += ends[random() % ends.size()];
    }
    return text;
}

TEST(ConvertTextInParallel, GivesTheTextConvertedOnOneCore) {
    Engine engine = test::MakeEngine({"casa", "caza", "haber", "si", "ves", "vez", "hola", "Juan",
                                      "ola", "agua", "árbol", "y", "o", "ó"});
    std::mt19937 random(21);
    for (int round = 0; round < 6; ++round) {
        engine.Options.CapsRule = round % 2;
        engine.Options.ChangeFoundWords = round % 3 == 0;
        engine.Options.IgnoreDiacritics = round >= 4 ? 1 : 0;
        engine.Options.BarAfterChange = round == 3;
        engine.Options.Classic = round < 3;
        const std::string text = RandomText(random, kParallelTextBytes + 5000 * round);
        const ConversionResult one = ConvertText(engine, text);
        for (const unsigned threads : {1u, 2u, 3u, 8u}) {
            const ConversionResult many = ConvertTextInParallel(engine, text, threads);
            ASSERT_TRUE(many.Text == one.Text)
                << "round " << round << ", " << threads << " threads";
            EXPECT_EQ(many.AnnounceEnd, one.AnnounceEnd);
        }
    }
    // A short text, and one without a sentence end, stay in one piece.
    EXPECT_EQ(ConvertTextInParallel(engine, "kasa. Kasa", 4).Text,
              ConvertText(engine, "kasa. Kasa").Text);
    const std::string unbroken(kParallelTextBytes * 2, 'a');
    EXPECT_EQ(ConvertTextInParallel(engine, unbroken, 4).Text, ConvertText(engine, unbroken).Text);
}

} // namespace
} // namespace vorlen
