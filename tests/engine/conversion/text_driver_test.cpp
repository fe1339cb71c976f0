// Whole texts: where words are cut, which words the capitals rule protects,
// the end message, and the memo of converted words.
#include "conversion/text_driver.h"
#include "support/test_vocabulary.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlen {
namespace {

using test::MakeEngine;

std::string Convert(Engine& engine, std::string_view text) {
    return ConvertText(engine, text).Text;
}

TEST(ConvertText, CopiesEverythingBetweenWords) {
    Engine engine = MakeEngine({"hola", "mundo", "casa"});
    EXPECT_EQ(Convert(engine, "Hola, mundo."), "Hola, mundo.");
    // The text may end inside a word: the last kasa is converted all the same.
    EXPECT_EQ(Convert(engine, "«kasa»\r\n😀 — ¿kasa?\t\x01 漢字 kasa"),
              "«casa»\r\n😀 — ¿casa?\t\x01 漢字 casa");
}

TEST(ConvertText, ApostropheAndHyphenSplitWords) {
    Engine engine = MakeEngine({"agua", "bien", "estar", "casa"});
    engine.Options.SimilarOnMiss = false;
    // A word of one letter is accepted as it is.
    EXPECT_EQ(Convert(engine, "l'agua l'kasa"), "l'agua l'casa");
    EXPECT_EQ(Convert(engine, "bien-estar"), "bien-estar");
    EXPECT_EQ(Convert(engine, "kasa-kasa"), "casa-casa");
}

TEST(ConvertText, CapitalsRule) {
    Engine engine = MakeEngine({"casa"});
    // The first word of the text and of each sentence is converted even with
    // a capital; a capitalised word inside a sentence is left as written.
    EXPECT_EQ(Convert(engine, "Kasa Kasa kasa. Kasa? Kasa! Kasa"),
              "Casa Kasa casa. Casa? Casa! Casa");
    // A digit counts as text of the sentence: the capital after it is kept.
    EXPECT_EQ(Convert(engine, "3 Kasa"), "3 Kasa");
    EXPECT_EQ(Convert(engine, "- Kasa"), "- Casa");
    // Other punctuation does not start a sentence.
    EXPECT_EQ(Convert(engine, "kasa, Kasa; Kasa"), "casa, Kasa; Kasa");

    engine.Options.CapsRule = false;
    EXPECT_EQ(Convert(engine, "Kasa Kasa 3 Kasa"), "Casa Casa 3 Casa");
}

TEST(ConvertText, BarAfterChangeMarksOnlyConvertedWords) {
    Engine engine = MakeEngine({"casa", "hola"});
    engine.Options.BarAfterChange = true;
    // The protected "Kasa" is shown exactly as written, without a mark.
    EXPECT_EQ(Convert(engine, "kasa Kasa hola"), "casa| Kasa hola");
}

std::string Repeat(std::string_view piece, int times) {
    std::string s;
    for (int k = 0; k < times; ++k)
        s += piece;
    return s;
}

TEST(ConvertText, EndMessageForTextsOverAThousandCharacters) {
    Engine engine = MakeEngine({"casa"});
    EXPECT_FALSE(ConvertText(engine, Repeat("kasa ", 200)).AnnounceEnd);
    EXPECT_TRUE(ConvertText(engine, Repeat("kasa ", 200) + "!").AnnounceEnd);
    // Characters are code points: "€" is three bytes but one character.
    EXPECT_FALSE(ConvertText(engine, Repeat("€", 1000)).AnnounceEnd);
    EXPECT_TRUE(ConvertText(engine, Repeat("€", 1001)).AnnounceEnd);
    EXPECT_EQ(EndMessage(engine), "Listo.");
    engine.Options.EnglishMessages = true;
    EXPECT_EQ(EndMessage(engine), "Finished.");
}

TEST(ConvertText, ProgressSeesEveryPieceAndCanStop) {
    Engine engine = MakeEngine({"casa"});
    std::string seen;
    const auto all = ConvertText(engine, "kasa, kasa.", [&](std::string_view piece) {
        seen += piece;
        return true;
    });
    EXPECT_EQ(seen, all.Text);
    EXPECT_EQ(all.Text, "casa, casa.");

    std::vector<std::string> pieces;
    const auto stopped = ConvertText(engine, "kasa, kasa, kasa", [&](std::string_view piece) {
        pieces.emplace_back(piece);
        return pieces.size() < 2;
    });
    EXPECT_EQ(stopped.Text, "casa, ");
    EXPECT_FALSE(stopped.AnnounceEnd);
}

TEST(ConvertText, RememberedWordsFollowOptionsAndVocabulary) {
    Engine engine = MakeEngine({"casa", "caza"});
    EXPECT_EQ(Convert(engine, "casa casa"), "casa casa");
    engine.Options.ChangeFoundWords = true;
    EXPECT_EQ(Convert(engine, "casa casa"), "casa|caza casa|caza");
    engine.Vocabulary = MakeEngine({"casa"}).Vocabulary;
    EXPECT_EQ(Convert(engine, "casa"), "casa");
    // A remembered word keeps the casing of its own occurrence.
    engine.Options.ChangeFoundWords = false;
    EXPECT_EQ(Convert(engine, "KASA kasa. Kasa. KASA. kasa"), "CASA casa. Casa. CASA. casa");
}

} // namespace
} // namespace vorlen
