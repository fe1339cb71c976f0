// The result rules on candidate lists set by hand, as the word pipeline leaves
// them: each case gives the word as written, its casing and the list.
#include "conversion/ando_pronoun_table.h"
#include "conversion/attached_pronouns.h"
#include "conversion/baz_words.h"
#include "conversion/gerund_pronoun_table.h"
#include "conversion/homophone_table.h"
#include "conversion/plural_accent_table.h"
#include "conversion/result_rules.h"
#include "conversion/result_table.h"
#include "conversion/spelling_rewrite_table.h"
#include "conversion/word_pipeline.h"
#include "support/test_vocabulary.h"

#include <gtest/gtest.h>

namespace vorlen {
namespace {

using test::MakeEngine;
using test::U;
using test::W;

struct RuleCase {
    const char* written; // the word as written (UTF-8)
    const char* list;    // WordResult on entry
    const char* expected;
};

// Runs every rule on `list`, with the casing flags the pipeline would set.
std::string RunRules(Engine& engine, const std::string& written, const std::string& list) {
    engine.SourceWord = W(written);
    engine.AllCaps = written.size() > 1 && engine.SourceWord == ToUpper(engine.SourceWord);
    engine.InitialCap = !engine.AllCaps && !written.empty() &&
                        engine.SourceWord[0] == ToUpperByte(engine.SourceWord[0]);
    engine.WordResult = W(list);
    ApplyResultRules(engine);
    return U(engine.WordResult);
}

void ExpectRules(Engine& engine, std::initializer_list<RuleCase> cases) {
    for (const auto& c : cases)
        EXPECT_EQ(RunRules(engine, c.written, c.list), c.expected)
            << "written " << c.written << ", list " << c.list;
}

TEST(ResultRules, HiatusAccentsDropTheDuplicate) {
    Engine engine = MakeEngine({"leído", "caída", "Aida"});
    ExpectRules(engine, {
                            {"leido", "|leido|leído|", "|leído|"},
                            {"caidas", "|caidas|caídas|", "|caídas|"},
                            // A list naming Aida keeps its a-rows untouched.
                            {"Aida", "|Aida|", "|Aida|"},
                            {"aida", "|aida|Aida|", "|aida|aida|"},
                            {"egoista", "|egoista|", "|egoísta|"},
                        });
}

TEST(ResultRules, YBetweenVowelsButNotAfterSilentU) {
    Engine engine = MakeEngine({"huyó"});
    ExpectRules(engine, {
                            {"huio", "|huió|huyó|uyó|", "|huyó|"},
                            {"construiendo", "|construiendo|", "|construyendo|"},
                            {"caio", "|caió|", "|cayó|"},
                            // After g or q the u is silent: no y is heard.
                            {"siguio", "|siguió|", "|siguió|"},
                            {"siguiente", "|siguiente|", "|siguiente|"},
                            {"distinguiendo", "|distinguiendo|", "|distinguiendo|"},
                            {"delinquieron", "|delinquieron|", "|delinquieron|"},
                            // A silent u earlier does not hide a heard one later.
                            {"x", "|siguió|huió|", "|siguió|"},
                        });
}

TEST(ResultRules, PluralAccentOnlyAtTheEndOfACandidate) {
    Engine engine = MakeEngine({"canciones"});
    ExpectRules(engine, {
                            {"canciones", "|canciónes|canciones|", "|canciones|"},
                            {"genesis", "|génesis|", "|génesis|"},
                            {"paises", "|países|paíces|", "|países|paíces|"},
                            {"intereses", "|interéses|", "|intereses|"},
                        });
}

TEST(ResultRules, GerundAccentOnlyBeforeAttachedPronouns) {
    Engine engine = MakeEngine({"decir"});
    ExpectRules(engine, {
                            {"diciendome", "|diciendome|", "|diciéndome|"},
                            {"diciendoselo", "|diciendoselo|", "|diciéndoselo|"},
                            {"hablandome", "|hablandome|", "|hablándome|"},
                            {"dandoles", "|dandoles|", "|dándoles|"},
                            {"bandolero", "|bandolero|", "|bandolero|"},
                            {"comandos", "|comandos|", "|comandos|"},
                            {"remiendos", "|remiendos|", "|remiendos|"},
                            // Two gerunds in one list: both take their accent.
                            {"x", "|comiendolo|comiendote|", "|comiéndolo|comiéndote|"},
                        });
}

TEST(ResultRules, PronounTails) {
    for (auto tail : {"me", "selo", "nos", "oslas", "les", "losme"})
        EXPECT_TRUE(rules::IsPronounTail(W(tail))) << tail;
    for (auto tail : {"", "s", "ero", "lin", "mel", "lolola"})
        EXPECT_FALSE(rules::IsPronounTail(W(tail))) << tail;
}

TEST(ResultRules, HomophoneDecisions) {
    Engine engine = MakeEngine({"ves", "vez"});
    ExpectRules(engine, {
                            {"bes", "|ves|vez|", "|bes|"},
                            {"Bes", "|ves|vez|", "|Bes|"},
                            {"yano", "|llano|", "|yano|llano|"},
                            {"mi", "|mí|", "|mi|"},
                            {"se", "<none>", "|se|"},
                            {"o", "|o|ó|", "|o|"},
                            {"O", "|o|ó|", "|Ó|"},
                            {"ablando", "|ablándó|", "|ablando|"},
                        });
    engine.Options.ChangeFoundWords = true;
    ExpectRules(engine, {{"mi", "|mi|", "|mi|mí|"}, {"días", "|días|", "|días|Díaz|"}});
    engine.Options.ChangeFoundWords = false;
    ExpectRules(engine, {{"dias", "|dias|", "|días|Díaz|"}, {"días", "|días|", "|días|"}});
}

TEST(ResultRules, ReplacementPairsRunInFileOrder) {
    Engine engine =
        MakeEngine(test::TestVocabulary{{"vez", "ves"}, {}, "|ves|vez|>|vez|;|vez|>|vez|ves|;"});
    // The first pair's value is the key of the second: both apply.
    ExpectRules(engine, {{"bes", "|VES|vez|", "|vez|ves|"}});
}

TEST(ResultRules, ResultTableAndSmallFixes) {
    Engine engine = MakeEngine({"acorde"});
    ExpectRules(engine, {
                            {"acorde", "|acordé|", "|acordé|acorde|"},
                            {"pais", "|páis|", "|país|"},
                            {"dolo", "|dóló|dolo|dólo|", "|doló|dolo|"},
                            {"ses", "|ses|", "|seis|"},
                            {"bazta", "|bazta|", "|basta|"},
                            {"bazar", "|bazar|", "|bazar|"},
                            // The candidate that holds "éndé" is kept with what
                            // follows it, without a leading bar.
                            {"bendeme", "|bende|véndéme|", "véndeme|"},
                            {"x", "|véndéme|", "|véndeme|"},
                        });
}

TEST(ResultRules, EnseEndingsLoseAccentsUnlessWrittenWithOne) {
    Engine engine = MakeEngine({"forense"});
    ExpectRules(engine, {
                            {"forense", "|forense|forénse|", "|forense|forense|"},
                            {"forénse", "|forense|forénse|", "|forense|forénse|"},
                        });
}

TEST(ResultRules, HazRulesNeverReachPastAShortWord) {
    Engine engine = MakeEngine({"haz"});
    ExpectRules(engine, {
                            {"hazas", "|haz|ás|", "házas"},
                            {"ha", "|haz|ás|", "ház"},
                            {"", "|ház|as|", "haz"},
                        });
}

TEST(ResultRules, CasingFollowsTheWordAsWritten) {
    Engine engine = MakeEngine({"casa", "caza"});
    ExpectRules(engine, {
                            {"kasa", "|Casa|caza|", "|casa|caza|"},
                            {"Kasa", "|casa|caza|", "|Casa|Caza|"},
                            {"KASA", "|casa|caza|", "|CASA|CAZA|"},
                            {"K", "|casa|", "|Casa|"},
                        });
}

TEST(ResultRules, NothingFoundStaysNoneWithoutSimilarWords) {
    Engine engine = MakeEngine({"casa"});
    engine.Options.SimilarOnMiss = false;
    ExpectRules(engine, {{"csaa", "<none>", "<none>"}});
    engine.Options.SimilarOnMiss = true;
    EXPECT_EQ(RunRules(engine, "csaa", "<none>"), "csaa|casa");
    EXPECT_EQ(U(engine.SimilarWords), "|casa");
}

} // namespace
} // namespace vorlen
