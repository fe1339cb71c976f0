#include "support/test_vocabulary.h"
#include "variants/accented_vowels.h"
#include "variants/double_accent.h"
#include "vocabulary/lookup.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace vorlen {
namespace {

using test::MakeEngine;
using test::U;
using test::W;

std::string Fixed(std::string_view result, std::string_view source) {
    Engine engine = MakeEngine({});
    engine.WordResult = W(result);
    engine.SourceWord = W(source);
    FixDoubleAccent(engine);
    return U(engine.WordResult);
}

TEST(FixDoubleAccent, TakesOneMarkOffACandidateWithTwo) {
    struct Case {
        std::string result, source, expected;
    };
    const std::vector<Case> cases = {
        {"|cómo|", "como", "|cómo|"},
        {"|casa|perro|", "casa", "|casa|perro|"},
        // The user's ó ends the word, the candidate's first ó is followed by
        // m: the later mark goes.
        {"|cómpraló|", "compraló", "|cómpralo|"},
        // The user's ó is followed by m as in the candidate: the mark nearest
        // the end goes, never touching the last letter.
        {"|cómpraló|", "cómpralo", "|compraló|"},
        {"|cómo|cómpraló|", "compraló", "|cómo|cómpralo|"}, // found in the second pass
        {"|está|ésta|", "esta", "|está|ésta|"},             // one mark per candidate
        // Two different vowels: the second loses its own mark, not its letter.
        {"|pápí|", "papá", "|pápi|"},
        // The user wrote no á: the backward scan finds it.
        {"|sábía|", "sabía", "|sabía|"},
        {"|dándolé|", "dandole", "|dandolé|"},
        {"", "x", ""},
        {"|", "", "|"},
        {"á", "", "á"},
        {"|áá|", "", "|áá|"}, // the last two letters are spared
        // The mark goes in the candidate that has two, never in another one.
        {"|cómpraló|cómpra|", "cómpralo", "|cómpralo|cómpra|"},
        {"|cósa|cáé|", "x", "|cósa|cáé|"},
        // Accented capitals in the word as written are not the small vowels.
        {"|cómpraló|", "COMPRALÓ", "|compraló|"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fixed(c.result, c.source), c.expected) << c.result << " / " << c.source;
}

TEST(FixDoubleAccent, CandidateWithoutClosingBarEndsTheSecondPass) {
    // The first pass stops at "có"; the second finds "bébé", which has no bar
    // after it: it is repaired all the same, and the search ends there.
    EXPECT_EQ(Fixed("|bé|có|bébé", "bebé"), "|bé|có|bébe");
    EXPECT_EQ(Fixed("|bé|có|bébé", "bébe"), "|bé|có|bébé");
    EXPECT_EQ(Fixed("|bé|có|bé", "x"), "|bé|có|bé");
}

// Whatever the list, at most one accented vowel loses its mark, and nothing
// else changes.
TEST(FixDoubleAccent, ChangesAtMostOneAccentAndNeverTheLength) {
    std::mt19937 random(11);
    const std::string alphabet = W("|aáeéíóúoüÁ");
    Engine engine = MakeEngine({});
    for (int trial = 0; trial < 20000; ++trial) {
        std::string result, source;
        const std::size_t length = random() % 12;
        for (std::size_t k = 0; k < length; ++k)
            result.push_back(alphabet[random() % alphabet.size()]);
        for (std::size_t k = random() % 5; k > 0; --k)
            source.push_back(alphabet[1 + random() % (alphabet.size() - 1)]);
        engine.WordResult = result;
        engine.SourceWord = source;
        FixDoubleAccent(engine);
        ASSERT_EQ(engine.WordResult.size(), result.size()) << U(result);
        int changed = 0;
        for (std::size_t k = 0; k < result.size(); ++k) {
            if (engine.WordResult[k] == result[k]) continue;
            ++changed;
            bool plainOfIt = false;
            for (const auto& vowel : kAccentedVowels)
                plainOfIt |=
                    result[k] == vowel.Accented[0] && engine.WordResult[k] == vowel.Plain[0];
            EXPECT_TRUE(plainOfIt) << U(result) << " -> " << U(engine.WordResult);
        }
        ASSERT_LE(changed, 1) << U(result) << " -> " << U(engine.WordResult);
        if (changed == 1) {
            // The change lies in a candidate that held two marks.
            std::size_t k = 0;
            while (engine.WordResult[k] == result[k])
                ++k;
            const auto open = result.rfind('|', k);
            const auto close = result.find('|', k);
            const std::size_t from = open == std::string::npos ? 0 : open + 1;
            const std::string candidate =
                result.substr(from, close == std::string::npos ? std::string::npos : close - from);
            EXPECT_GE(std::count_if(candidate.begin(), candidate.end(),
                                    [](char c) { return HasAccent(std::string(1, c)) == 1; }),
                      2)
                << U(result) << " -> " << U(engine.WordResult);
        }
    }
}

} // namespace
} // namespace vorlen
