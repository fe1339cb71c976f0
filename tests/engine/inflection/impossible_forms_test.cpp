// Candidates that the rules would take for forms but that no Spanish word can
// be: refused outside classic mode, accepted as before in classic mode.
#include "inflect_helper.h"

namespace vorlen::test {
namespace {

std::string InflectDefault(const std::vector<std::string>& words, std::string_view word,
                           std::string_view typed) {
    Engine engine = MakeEngine(TestVocabulary{words});
    engine.Options.Classic = false;
    return Inflect(engine, word, typed);
}

std::string InflectClassic(const std::vector<std::string>& words, std::string_view word,
                           std::string_view typed) {
    Engine engine = MakeEngine(TestVocabulary{words});
    return Inflect(engine, word, typed);
}

TEST(ImpossibleForms, NoPluralOfAVerbFormWithAnAccentTheWriterLeftOut) {
    const std::vector<std::string> ultimar = {"ultimar", "ultimó", "último"};
    EXPECT_EQ(InflectDefault(ultimar, "ultimós", "ultimos"), "N |ultimó|");
    EXPECT_EQ(InflectClassic(ultimar, "ultimós", "ultimos"), "Y |ultimó|");
    EXPECT_EQ(InflectDefault({"comer", "comió"}, "comiós", "comios"), "N |comió|");
    // A plural of a noun in a stressed vowel, and an accent the writer wrote.
    EXPECT_EQ(InflectDefault({"dominó"}, "dominós", "dominos"), "Y |dominó|");
    EXPECT_EQ(InflectDefault(ultimar, "ultimós", "ultimós"), "Y |ultimó|");
    // The plain plural of the same stem is untouched.
    EXPECT_EQ(InflectDefault(ultimar, "últimos", "ultimos"), "Y |último|");
}

TEST(ImpossibleForms, NoPreteriteOfAnArWordThatIsNoVerb) {
    const std::vector<std::string> words = {"espectacular", "mirar", "mirado"};
    EXPECT_EQ(InflectDefault(words, "espectaculó", "espectaculo"), "N |espectacular|");
    EXPECT_EQ(InflectClassic(words, "espectaculó", "espectaculo"), "Y |espectacular|");
    // A verb, known by its participle, keeps its preterites.
    EXPECT_EQ(InflectDefault(words, "miró", "miro"), "Y |mirar|");
    EXPECT_EQ(InflectDefault(words, "miré", "mire"), "Y |mirar|");
}

TEST(ImpossibleForms, NamesAreNotConjugated) {
    const std::vector<std::string> words = {"Miramar", "María", "mirar", "mirado"};
    for (const char* candidate : {"Mirame", "Miramé", "Miramo"})
        EXPECT_EQ(InflectDefault(words, candidate, "mirame"), "N |Miramar|") << candidate;
    EXPECT_EQ(InflectClassic(words, "Miramé", "mirame"), "Y |Miramar|");
    // A name still has a plural, and a verb its forms.
    EXPECT_EQ(InflectDefault(words, "Marías", "marias"), "Y |María|");
    EXPECT_EQ(InflectDefault(words, "mire", "mire"), "Y |mirar|");
}

} // namespace
} // namespace vorlen::test
