// Accents restored from context, end to end: the shipped vocabulary and
// context table, running text through ConvertText.
#include "context/context_load.h"
#include "context/context_model.h"
#include "context/context_table.h"
#include "context/missing_accent_message.h"
#include "conversion/parallel_text.h"
#include "conversion/text_driver.h"
#include "support/test_vocabulary.h"
#include "vocabulary/vocabulary_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace vorlen {
namespace {

namespace fs = std::filesystem;

class ContextAccentsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dataDir_ =
            fs::temp_directory_path() / ("vorlen-context-test-" + std::to_string(::getpid()));
        engine_ = std::make_unique<Engine>();
        engine_->Paths.DataDirectory = dataDir_;
        engine_->Paths.StartupSource = VORLEN_SHIPPED_VOCABULARY;
        LoadVocabulary(*engine_);
        const std::vector<std::string> warnings = LoadContextAccents(*engine_);
        loadWarnings_ = warnings.empty() ? "" : warnings.front();
    }
    static void TearDownTestSuite() {
        engine_.reset();
        fs::remove_all(dataDir_);
    }
    void SetUp() override {
        ASSERT_TRUE(engine_->Context)
            << "the shipped context table did not load: " << loadWarnings_;
        engine_->Options = EngineOptions{};
    }

    static std::string Convert(std::string_view text) { return ConvertText(*engine_, text).Text; }

    static inline fs::path dataDir_;
    static inline std::unique_ptr<Engine> engine_;
    static inline std::string loadWarnings_;
};

const char* const kDoneWhen[][2] = {
    {"El numero de la linea esta mal.", "El número de la línea está mal."},
    {"No se donde esta mi libro.", "No sé dónde está mi libro."},
    {"Mi hermano esta en casa.", "Mi hermano está en casa."},
    {"Esta casa es mas grande que la tuya.", "Esta casa es más grande que la tuya."},
    {"Es para ti y para mi.", "Es para ti y para mí."},
    {"¿Que hora es?", "¿Qué hora es?"},
    // The demonstrative before its noun stays; the verb before "en casa" is
    // the subjunctive.
    {"Solo quiero que este libro este en casa.", "Solo quiero que este libro esté en casa."},
};

TEST_F(ContextAccentsTest, SentencesTakeTheAccentsTheirWordsCallForAndClassicModeKeepsThem) {
    for (const auto& [written, expected] : kDoneWhen)
        EXPECT_EQ(Convert(written), expected) << written;
    engine_->Options.Classic = true;
    for (const auto& [written, expected] : kDoneWhen)
        EXPECT_EQ(Convert(written), written) << written;
}

TEST_F(ContextAccentsTest, TheSameWordTakesItsAccentOnlyWhereTheContextCallsForIt) {
    // esta: demonstrative before a noun, verb before a place or state.
    EXPECT_EQ(Convert("Esta casa es bonita."), "Esta casa es bonita.");
    EXPECT_EQ(Convert("La casa esta lejos."), "La casa está lejos.");
    // el: article before a noun, pronoun after a preposition.
    EXPECT_EQ(Convert("El perro es de el."), "El perro es de él.");
    // mi: possessive before a noun, pronoun at the end of a phrase.
    EXPECT_EQ(Convert("Mi casa es para mi."), "Mi casa es para mí.");
    // que: conjunction inside a sentence, question word after ¿.
    EXPECT_EQ(Convert("Dice que viene. ¿Que quieres?"), "Dice que viene. ¿Qué quieres?");
}

TEST_F(ContextAccentsTest, OptionalAndOneLetterAccentsAreNeverAdded) {
    for (const char* text : {"Solo tengo este.", "Esta es la mía.", "Ese libro y aquel cuadro.",
                             "Este es mejor que ese.", "Vino a casa o a la calle.", "Tengo 3 o 4."})
        EXPECT_EQ(Convert(text), text);
    // The table itself never offers them.
    for (const ContextGroup& group : engine_->Context->Groups)
        for (const std::string& member : group.Members)
            for (const char* never : {"ésta", "éste", "ése", "ésa", "aquél", "sólo", "ó", "á"})
                EXPECT_NE(member, test::W(never)) << test::U(group.Members[0]);
}

TEST_F(ContextAccentsTest, WhatTheWriterWroteIsKeptWhereItIsNotAPlainWordFoundAsWritten) {
    // An accent already written is the writer's choice; a capital inside a
    // sentence is a name and stays as written.
    EXPECT_EQ(Convert("Mi hermano está en casa."), "Mi hermano está en casa.");
    EXPECT_EQ(Convert("Vive con Mas en casa."), "Vive con Mas en casa.");
    // Capitals follow the word as written (without the rule that takes a
    // capital inside a sentence for a name).
    engine_->Options.CapsRule = false;
    EXPECT_EQ(Convert("MI HERMANO ESTA EN CASA."), "MI HERMANO ESTÁ EN CASA.");
    EXPECT_EQ(Convert("Mi Hermano Esta En Casa."), "Mi Hermano Está En Casa.");
    engine_->Options.CapsRule = true;
    EXPECT_EQ(Convert("Que dices. ¿Que?"), "Que dices. ¿Qué?");
}

TEST_F(ContextAccentsTest, ClassicModeAndTheOptionOffLeaveTheTextAlone) {
    for (auto off : {+[](EngineOptions& o) { o.Classic = true; },
                     +[](EngineOptions& o) { o.ContextAccents = false; }}) {
        off(engine_->Options);
        for (const auto& [written, expected] : kDoneWhen) {
            const ConversionResult result = ConvertText(*engine_, written);
            EXPECT_EQ(result.Text, written);
            EXPECT_TRUE(result.ContextRestores.empty());
        }
        engine_->Options = EngineOptions{};
    }
}

TEST_F(ContextAccentsTest, RestoresAreListedWhereTheyStandInTheTextAndTheOutput) {
    const std::string text = "¡Hola! Mi hermano esta en casa y el numero es 3.";
    const ConversionResult result = ConvertText(*engine_, text);
    ASSERT_EQ(result.ContextRestores.size(), 2u) << result.Text;
    const ContextRestore& first = result.ContextRestores[0];
    EXPECT_EQ(first.Written, "esta");
    EXPECT_EQ(first.Restored, "está");
    EXPECT_EQ(text.substr(first.InputOffset, first.InputLength), "esta");
    EXPECT_EQ(result.Text.substr(first.OutputOffset, first.Restored.size()), "está");
    const ContextRestore& second = result.ContextRestores[1];
    EXPECT_EQ(second.Restored, "número");
    EXPECT_EQ(result.Text.substr(second.OutputOffset, second.Restored.size()), "número");
    EXPECT_EQ(text.substr(second.InputOffset, second.InputLength), "numero");
}

TEST_F(ContextAccentsTest, ALongTextOnSeveralCoresRestoresWhatOneCoreRestores) {
    std::string text;
    while (text.size() < 3 * kParallelTextBytes)
        text += "Mi hermano esta en casa. No se donde esta mi libro. Esta casa es mas grande.\n";
    const ConversionResult one = ConvertText(*engine_, text);
    const ConversionResult many = ConvertTextInParallel(*engine_, text, 3);
    EXPECT_EQ(many.Text, one.Text);
    ASSERT_EQ(many.ContextRestores.size(), one.ContextRestores.size());
    for (std::size_t i = 0; i < one.ContextRestores.size(); ++i) {
        EXPECT_EQ(many.ContextRestores[i].InputOffset, one.ContextRestores[i].InputOffset);
        EXPECT_EQ(many.ContextRestores[i].OutputOffset, one.ContextRestores[i].OutputOffset);
    }
}

TEST(MissingAccentMessage, NamesTheWordAndWhatItIsWhereTheAccentTellsIt) {
    EXPECT_EQ(MissingAccentMessage("está"), "Probablemente falta la tilde: «está» (verbo)");
    EXPECT_EQ(MissingAccentMessage("habló"), "Probablemente falta la tilde: «habló» (verbo)");
    EXPECT_EQ(MissingAccentMessage("Qué"),
              "Probablemente falta la tilde: «Qué» (interrogativo o exclamativo)");
    EXPECT_EQ(MissingAccentMessage("él"), "Probablemente falta la tilde: «él» (pronombre)");
    EXPECT_EQ(MissingAccentMessage("línea"), "Probablemente falta la tilde: «línea»");
}

} // namespace
} // namespace vorlen
