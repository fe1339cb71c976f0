#include "support/test_vocabulary.h"
#include "variants/enclitic_endings.h"
#include "variants/enclitics.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace vorlen {
namespace {

using test::MakeEngine;
using test::U;
using test::W;

struct Outcome {
    std::string answer;
    std::string stem; // UTF-8
    std::string word; // the caller's copy afterwards, UTF-8
};

Outcome Check(Engine& engine, std::string_view utf8) {
    std::string word = W(utf8);
    engine.SourceWord = word;
    const std::string answer = CheckEnclitics(engine, word);
    return {answer, U(engine.EncliticStem), U(word)};
}

TEST(EncliticEndings, GroupsAreOrderedAndLeaveTwoLetters) {
    // The endings a first-plural imperative takes after losing its s.
    const std::set<std::string_view> firstPlural = {
        "nos",   "selo",  "sela",  "selos", "selas",  "nosme",  "noste",  "nosse",
        "nosos", "nosle", "noslo", "nosla", "nosnos", "nosles", "noslos", "noslas"};
    std::size_t previousLength = 0;
    std::set<std::string_view> seen;
    std::array<int, 9> perGroup{};
    for (const auto& e : kEncliticEndings) {
        EXPECT_EQ(e.MinWordLength, e.Ending.size() + 2) << e.Ending;
        EXPECT_GE(e.MinWordLength, previousLength) << e.Ending;
        EXPECT_TRUE(seen.insert(e.Ending).second) << e.Ending << " twice";
        EXPECT_EQ(e.FirstPlural, firstPlural.contains(e.Ending)) << e.Ending;
        previousLength = e.MinWordLength;
        ++perGroup[e.MinWordLength];
    }
    EXPECT_EQ(kEncliticEndings.size(), 76u);
    EXPECT_EQ(kEncliticAttemptCount, 92u);
    EXPECT_EQ(perGroup[4], 7);
    EXPECT_EQ(perGroup[5], 4);
    EXPECT_EQ(perGroup[6], 32);
    EXPECT_EQ(perGroup[7], 28);
    EXPECT_EQ(perGroup[8], 5);
    EXPECT_EQ(kEncliticEndings.front().Ending, "me");
    EXPECT_EQ(kEncliticEndings[11].Ending, "meme");
    EXPECT_EQ(kEncliticEndings[43].Ending, "menos");
    EXPECT_EQ(kEncliticEndings[60].Ending, "nosme");
    EXPECT_EQ(kEncliticEndings.back().Ending, "noslas");
}

TEST(CheckEnclitics, StripsOneOrTwoPronounsAfterAHostLetter) {
    struct Case {
        std::vector<std::string> vocabulary;
        std::string word;
        std::string stem;
    };
    const std::vector<Case> cases = {
        {{"cómpra"}, "cómpralo", "cómpra"},
        {{"di"}, "dile", "di"}, // host letter i
        {{"di"}, "dime", "di"},
        {{"haz"}, "hazlo", "haz"}, // z is a host letter
        {{"hablar"}, "hablarlo", "hablar"},
        {{"dí"}, "dímelo", "dí"},      // díme ("lo") is asked first, then dí ("melo")
        {{"vámo"}, "vámonos", "vámo"}, // "nos" before its first-plural attempt
        {{"vámos"}, "vámonos", "vámos"},
        {{"démos"}, "démoselo", "démos"},
        {{"sentémos"}, "sentémonos", "sentémos"},
        {{"vendámos"}, "vendámoselo", "vendámos"},
        {{"dáme", "dá"}, "dámelo", "dáme"}, // the first accepted stem ends the search
    };
    for (const auto& c : cases) {
        test::TestVocabulary vocabulary;
        vocabulary.words = c.vocabulary;
        Engine engine = MakeEngine(vocabulary);
        const Outcome out = Check(engine, c.word);
        EXPECT_EQ(out.answer, "Y") << c.word;
        EXPECT_EQ(out.stem, c.stem) << c.word;
        EXPECT_EQ(out.word, c.word) << "the caller's word is the folded word";
    }
}

// Without any vocabulary nothing is accepted, and the stem left behind is the
// last one whose tests held: this shows the order of the attempts.
TEST(CheckEnclitics, AfterNoTheStemIsTheLastAttempt) {
    struct Case {
        std::string word;
        std::string stem;
    };
    const std::vector<Case> cases = {
        {"vámonos", "vámos"},        // vámon (os), vámo (nos), vámos
        {"démoselo", "démos"},       // démose (lo), démo (selo), démos
        {"sentémonos", "sentémos"},  // sentémon, sentémo, sentémos
        {"vendámoselo", "vendámos"}, // vendámose, vendámo, vendámos
        {"cómpralo", "cómpra"},
        {"sólo", "sólo"}, // ó is no host letter: no attempt at all
        {"ale", "ale"},   // three letters: no ending is tried
        {"xyzw", "xyzw"}, // nothing to strip
        {"dale", "da"},
    };
    for (const auto& c : cases) {
        Engine engine = MakeEngine({});
        const Outcome out = Check(engine, c.word);
        EXPECT_EQ(out.answer, "N") << c.word;
        EXPECT_EQ(out.stem, c.stem) << c.word;
    }
}

TEST(CheckEnclitics, FoldsTheWordFirst) {
    {
        Engine engine = MakeEngine({"dí"});
        const Outcome out = Check(engine, "Dímelo");
        EXPECT_EQ(out.answer, "Y");
        EXPECT_EQ(out.stem, "dí");
        EXPECT_EQ(out.word, "dímelo");
    }
    {
        Engine engine = MakeEngine({"di"});
        engine.IgnoreDiacritics = 1;
        const Outcome out = Check(engine, "Dímelo");
        EXPECT_EQ(out.answer, "Y");
        EXPECT_EQ(out.stem, "di");
        EXPECT_EQ(out.word, "dimelo");
    }
    {
        Engine engine = MakeEngine({"vamos"});
        engine.IgnoreDiacritics = 1;
        const Outcome out = Check(engine, "vámonos");
        EXPECT_EQ(out.answer, "Y");
        EXPECT_EQ(out.stem, "vamos");
        EXPECT_EQ(out.word, "vamonos");
    }
    {
        // With diacritics ignored sólo has become solo, and "lo" is tried.
        Engine engine = MakeEngine({"so"});
        engine.IgnoreDiacritics = 1;
        const Outcome out = Check(engine, "sólo");
        EXPECT_EQ(out.answer, "Y");
        EXPECT_EQ(out.stem, "so");
        EXPECT_EQ(out.word, "solo");
    }
    {
        Engine engine = MakeEngine({"so"});
        const Outcome out = Check(engine, "sólo");
        EXPECT_EQ(out.answer, "N");
        EXPECT_EQ(out.stem, "sólo");
    }
}

TEST(CheckEnclitics, EarlyAnswersKeepThePreviousStem) {
    Engine engine = MakeEngine({"casa"});
    engine.EncliticStem = W("antes");
    Outcome out = Check(engine, "Y");
    EXPECT_EQ(out.answer, "Y");
    EXPECT_EQ(out.stem, "antes");
    EXPECT_EQ(out.word, "y");

    out = Check(engine, "Casa"); // in the vocabulary as written
    EXPECT_EQ(out.answer, "Y");
    EXPECT_EQ(out.stem, "antes");
    EXPECT_EQ(out.word, "casa");

    out = Check(engine, "");
    EXPECT_EQ(out.answer, "N");
    EXPECT_EQ(out.stem, "");
}

TEST(CheckEnclitics, AnyBytesAnswerWithoutFault) {
    Engine engine = MakeEngine({"ab"});
    for (int byte = 0; byte < 256; ++byte) {
        for (std::size_t length : {1u, 2u, 4u, 8u}) {
            std::string word(length, static_cast<char>(byte));
            const std::string answer = CheckEnclitics(engine, word);
            EXPECT_TRUE(answer == "Y" || answer == "N");
            EXPECT_EQ(word.size(), length);
        }
    }
    std::string longWord(10000, 'a');
    longWord += "melo";
    EXPECT_EQ(CheckEnclitics(engine, longWord), "N");
}

} // namespace
} // namespace vorlen
