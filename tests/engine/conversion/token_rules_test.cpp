// Outside classic mode the text driver leaves correct text alone: tokens that
// are not words (addresses, mentions, tags, paths, letters with digits) pass
// through untouched, known names and names of several words stay as written
// at the start of a sentence, loanwords are accepted, and a list of
// alternatives never names a spelling twice. Classic mode converts as before.
#include "conversion/result_text.h"
#include "conversion/text_driver.h"
#include "conversion/token_rules.h"
#include "support/test_vocabulary.h"

#include <gtest/gtest.h>
#include <string>

namespace vorlen {
namespace {

using test::MakeEngine;

Engine DefaultModeEngine() {
    Engine engine =
        MakeEngine({"casa", "haber", "hola", "visita", "escribe", "mira", "la", "página", "árbol",
                    "y", "o", "a", "en", "el", "de", "dijo", "iglesias"});
    engine.Options.Classic = false;
    engine.Options.SimilarOnMiss = false;
    return engine;
}

std::string Convert(Engine& engine, std::string_view text) {
    return ConvertText(engine, text).Text;
}

TEST(NonWordTokens, PassThroughMixedTextExactly) {
    Engine engine = DefaultModeEngine();
    // Each line keeps its token; the words around it are still converted.
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Visita www.ejemplo.com o escribe a ana@correo.es, kasa.",
         "Visita www.ejemplo.com o escribe a ana@correo.es, casa."},
        // A web address with a path, a query and Spanish letters, in a
        // sentence with accents; the closing mark stays out of it.
        {"mira la página (https://es.ejemplo.org/árbol?kasa=1&b=2) kasa",
         "mira la página (https://es.ejemplo.org/árbol?kasa=1&b=2) casa"},
        {"¿Mira Www.Kasa.com? kasa ejemplo.es/kasa", "¿Mira Www.Kasa.com? casa ejemplo.es/kasa"},
        // An address at the end of a line, before the next one.
        {"escribe a kasa.kaza@kasa.es\nkasa", "escribe a kasa.kaza@kasa.es\ncasa"},
        {"hola @kasa_kaza y #kasaKaza kasa", "hola @kasa_kaza y #kasaKaza casa"},
        // Paths, with Spanish letters, rooted or not.
        {"en /home/ana/Música/kasa.mp3 o ~/kasa o C:\\Kasa\\árbol o kasa/kaza/el",
         "en /home/ana/Música/kasa.mp3 o ~/kasa o C:\\Kasa\\árbol o kasa/kaza/el"},
        // Letters with digits, alone or joined by a hyphen or an underscore.
        {"kasa3 h2o COVID19 COVID-19 x86_64 3D 10:30h (mp3/mp4) kasa",
         "kasa3 h2o COVID19 COVID-19 x86_64 3D 10:30h (mp3/mp4) casa"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Convert(engine, text), expected) << text;
}

TEST(NonWordTokens, OnlyWhatHasTheirShape) {
    Engine engine = DefaultModeEngine();
    // One slash joins two words; a full stop without a space ends a sentence
    // unless a known domain follows; a bare sign is punctuation.
    EXPECT_EQ(Convert(engine, "kasa/kaza kasa.kaza @ # kasa@ @kasa."),
              "casa/casa casa.casa @ # casa@ @kasa.");
    // After a token that ends a sentence, the next capital starts one.
    EXPECT_EQ(Convert(engine, "Visita www.kasa.com. Kasa"), "Visita www.kasa.com. Casa");
    // Inside a sentence, a token counts as a word: the capital after it is kept.
    EXPECT_EQ(Convert(engine, "hola kasa3 Kasa"), "hola kasa3 Kasa");
}

TEST(NonWordTokens, LengthAndKind) {
    const LetterTable letters(kLetterSet);
    const auto at = [&](std::string_view text, std::size_t pos = 0) {
        return NonWordTokenAt(text, pos, letters);
    };
    EXPECT_EQ(at("https://a.es/b.").Kind, TokenKind::WebAddress);
    EXPECT_EQ(at("https://a.es/b.").Length, 14u);
    EXPECT_EQ(at("mailto:ana@b.es").Kind, TokenKind::WebAddress);
    EXPECT_EQ(at("ana@b.es:").Kind, TokenKind::EmailAddress);
    EXPECT_EQ(at("ana@b.es:").Length, 8u);
    EXPECT_EQ(at("@ana?").Kind, TokenKind::Mention);
    EXPECT_EQ(at("#ñandú").Kind, TokenKind::Hashtag);
    EXPECT_EQ(at("../configurar").Kind, TokenKind::FilePath);
    EXPECT_EQ(at("año2000").Kind, TokenKind::LettersWithDigits);
    // Not at the start of a run, and not of these shapes.
    EXPECT_EQ(at("xwww.a.es", 1).Length, 0u);
    EXPECT_EQ(at("ab3", 1).Length, 0u);
    EXPECT_EQ(at("fin.Luego").Length, 0u);
    EXPECT_EQ(at("ana@b").Length, 0u);
    EXPECT_EQ(at("y/o").Length, 0u);
    EXPECT_EQ(at("2024").Length, 0u);
    EXPECT_EQ(at("/").Length, 0u);
}

TEST(KeptWords, NamesAtTheStartOfASentence) {
    Engine engine = DefaultModeEngine();
    // A listed name, and the first of several capitalised words, stay as
    // written where a sentence starts; a misspelling that is no name is still
    // corrected, capitalised or not.
    EXPECT_EQ(Convert(engine, "Paul dijo. Friedrich Nietzsche dijo. Aber. Kasa. Thomas"),
              "Paul dijo. Friedrich Nietzsche dijo. Haber. Casa. Thomas");
    // A name is listed without accents and matches only so (Iglesías is a
    // misspelling, not Iglesias); a word in capitals opens no name.
    EXPECT_EQ(Convert(engine, "Iglesías. KASA Juan"), "Iglesias. CASA Juan");
    // A capitalised word that nothing explains is taken for a name, as inside
    // a sentence; in small letters it is still marked.
    EXPECT_EQ(Convert(engine, "Voltaire. voltaire"), "Voltaire. |voltaire");
    // Without the capitals rule capitalised words are converted like any other.
    engine.Options.CapsRule = false;
    EXPECT_EQ(Convert(engine, "Kasa Juan. Voltaire"), "Casa |Juan. |Voltaire");
}

TEST(KeptWords, LoanwordsInAnyCaseAndPlace) {
    Engine engine = DefaultModeEngine();
    EXPECT_EQ(Convert(engine, "el email, el EMAIL. Online y proxy"),
              "el email, el EMAIL. Online y proxy");
    engine.Options.CapsRule = false;
    EXPECT_EQ(Convert(engine, "Email kasa"), "Email casa");
    EXPECT_EQ(ClassifyWord("proxy", {}), KeptWord::Loanword);
    EXPECT_EQ(ClassifyWord("Ramon", {}), KeptWord::KnownName);
    EXPECT_EQ(ClassifyWord("Kasa", {.CapsRule = true, .NextWordCapitalised = true}),
              KeptWord::NameOfSeveralWords);
    EXPECT_EQ(ClassifyWord("ramon", {}), KeptWord::No);
}

TEST(KeptWords, NextWordCapitalisedOnTheSameLineOnly) {
    const LetterTable letters(kLetterSet);
    const auto next = [&](std::string_view text) {
        return NextWordIsCapitalised(text, 4, letters);
    };
    EXPECT_TRUE(next("Lao  Tse"));
    EXPECT_TRUE(next("Kasa Ángel"));
    EXPECT_FALSE(next("Kasa\nTse"));
    EXPECT_FALSE(next("Kasa, Tse"));
    EXPECT_FALSE(next("Kasa TSE"));
    EXPECT_FALSE(next("Kasa T"));
    EXPECT_FALSE(next("Kasa"));
}

TEST(ClassicMode, ConvertsTokensNamesAndLoanwordsAsBefore) {
    Engine engine = DefaultModeEngine();
    engine.Options.Classic = true;
    EXPECT_EQ(Convert(engine, "kasa3 www.kasa.es. Paul dijo. Voltaire. email"),
              "casa3 |www.casa.|es. |Paul dijo. |Voltaire. |email");
}

TEST(RepeatedAlternatives, TheFirstOccurrenceStays) {
    std::string list = "|éxito|esito|hesito|esito|hesitó|éxito|";
    DropRepeatedAlternatives(list);
    EXPECT_EQ(list, "|éxito|esito|hesito|hesitó|");
    // Case and accents make different spellings; text without bars is left.
    for (std::string same : {"|Como|como|cómo|", "<none>", "casa", "|casa|"}) {
        const std::string before = same;
        DropRepeatedAlternatives(same);
        EXPECT_EQ(same, before);
    }
}

} // namespace
} // namespace vorlen
