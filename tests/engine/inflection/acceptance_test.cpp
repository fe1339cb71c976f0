#include "inflect_helper.h"
#include "inflection/acceptance.h"
#include "vocabulary/vocabulary_file.h"

namespace vorlen::test {
namespace {

TEST(InflectionAcceptance, NeverAcceptsTheSpellingsOfLlanoByEar) {
    ExpectInflects({
        {{"yano"}, "yano", "N |yano|"},
        // Reached through "anas" -> "o|".
        {{"yo"}, "yanas", "N |yo|"},
        {{"zo"}, "zanos", "N |zo|"},
        // The word looked up counts, not the word typed: while "yano" is
        // converted its respelling llano must be found.
        {{"llano"}, "llano", "Y |llano|", "yano"},
        {{"llano"}, "llanas", "Y |llano|", "yanas"},
    });
}

TEST(InflectionAcceptance, FalseInfinitivesCountOnlyForWordsBeginningWithThem) {
    ExpectInflects({
        {{"bar"}, "bo", "N |bar|"},
        {{"bar"}, "bares", "Y |bar|"},
        {{"par"}, "pares", "Y |par|"},
        {{"mar"}, "mo", "N |mar|"},
        {{"lar"}, "lo", "N |lar|"},
        {{"zar"}, "zen", "N |zar|"},
        {{"ar"}, "as", "N |ar|"},
        {{"ir"}, "id", "N |ir|"},
        {{"ir"}, "irá", "Y |ir|"},
        {{"póker"}, "pókers", "Y |póker|"},
        {{"lanar"}, "lanas", "N |lanar|"},
        // The first hit decides: |ber| would do for bo, but |bar| came first.
        {{"bar", "ber"}, "bo", "N |bar|"},
        // The keys are compared exactly: a name in capitals is not one of them.
        {{"Bar"}, "Bo", "Y |Bar|"},
    });
}

TEST(InflectionAcceptance, RefusesTheExtraWordsWholeWordOnly) {
    Engine engine = MakeEngine(TestVocabulary{{"casa", "mesa"}, {"casas", "mesa"}});
    EXPECT_EQ(Inflect(engine, "mesa"), "N |mesa|");
    EXPECT_EQ(Inflect(engine, "casas"), "N |casa|");
    EXPECT_EQ(Inflect(engine, "casa"), "Y |casa|");
    EXPECT_EQ(Inflect(engine, "mesas"), "Y |mesa|");
}

TEST(InflectionAcceptance, ExtraWordsFollowAReplacedVocabulary) {
    Engine engine = MakeEngine(TestVocabulary{{"casa"}, {"casa"}});
    EXPECT_EQ(Inflect(engine, "casa"), "N |casa|");
    engine.Vocabulary = MakeEngine(TestVocabulary{{"casa"}, {"cosa"}}).Vocabulary;
    EXPECT_EQ(Inflect(engine, "casa"), "Y |casa|");
    Engine copy = engine;
    copy.Vocabulary = MakeEngine(TestVocabulary{{"casa"}, {"casa"}}).Vocabulary;
    EXPECT_EQ(Inflect(copy, "casa"), "N |casa|");
    EXPECT_EQ(Inflect(engine, "casa"), "Y |casa|");
}

// The set must answer as a search of "|word|" in the line would, even on a
// line that does not start or end with a bar or holds an empty entry.
TEST(InflectionAcceptance, ExtraWordSetAnswersAsTheLineSearch) {
    Engine engine = MakeEngine({"casa"});
    auto store = std::make_shared<VocabularyStore>();
    store->ExtraWordLine = "x|ab||cd|ef";
    BuildVocabularyIndex(*store);
    engine.Vocabulary = store;
    for (std::string_view word : {"x", "ab", "", "cd", "ef", "b", "ab|", "cd|ef", "x|ab"}) {
        const bool inLine =
            store->ExtraWordLine.find("|" + std::string(word) + "|") != std::string::npos;
        EXPECT_EQ(IsExtraWord(engine, word), inLine) << "'" << word << "'";
    }
}

} // namespace
} // namespace vorlen::test
