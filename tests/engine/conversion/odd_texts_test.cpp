// Texts that no one types but anyone may paste or open: nothing but
// separators, every byte value, malformed UTF-8, a run of a million letters,
// 10 MB. Each conversion ends, and every character between words comes through
// exactly as it was.
#include "conversion/text_driver.h"
#include "conversion/utf8_text.h"
#include "conversion/word_pipeline.h"
#include "phonetics/respell.h"
#include "support/shown_word.h"
#include "support/test_vocabulary.h"
#include "vocabulary/cp1252.h"

#include <gtest/gtest.h>
#include <string>

namespace vorlen {
namespace {

using test::MakeEngine;
using test::W;

// The characters of a UTF-8 text that are not letters of words, bars left
// out (the output adds its own), each as its bytes.
std::string BetweenWords(std::string_view text) {
    const LetterTable letters(kLetterSet);
    std::string kept;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = DecodeUtf8At(text, pos);
        if (letters.LetterByte(c) < 0 && text[pos] != '|') kept.append(text.substr(pos, c.Length));
        pos += c.Length;
    }
    return kept;
}

Engine TestEngine() {
    return MakeEngine({"casa", "caza", "haber", "hola", "ves", "vez", "árbol", "ñandú", "si"});
}

void ExpectSeparatorsKept(Engine& engine, const std::string& text) {
    const std::string out = ConvertText(engine, text).Text;
    ASSERT_EQ(BetweenWords(out), BetweenWords(text));
}

TEST(OddTexts, OnlySeparatorsComeBackUnchanged) {
    Engine engine = TestEngine();
    for (const std::string& text :
         {std::string(), std::string(" "), std::string("\r\n\r\n"),
          std::string(" .,;:¿?¡!«»—-'\"()[]{}|/\\"), std::string("0123456789 ½ € ©"),
          std::string("\t\v\f\x01\x1f\x7f"), std::string("漢字 😀 Ω ß ø"), std::string(10000, '|'),
          std::string(100000, ' ')}) {
        engine.WordResult = "untouched";
        const ConversionResult result = ConvertText(engine, text);
        EXPECT_EQ(result.Text, text);
        EXPECT_EQ(result.AnnounceEnd, text.size() > 1000);
        EXPECT_EQ(engine.WordResult, "untouched") << "no word was converted";
    }
}

TEST(OddTexts, EveryByteValue) {
    Engine engine = TestEngine();
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    // As malformed UTF-8, as Windows-1252 text, and each byte alone and
    // inside a word, under both diacritics settings.
    for (const bool ignoreDiacritics : {0, 1}) {
        engine.Options.IgnoreDiacritics = ignoreDiacritics;
        ExpectSeparatorsKept(engine, bytes);
        ExpectSeparatorsKept(engine, Cp1252ToUtf8(bytes));
        for (int b = 0; b < 256; ++b) {
            const std::string c(1, static_cast<char>(b));
            ExpectSeparatorsKept(engine, c);
            ExpectSeparatorsKept(engine, "kasa" + c + "kasa " + Cp1252ToUtf8("ka" + c + "sa"));
        }
    }
}

TEST(OddTexts, MalformedUtf8IsCopiedByteForByte) {
    Engine engine = TestEngine();
    engine.Options.SimilarOnMiss = false;
    for (const std::string& bad : {
             std::string("\x80"),             // a lone continuation byte
             std::string("\xbf\x80\x80"),     // several
             std::string("\xc0\xaf"),         // an overlong slash
             std::string("\xe0\x80\xaf"),     // overlong, three bytes
             std::string("\xed\xa0\x80"),     // a surrogate
             std::string("\xf4\x90\x80\x80"), // beyond U+10FFFF
             std::string("\xf8\x88\x80\x80\x80"), std::string("\xfe\xff"),
             std::string("\xc3"),     // á cut short
             std::string("\xe2\x82"), // € cut short
         }) {
        SCOPED_TRACE(testing::PrintToString(bad));
        EXPECT_EQ(ConvertText(engine, "kasa" + bad + "kasa").Text, "casa|caza" + bad + "casa|caza");
        EXPECT_EQ(ConvertText(engine, bad).Text, bad);
        EXPECT_EQ(ConvertText(engine, "aber " + bad).Text, "haber " + bad);
    }
    // A cut letter right before a whole one, which begins the next word.
    EXPECT_EQ(ConvertText(engine, "kasa\xc3\xc3\xa1rbol").Text, "casa|caza\xc3\xc3\xa1rbol");
    // A cut sequence at the very end of the text, right after a word.
    EXPECT_EQ(ConvertText(engine, "aber\xc3").Text, "haber\xc3");
    EXPECT_EQ(ConvertText(engine, "aber\xf0\x9f\x98").Text, "haber\xf0\x9f\x98");
}

// A run of letters longer than any Spanish word is not found, and no
// spelling of it is even built: a run of a million letters took a minute.
// A pasted run of letters in a text ends in moments under both diacritics
// settings, and the words after it are converted.
TEST(OddTexts, RunsTooLongToBeWordsAreNotSearched) {
    Engine engine = TestEngine();
    long built = 0;
    SetCandidateObserver(engine, [&built](std::string_view) { ++built; });
    // At the limit the search still runs.
    test::ShownWord(engine, std::string(kMaxWordLetters, 's'));
    EXPECT_GT(built, 0);
    built = 0;
    for (const std::string& word :
         {std::string(kMaxWordLetters + 1, 's'), "casa" + std::string(kMaxWordLetters, 'h'),
          std::string(1'000'000, 'h')}) {
        for (const bool changeFound : {false, true}) {
            engine.Options.ChangeFoundWords = changeFound;
            EXPECT_EQ(test::ShownWord(engine, word), "|" + word);
            EXPECT_EQ(engine.SimilarWords, "");
        }
    }
    EXPECT_EQ(built, 0);
    SetCandidateObserver(engine, {});
    engine.Options.ChangeFoundWords = false;
    const std::string run(1'000'000, 's');
    EXPECT_EQ(ConvertText(engine, "aber " + run + " kasa").Text, "haber |" + run + " casa|caza");
    std::string mixed;
    while (mixed.size() < 150'000)
        mixed += W("kasávez");
    engine.Options.IgnoreDiacritics = true;
    const std::string out = ConvertText(engine, Cp1252ToUtf8(mixed) + " kasa").Text;
    EXPECT_TRUE(out.ends_with(" casa|caza")) << out.substr(out.size() - 20);
}

TEST(OddTexts, TenMegabytes) {
    Engine engine = TestEngine();
    const std::string paragraph =
        "«Aber si ay ves», dijo Hola. ¿Kasa? 漢字 😀 — l'arbol 1000\t\x01\r\nKASA kaza xqw.\n";
    const std::string converted = ConvertText(engine, paragraph).Text;
    std::string text, expected;
    while (text.size() < 10'000'000) {
        text += paragraph;
        expected += converted;
    }
    const ConversionResult result = ConvertText(engine, text);
    EXPECT_TRUE(result.Text == expected) << "each paragraph converts as the first did";
    EXPECT_TRUE(result.AnnounceEnd);
}

} // namespace
} // namespace vorlen
