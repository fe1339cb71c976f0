// Verb forms with attached pronouns through the whole word pipeline outside
// classic mode: written with the accent their stress calls for, each on a
// vocabulary of a few words (where the accent goes is the stress tests' part).
#include "conversion/text_driver.h"
#include "conversion/word_pipeline.h"
#include "support/shown_word.h"
#include "support/test_vocabulary.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace vorlen {
namespace {

using test::MakeEngine;
using test::ShownWord;
using test::U;
using test::W;

// The vocabulary lists every form, as the shipped one does: a verb form in a
// vowel has its plural in n beside it.
const std::vector<std::string> kVocabulary = {
    "deja",    "dejan",   "dejase",   "dejasen", "dejar",    "cree",    "creen",
    "lee",     "leen",    "diciendo", "di",      "haz",      "vamos",   "come",
    "comen",   "comete",  "cometen",  "mete",    "meten",    "volví",   "cuenta",
    "cuentan", "mira",    "miran",    "mirar",   "mirado",   "Miramar", "nicho",
    "Fosco",   "equipos", "equipó",   "equipar", "equipado", "calla",   "callan"};

Engine DefaultEngine() {
    Engine engine = MakeEngine(test::TestVocabulary{kVocabulary});
    engine.Options.Classic = false;
    return engine;
}

TEST(PronounAccents, VerbFormsWithPronounsTakeTheAccentOfTheirStress) {
    Engine engine = DefaultEngine();
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"dejame", "déjame"},
        {"Dejame", "Déjame"},
        {"vamonos", "vámonos"},
        {"mirame", "mírame"},
        // Still on the next-to-last syllable: nothing to write.
        {"dime", "dime"},
        // Two readings: the imperative with two pronouns is taken.
        {"cometelo", "cómetelo"},
        {"dejasela", "déjasela"},
        // Respelled verb forms get the pronouns back with their accent.
        {"kuentame", "cuéntame"}};
    for (const auto& [written, shown] : cases)
        EXPECT_EQ(ShownWord(engine, written), shown) << written;
}

TEST(PronounAccents, AccentsWrittenAndWordsThatAreNoVerbFormsStay) {
    Engine engine = DefaultEngine();
    const std::vector<std::pair<const char*, const char*>> cases = {
        // Written as the stress calls for, or in the older way.
        {"mírame", "mírame"},
        {"métele", "métele"},
        {"déjasela", "déjasela"},
        {"volvíme", "volvíme"},
        // A noun or a name followed by letters that look like pronouns.
        {"nicholas", "nicholas"},
        {"Fóscolo", "Fóscolo"}};
    for (const auto& [written, shown] : cases)
        EXPECT_EQ(ShownWord(engine, written), shown) << written;
}

// The accent written on equípos is not put back on the spelling found.
TEST(PronounAccents, AWordWithoutPronounsKeepsTheSpellingFound) {
    Engine engine = DefaultEngine();
    EXPECT_EQ(ShownWord(engine, "equípos"), "equipos");
}

// The words are written without accents when diacritics are ignored.
TEST(PronounAccents, NoneWithDiacriticsIgnored) {
    Engine engine = DefaultEngine();
    engine.Options.IgnoreDiacritics = true;
    EXPECT_EQ(ShownWord(engine, "dejame"), "dejame");
    EXPECT_EQ(ShownWord(engine, "kuentame"), "cuentame");
}

TEST(PronounAccents, ClassicModeKeepsTheOriginalOutputs) {
    Engine engine = MakeEngine(test::TestVocabulary{kVocabulary});
    EXPECT_EQ(ShownWord(engine, "dejame"), "dejame");
    EXPECT_EQ(ShownWord(engine, "creeme"), "creeme");
    EXPECT_EQ(ShownWord(engine, "mirame"), "mirame|miramé");
}

} // namespace
} // namespace vorlen
