#include "support/test_vocabulary.h"
#include "variants/enclitic_endings.h"
#include "variants/enclitics.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace vorlen {
namespace {

// The endings are tried shortest group first, each on words that leave at
// least two letters before it.
TEST(EncliticEndings, GroupsAreOrderedAndLeaveTwoLetters) {
    std::set<std::string_view> seen;
    std::size_t previous = 0;
    for (const auto& e : kEncliticEndings) {
        EXPECT_EQ(e.MinWordLength, e.Ending.size() + 2) << e.Ending;
        EXPECT_GE(e.MinWordLength, previous) << e.Ending;
        EXPECT_TRUE(seen.insert(e.Ending).second) << e.Ending << " twice";
        previous = e.MinWordLength;
    }
}

struct Case {
    std::vector<std::string> vocabulary;
    std::string word;
    std::string answer, stem, folded; // folded: the caller's word afterwards
    bool ignoreDiacritics = 0;
};

// Each case on its own vocabulary, the stem left by an earlier call "antes".
void Expect(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        Engine engine = test::MakeEngine(test::TestVocabulary{c.vocabulary});
        engine.IgnoreDiacritics = c.ignoreDiacritics;
        engine.EncliticStem = "antes";
        std::string word = test::W(c.word);
        engine.SourceWord = word;
        EXPECT_EQ(CheckEnclitics(engine, word), c.answer) << c.word;
        EXPECT_EQ(test::U(engine.EncliticStem), c.stem) << c.word;
        EXPECT_EQ(test::U(word), c.folded) << c.word;
    }
}

TEST(CheckEnclitics, StripsOneOrTwoPronounsAfterAHostLetter) {
    Expect({
        {{"cómpra"}, "cómpralo", "Y", "cómpra", "cómpralo"},
        {{"di"}, "dile", "Y", "di", "dile"},     // host letter i
        {{"haz"}, "hazlo", "Y", "haz", "hazlo"}, // z is a host letter
        {{"hablar"}, "hablarlo", "Y", "hablar", "hablarlo"},
        {{"dí"}, "dímelo", "Y", "dí", "dímelo"},           // díme ("lo") is asked first, then dí
        {{"dáme", "dá"}, "dámelo", "Y", "dáme", "dámelo"}, // the first accepted stem wins
        {{"vámo"}, "vámonos", "Y", "vámo", "vámonos"},     // "nos" before vámos
        {{"vámos"}, "vámonos", "Y", "vámos", "vámonos"},
        {{"démos"}, "démoselo", "Y", "démos", "démoselo"},
        // Folded first: lower case, and the accents off when they are ignored.
        {{"dí"}, "Dímelo", "Y", "dí", "dímelo"},
        {{"di"}, "Dímelo", "Y", "di", "dimelo", 1},
        {{"vamos"}, "vámonos", "Y", "vamos", "vamonos", 1},
        {{"demos"}, "démoselo", "Y", "demos", "demoselo", 1},
        {{"so"}, "sólo", "Y", "so", "solo", 1}, // solo: "lo" after o
        // Answers reached before any stem is formed leave the previous one.
        {{"casa"}, "Y", "Y", "antes", "y"},
        {{"casa"}, "Casa", "Y", "antes", "casa"},
    });
}

// With an empty vocabulary nothing is accepted, and the stem left is that of
// the last attempt whose tests held: this shows the order of the attempts.
TEST(CheckEnclitics, AfterNoTheStemIsTheLastAttempt) {
    Expect({
        {{}, "vámonos", "N", "vámos", "vámonos"},   // vámon, vámo, vámos
        {{}, "démoselo", "N", "démos", "démoselo"}, // démose, démo, démos
        {{}, "dale", "N", "da", "dale"},
        {{"so"}, "sólo", "N", "sólo", "sólo"}, // ó is no host letter: no attempt
        {{"a"}, "ale", "N", "ale", "ale"},     // three letters: no ending is tried
        {{}, "xyzw", "N", "xyzw", "xyzw"},
        {{}, "", "N", "", ""},
    });
}

TEST(CheckEnclitics, AnyBytesAnswerWithoutFault) {
    Engine engine = test::MakeEngine({"ab"});
    for (int byte = 0; byte < 256; ++byte) {
        for (std::size_t length : {1u, 2u, 4u, 8u}) {
            std::string word(length, static_cast<char>(byte));
            const std::string answer = CheckEnclitics(engine, word);
            EXPECT_TRUE(answer == "Y" || answer == "N");
            EXPECT_EQ(word.size(), length);
        }
    }
    std::string longWord = std::string(10000, 'a') + "melo";
    EXPECT_EQ(CheckEnclitics(engine, longWord), "N");
}

} // namespace
} // namespace vorlen
