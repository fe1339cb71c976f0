// Words through the whole pipeline (respelling, report, enclitic fallback,
// result rules), each on a vocabulary of a few words.
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

// ConvertWord on one word; the bar-framed list (UTF-8).
std::string Convert(Engine& engine, const std::string& word) {
    engine.CurrentWord = W(word);
    ConvertWord(engine);
    return U(engine.WordResult);
}

TEST(ComposeWordReport, FoundAndNotFoundForms) {
    struct Case {
        const char* source;
        const char* list;
        const char* enclitic;
        const char* report;
    };
    Engine engine = MakeEngine({"casa"});
    for (const Case& c : {
             Case{"casa", " casa caza ", "",
                  "Original word found. All spellings found:  casa caza "},
             // Found through its lower-case form too.
             Case{"Casa", " casa ", "", "Original word found. All spellings found:  casa "},
             Case{"kasa", " casa caza ", "",
                  "Original word NOT found. All spellings found:  casa caza "},
             Case{"kasa", " ", "", "Original word NOT found. All spellings found: <none>"},
             // Accepted by the enclitic analysis: found, naming the word itself.
             Case{"dímelo", " ", "Y", "Original word found. All spellings found: dímelo"},
         }) {
        engine.SourceWord = W(c.source);
        engine.EncliticResult = c.enclitic;
        engine.WordResult = c.list;
        ComposeWordReport(engine);
        EXPECT_EQ(U(engine.WordResult), c.report) << c.source;
    }
}

TEST(ConvertWord, CasingFlags) {
    Engine engine = MakeEngine({"casa"});
    struct Case {
        const char* word;
        int allCaps;
        int initialCap;
    };
    for (const auto& c : {Case{"kasa", 0, 0}, Case{"Kasa", 0, 1}, Case{"KASA", 1, 1},
                          Case{"A", 0, 1}, Case{"a", 0, 0}, Case{"ÁRBOL", 1, 1}}) {
        engine.InitialCap = true; // a word in capitals leaves it as it was
        Convert(engine, c.word);
        EXPECT_EQ(engine.AllCaps, c.allCaps) << c.word;
        EXPECT_EQ(engine.InitialCap, c.initialCap) << c.word;
    }
    engine.InitialCap = false;
    Convert(engine, "KASA");
    EXPECT_EQ(engine.InitialCap, 0);
}

TEST(ConvertWord, FoundWordStaysAsWrittenUnlessChanging) {
    Engine engine = MakeEngine({"casa", "caza"});
    EXPECT_EQ(Convert(engine, "casa"), "|casa|");
    EXPECT_EQ(engine.NotFoundTag, "");
    EXPECT_EQ(Convert(engine, "Casa"), "|Casa|");
    EXPECT_EQ(Convert(engine, "kasa"), "|casa|caza|");
    EXPECT_EQ(engine.NotFoundTag, "NF:");
    EXPECT_EQ(Convert(engine, "KASA"), "|CASA|CAZA|");

    engine.Options.ChangeFoundWords = true;
    EXPECT_EQ(Convert(engine, "casa"), "|casa|caza|");
}

TEST(ConvertWord, NothingFound) {
    Engine engine = MakeEngine({"casa"});
    engine.Options.SimilarOnMiss = false;
    EXPECT_EQ(Convert(engine, "xqw"), "<none>");
    EXPECT_EQ(engine.NotFoundTag, "NF:");
    EXPECT_EQ(ShownWord(engine, "xqw"), "|xqw");

    engine.Options.SimilarOnMiss = true;
    EXPECT_EQ(ShownWord(engine, "csaa"), "csaa|casa");
    EXPECT_EQ(engine.SimilarWords, "");
}

TEST(ConvertWord, ResultRulesThroughThePipeline) {
    Engine engine = MakeEngine({"leído", "leer", "diciendo", "bandolero", "siguiente"});
    EXPECT_EQ(ShownWord(engine, "leido"), "leído");
    EXPECT_EQ(ShownWord(engine, "diciendome"), "diciéndome");
    EXPECT_EQ(ShownWord(engine, "bandolero"), "bandolero");
    EXPECT_EQ(ShownWord(engine, "siguiente"), "siguiente");
}

TEST(ConvertWord, AttachedPronouns) {
    Engine engine = MakeEngine({"comprar", "vamos", "dar"});
    // Accepted as written: the word stays.
    EXPECT_EQ(ShownWord(engine, "compralo"), "compralo");
    // Not accepted with its accent: the verb form is respelled without it,
    // the accent goes back in its place and the pronoun after it.
    EXPECT_EQ(ShownWord(engine, "cómpralo"), "cómpralo");
    EXPECT_EQ(ShownWord(engine, "dámelo"), "dámelo");
    EXPECT_EQ(ShownWord(engine, "vámonos"), "vámonos");
    EXPECT_EQ(ShownWord(engine, "Vámonos"), "Vámonos");
}

TEST(ConvertWord, BarAfterAChangedSingleWord) {
    Engine engine = MakeEngine({"hola"});
    engine.Options.BarAfterChange = true;
    EXPECT_EQ(ShownWord(engine, "ola"), "hola|");
    EXPECT_EQ(ShownWord(engine, "hola"), "hola");
}

TEST(ConvertWord, OddWordsAlwaysEndWithAResult) {
    // Accents far from where the respelled verb form puts them, pronoun
    // endings on almost nothing, single letters, long runs.
    Engine engine = MakeEngine({"dar", "da", "haz", "ves", "lo", "me"});
    const std::string longWord(300, 'a');
    for (const auto& options : {std::pair{false, false}, std::pair{true, true}}) {
        engine.Options.IgnoreDiacritics = options.first;
        engine.Options.ChangeFoundWords = options.second;
        for (const std::string& word :
             std::vector<std::string>{"á", "Á", "ü", "ÁÉÍÓÚÜ", "áéíóúü", "úúúlo", "dálo", "üemelo",
                                      "ámelosnoslas", "hazás", "ház", "lo", "melo", "nosnos",
                                      "dámeloselo", "ÉNDÉ", "béndémelo", "x", longWord}) {
            SCOPED_TRACE(word);
            const std::string shown = ShownWord(engine, word);
            EXPECT_FALSE(shown.empty());
        }
    }
}

} // namespace
} // namespace vorlen
