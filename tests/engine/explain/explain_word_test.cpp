// What a word is, from the explanations loaded with the vocabulary.
#include "explain/explain_word.h"
#include "support/test_vocabulary.h"
#include "vocabulary/explanations.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vorlen {
namespace {

using test::MakeEngine;
using test::U;
using test::W;

Engine EngineExplaining(const std::string& lines) {
    Engine engine = MakeEngine({"casa"});
    std::const_pointer_cast<VocabularyStore>(engine.Vocabulary)->Explanations =
        ParseExplanations(W(lines));
    return engine;
}

std::string Explain(const Engine& engine, const std::string& word) {
    return U(ExplainWord(engine, W(word)));
}

constexpr const char* kLines = "casa\tcasar\tapartamento|hogar\r\n"
                               "casas\tcasa,casar\t\r\n"
                               "ves\tver\r\n"
                               "vez\t\ttiempo|turno|ocasión\r\n"
                               "dijo\tdecir\t\r\n"
                               "sin tabulador\r\n"
                               "\tcasa\tcasa\r\n"
                               "vez\t\trepetida\r\n";

TEST(ExplainWord, EntriesThenSynonymsOwnOrOfTheEntry) {
    const Engine engine = EngineExplaining(kLines);
    EXPECT_EQ(Explain(engine, "vez"), "tiempo, turno, ocasión"); // the first line of vez counts
    EXPECT_EQ(Explain(engine, "casa"), "forma de «casar»: apartamento, hogar");
    EXPECT_EQ(Explain(engine, "casas"), "forma de «casa» o «casar»: apartamento, hogar");
    EXPECT_EQ(Explain(engine, "ves"), "forma de «ver»"); // ver has nothing to add
    EXPECT_EQ(Explain(engine, "CASAS"), Explain(engine, "casas"));
    EXPECT_EQ(Explain(engine, "kasa"), "");
    EXPECT_EQ(Explain(engine, ""), "");
}

TEST(ExplainWord, EnglishConnectingWordsAndNothingWithoutData) {
    Engine engine = EngineExplaining(kLines);
    engine.Options.EnglishMessages = true;
    EXPECT_EQ(Explain(engine, "casas"), "form of «casa» or «casar»: apartamento, hogar");
    EXPECT_EQ(Explain(MakeEngine({"casa"}), "casa"), "");
}

} // namespace
} // namespace vorlen
