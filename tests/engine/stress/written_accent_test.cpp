// Stress and written accents on real Spanish words, in UTF-8 through the
// test conversions.
#include "stress/syllables.h"
#include "stress/written_accent.h"
#include "support/test_vocabulary.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>
#include <vector>

namespace vorlen::test {
namespace {

using Pairs = std::vector<std::pair<const char*, const char*>>;

// The word with its stressed vowel in capitals ("cAsa"), or "-" for none.
std::string MarkStress(const char* utf8) {
    const std::string word = W(utf8);
    const auto stressed = stress::StressedVowel(word);
    if (!stressed) return "-";
    std::string marked = word;
    marked[*stressed] = ToUpperByte(marked[*stressed]);
    return U(marked);
}

TEST(StressedVowel, FollowsTheWrittenAccentOrTheEndingOfTheWord) {
    const Pairs cases = {// Plain words: a vowel, n or s at the end puts the stress one
                         // syllable back; another consonant, or a final y, keeps it last.
                         {"casa", "cAsa"},
                         {"comen", "cOmen"},
                         {"lunes", "lUnes"},
                         {"papel", "papEl"},
                         {"reloj", "relOj"},
                         {"estoy", "estOy"},
                         {"sal", "sAl"},
                         // Diphthongs carry the stress on their open vowel, or on the second of
                         // two closed ones; the u of que, qui, gue, gui is silent, that of güe
                         // sounds.
                         {"cielo", "ciElo"},
                         {"causa", "cAusa"},
                         {"cuida", "cuIda"},
                         {"ciudad", "ciudAd"},
                         {"quiso", "quIso"},
                         {"guerra", "guErra"},
                         {"pingüino", "pingüIno"},
                         {"averigua", "averIgua"},
                         {"diciendo", "diciEndo"},
                         // Two open vowels are two syllables.
                         {"cree", "crEe"},
                         {"leer", "leEr"},
                         {"lee", "lEe"},
                         // A written accent says it all.
                         {"oír", "oÍr"},
                         {"canción", "canciÓn"},
                         {"dé", "dÉ"},
                         {"árbol", "Árbol"},
                         {"brr", "-"}};
    for (const auto& [word, marked] : cases)
        EXPECT_EQ(MarkStress(word), marked) << word;
}

TEST(SyllableNuclei, DiphthongsHiatusAndSilentLetters) {
    const std::vector<std::pair<const char*, std::size_t>> cases = {
        {"leer", 2},     {"oír", 2},     {"oir", 1},       {"país", 2},     {"ciudad", 2},
        {"chiita", 3},   {"buey", 1},    {"guerra", 2},    {"pingüino", 3}, {"querer", 2},
        {"prohibir", 2}, {"prohíbe", 3}, {"construye", 3}, {"y", 1},        {"hoy", 1}};
    for (const auto& [word, count] : cases)
        EXPECT_EQ(stress::SyllableNuclei(W(word)).size(), count) << word;
}

TEST(AttachPronouns, TheVerbFormKeepsItsStressAndWritesItWhereTheRulesSay) {
    const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
        // The stress moves to the third syllable from the end, or further.
        {"deja", "me", "déjame"},
        {"calla", "te", "cállate"},
        {"sienta", "te", "siéntate"},
        {"cuenta", "me", "cuéntame"},
        {"da", "melo", "dámelo"},
        {"diciendo", "le", "diciéndole"},
        {"comiendo", "selo", "comiéndoselo"},
        {"averigua", "lo", "averígualo"},
        {"construye", "lo", "constrúyelo"},
        {"cuida", "te", "cuídate"},
        // Hiatus: two open vowels, or a stressed closed vowel beside an open one.
        {"cree", "me", "créeme"},
        {"lee", "lo", "léelo"},
        {"oír", "lo", "oírlo"},
        {"reír", "se", "reírse"},
        {"guía", "me", "guíame"},
        // Still on the next-to-last syllable: no accent, and one written on a
        // monosyllable or the last syllable goes.
        {"di", "me", "dime"},
        {"haz", "lo", "hazlo"},
        {"pon", "te", "ponte"},
        {"dé", "me", "deme"},
        {"comer", "lo", "comerlo"},
        {"haced", "lo", "hacedlo"},
        {"destruir", "lo", "destruirlo"},
        {"dejá", "me", "dejame"},
        // A first-person plural loses its s before nos and se.
        {"vamos", "nos", "vámonos"},
        {"sentemos", "nos", "sentémonos"},
        {"demos", "selo", "démoselo"},
        {"hagamos", "lo", "hagámoslo"}};
    for (const auto& [form, pronouns, written] : cases)
        EXPECT_EQ(U(stress::AttachPronouns(W(form), W(pronouns))), written)
            << form << " + " << pronouns;
}

TEST(WriteStress, AddsOnlyTheAccentsTheRulesCallFor) {
    const auto write = [](const char* word, std::size_t stressed) {
        return U(stress::WriteStress(W(word), stressed));
    };
    EXPECT_EQ(write("sofa", 3), "sofá");
    EXPECT_EQ(write("cancion", 5), "canción");
    EXPECT_EQ(write("arbol", 0), "árbol");
    EXPECT_EQ(write("musica", 1), "música");
    EXPECT_EQ(write("pais", 2), "país");
    EXPECT_EQ(write("casa", 1), "casa");
    EXPECT_EQ(write("papel", 3), "papel");
    EXPECT_EQ(write("sofás", 3), "sofás");
    // One syllable: never an accent (más, él, dé are told apart by meaning).
    EXPECT_EQ(write("mas", 1), "mas");
    EXPECT_EQ(write("dé", 1), "de");
    // Accents elsewhere go; the diaeresis stays.
    EXPECT_EQ(write("cáncion", 5), "canción");
    EXPECT_EQ(write("pingüino", 5), "pingüino");
}

// An adverb keeps the accent of its adjective: the adjective is what the
// rules are given.
TEST(WriteStress, AdverbsInMenteKeepTheirAdjectivesAccent) {
    for (const char* adjective : {"rápida", "fácil", "cortés", "lenta"}) {
        const std::string word = W(adjective);
        const auto stressed = stress::StressedVowel(word);
        ASSERT_TRUE(stressed.has_value()) << adjective;
        EXPECT_EQ(U(stress::WriteStress(word, *stressed) + "mente"),
                  std::string(adjective) + "mente");
    }
}

} // namespace
} // namespace vorlen::test
