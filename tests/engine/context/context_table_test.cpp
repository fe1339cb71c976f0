// The context table as a file: what a damaged one does, and the model's
// choices on a table small enough to read.
#include "context/context_load.h"
#include "context/context_model.h"
#include "context/context_table.h"
#include "conversion/text_driver.h"
#include "support/test_vocabulary.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vorlen {
namespace {

namespace fs = std::filesystem;

// esta/está seen 10 + 30 times; "la" before speaks for esta, "en" after for
// está, and "en casa" after for it more than "en" alone.
constexpr std::string_view kSmallTable = "vorlen-context 1\n"
                                         "margin 1\n"
                                         "@esta está 1 10 30\n"
                                         "L1 la 8 0\n"
                                         "R1 en 0 20\n"
                                         "R1 casa 9 0\n"
                                         "R2 en_casa 0 15\n";

TEST(ContextTable, ADamagedTableIsRefusedWithTheLineAndNeverHalfRead) {
    const std::string cases[] = {
        "",                                                             // empty
        "a table of something else\n",                                  // no header
        "vorlen-context 1\n@esta está 1 10\n",                          // a total missing
        "vorlen-context 1\n@esta está 1 10 30\nL1 la 8\n",              // a count missing
        "vorlen-context 1\nL1 la 8 0\n",                                // a row before any group
        "vorlen-context 1\n@esta está 1 10 30\nXX la 8 0\n",            // unknown feature
        "vorlen-context 1\n@esta está 1 10 x\n",                        // not a number
        "vorlen-context 1\n@esta está 1 10 99999999999\n",              // out of range
        "vorlen-context 1\n@esta está 1 1 1\n@esta está 1 1 1\n",       // a group twice
        "vorlen-context 1\n@esta está 1 10 30\nL1 la 8 0\nL1 la 1 1\n", // a row twice
        "vorlen-context 1\nmargin -3\n",                                // a negative margin
        "vorlen-context 1\n@*ó habló 1 10 30\n",        // a pooled ending with a member
        std::string(kSmallTable) + "L1 \xff\xfe 1 1\n", // not UTF-8
    };
    for (const std::string& text : cases) {
        const ContextTableLoad load = ParseContextTable(text, "t.txt");
        EXPECT_FALSE(load.Table) << text;
        EXPECT_TRUE(load.Error.starts_with("t.txt")) << load.Error;
    }
    EXPECT_TRUE(ParseContextTable(kSmallTable, "t.txt").Table);
    // The error of a group listed twice names the second one's line.
    EXPECT_EQ(ParseContextTable(
                  "vorlen-context 1\n@esta está 1 1 1\n@esta está 1 1 1\n@mas más 1 1 1\n", "t.txt")
                  .Error,
              "t.txt, line 3: a group listed twice");
}

TEST(ContextTable, EveryRowFindsASlotHoweverShortItsLine) {
    // Rows as short as a table allows ("L1 a 0" under a group of one
    // member), many of them, among blank lines: each is read and found.
    std::string text = "vorlen-context 1\n\n\n@mi 1 40\n";
    for (char c = 'a'; c <= 'z'; ++c)
        text += std::string("L1 ") + c + " 1\n\n";
    const ContextTableLoad load = ParseContextTable(text, "t.txt");
    ASSERT_TRUE(load.Table) << load.Error;
    for (const std::string_view neighbour : {"a", "m", "z"}) {
        const std::uint32_t* row = load.Table->Row(0, ContextFeature::PreviousWord, neighbour);
        ASSERT_NE(row, nullptr) << neighbour;
        EXPECT_EQ(row[0], 1u);
    }
    EXPECT_EQ(load.Table->Row(0, ContextFeature::PreviousWord, "n~"), nullptr);
}

TEST(ContextTable, ARowIsFoundByTheWordsItNamesAndByNoOthers) {
    // Words of every length the hash reads differently (up to three bytes,
    // up to seven, eight, beyond), each a previous word and, before "casa",
    // the first of two previous words. A word differing from one of them in
    // any single byte, the same words split elsewhere or in the other order,
    // another feature or another group find nothing.
    const std::vector<std::string> words = {"a",        "de",           "las",
                                            "casa",     "libros",       "cantaba",
                                            "frontera", "enfermedades", "electroencefalografista"};
    std::string text = "vorlen-context 1\n@mi 1 40\n";
    for (const std::string& word : words)
        text += "L1 " + word + " 1\nL2 " + word + "_casa 2\n";
    text += "@tu 1 40\n";
    const ContextTableLoad load = ParseContextTable(text, "t.txt");
    ASSERT_TRUE(load.Table) << load.Error;
    const ContextTable& table = *load.Table;
    for (const std::string& word : words) {
        const std::uint32_t* row = table.Row(0, ContextFeature::PreviousWord, word);
        ASSERT_NE(row, nullptr) << word;
        EXPECT_EQ(row[0], 1u);
        row = table.Row(0, ContextFeature::PreviousTwoWords, word, "casa");
        ASSERT_NE(row, nullptr) << word;
        EXPECT_EQ(row[0], 2u);
        for (std::size_t i = 0; i < word.size(); ++i) {
            std::string other = word;
            other[i] = other[i] == 'q' ? 'x' : 'q';
            EXPECT_EQ(table.Row(0, ContextFeature::PreviousWord, other), nullptr) << other;
        }
        EXPECT_EQ(table.Row(0, ContextFeature::PreviousTwoWords, word + "c", "asa"), nullptr);
        EXPECT_EQ(table.Row(0, ContextFeature::PreviousTwoWords, word + " casa"), nullptr);
        if (word != "casa") {
            EXPECT_EQ(table.Row(0, ContextFeature::PreviousTwoWords, "casa", word), nullptr);
        }
        EXPECT_EQ(table.Row(0, ContextFeature::NextWord, word), nullptr);
        EXPECT_EQ(table.Row(1, ContextFeature::PreviousWord, word), nullptr);
    }
}

TEST(ContextTable, AMissingOrDamagedTableLeavesPlainConversionAndAWarning) {
    const fs::path dir = fs::temp_directory_path() / ("vorlen-ctx-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const ContextTableLoad missing = LoadContextTable(dir / "none.txt");
    EXPECT_FALSE(missing.Table);
    EXPECT_NE(missing.Error.find("none.txt"), std::string::npos) << missing.Error;

    // A damaged table beside the vocabulary is the one found, and refused.
    Engine engine = test::MakeEngine({"mi", "hermano", "esta", "está", "en", "casa"});
    engine.Options = EngineOptions{};
    engine.Paths.StartupSource = dir / "spanall.txt";
    std::ofstream(dir / kContextTableFile) << "vorlen-context 1\n@esta\n";
    const std::vector<std::string> warnings = LoadContextAccents(engine);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("not restored"), std::string::npos) << warnings[0];
    EXPECT_FALSE(engine.Context);
    EXPECT_EQ(ConvertText(engine, "Mi hermano esta en casa.").Text, "Mi hermano esta en casa.");
    fs::remove_all(dir);
}

TEST(ContextTable, AnUnseenNeighbourFallsBackToTheNeighboursWithoutRows) {
    Engine engine = test::MakeEngine({"esta", "está"});
    // Without rows the totals alone decide (the neighbours without rows are
    // all of them, smoothed a little differently from the totals).
    const ContextTableLoad bare = ParseContextTable("vorlen-context 1\n@esta está 1 10 30\n", "t");
    ASSERT_TRUE(bare.Table);
    const GroupScores totals =
        ContextAccents(*bare.Table, engine).Score({".", "zzz", "esta", "yyy", "."});
    EXPECT_NEAR(totals.Scores.at(1) - totals.Scores.at(0), std::log(30.5 / 10.5), 0.1);

    const ContextTableLoad load = ParseContextTable(kSmallTable, "t.txt");
    ASSERT_TRUE(load.Table);
    const ContextAccents model(*load.Table, engine);
    const auto scores = [&](const char* l1, const char* r1) {
        const GroupScores s = model.Score({".", l1, "esta", r1, "."});
        return s.Scores.at(1) - s.Scores.at(0);
    };
    // Of the 40, "la" stood before 8 esta: the other previous words were
    // before 2 esta and 30 está, so an unseen one speaks for está more than
    // the totals do.
    const double unseen = scores("zzz", "yyy");
    EXPECT_GT(unseen, std::log(30.5 / 10.5));
    EXPECT_GT(scores("zzz", "en"), unseen); // "en" after speaks for está
    const GroupScores enCasa = model.Score({".", "zzz", "esta", "en", "casa"});
    EXPECT_GT(enCasa.Scores.at(1) - enCasa.Scores.at(0), scores("zzz", "en"));
    EXPECT_LT(scores("la", "yyy"), unseen); // "la" before for esta
    EXPECT_LT(scores("la", "casa"), 0);
    EXPECT_TRUE(model.Score({".", ".", "casa", ".", "."}).Members.empty());
    // An unseen previous word ending in -ro takes the counts of its ending
    // (9 esta, 1 está), one in -dro those of its longer ending first (0 esta,
    // 6 está); one with an ending never counted, the rest; the next word
    // alike.
    const ContextTableLoad endings = ParseContextTable(
        "vorlen-context 1\n@esta está 1 10 30\nL1S ro 9 1\nL1S3 dro 0 6\nR1S3 ndo 0 12\n", "t");
    ASSERT_TRUE(endings.Table) << endings.Error;
    const ContextAccents byEnding(*endings.Table, engine);
    const auto lead = [&](const char* l1, const char* r1) {
        const GroupScores s = byEnding.Score({".", l1, "esta", r1, "."});
        return s.Scores.at(1) - s.Scores.at(0);
    };
    EXPECT_LT(lead("libro", "yyy"), 0);
    EXPECT_GT(lead("cuadro", "yyy"), 0);
    EXPECT_GT(lead("casa", "yyy"), std::log(30.5 / 10.5));
    EXPECT_GT(lead("casa", "cantando"), lead("casa", "yyy"));
    // Rows that count more than the totals are no table: a word's and its
    // endings' rows together.
    for (const char* rows :
         {"L1 la 11 0\n", "L1S ro 9 1\nL1S3 dro 2 0\n", "R1S3 ndo 6 0\nR1 a 5 0\n"})
        EXPECT_FALSE(
            ParseContextTable(std::string("vorlen-context 1\n@esta está 1 10 30\n") + rows, "t")
                .Table)
            << rows;
}

} // namespace
} // namespace vorlen
