#include "support/temp_directory.h"
#include "support/test_vocabulary.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace vorlen {
namespace {

namespace fs = std::filesystem;
using test::W;

std::unique_ptr<VocabularyStore> ParsePairsOf(const std::string& line) {
    auto store = std::make_unique<VocabularyStore>();
    store->PairLine = line;
    ParseReplacementPairs(*store);
    return store;
}

// Complete pairs, lower-cased; a ">" inside the first three characters is no
// separator, so a short key merges with what follows; an incomplete last pair
// is dropped.
TEST(ReplacementPairs, ParsesCompletePairs) {
    struct Case {
        std::string line;
        std::vector<std::string> pairs; // "key -> value"
    };
    for (const Case& c : std::vector<Case>{
             {W("|aB|>|cD|;|ef|>|gh|;"), {"|ab| -> |cd|", "|ef| -> |gh|"}},
             {"ab>cdef>ghij;", {"ab>cdef -> ghij"}},
             {"|ab|>|cd|;|ef|>|gh", {"|ab| -> |cd|"}},
             {"", {}},
             {"|abc|", {}},
         }) {
        const auto store = ParsePairsOf(c.line);
        std::vector<std::string> pairs;
        for (int k = 0; k < store->ReplacementCount; ++k)
            pairs.push_back(store->ReplacementKeys[static_cast<std::size_t>(k)] + " -> " +
                            store->ReplacementValues[static_cast<std::size_t>(k)]);
        EXPECT_EQ(pairs, c.pairs) << c.line;
        EXPECT_EQ(store->ReplacementLast, store->ReplacementCount - 1) << c.line;
    }
}

class VocabularyFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.Paths.DataDirectory = root / "data" / "nested";
        engine.Paths.StartupSource = root / "spanall.txt";
    }
    void WriteSource(const test::TestVocabulary& vocabulary) {
        WriteVocabularyLines(engine.Paths.StartupSource, test::VocabularyFileLines(vocabulary));
    }

    test::TempDirectory root{"vorlen-vocab"};
    Engine engine;
};

TEST_F(VocabularyFiles, StartUpCreatesTheDirectoryCopiesAndReads) {
    WriteSource({{"árbol", "casa", "ñu"}, {"cria"}, "|aaa|>|bbb|;"});
    LoadVocabulary(engine);
    EXPECT_TRUE(fs::exists(engine.Paths.MainFile()));
    EXPECT_FALSE(fs::exists(engine.Paths.PlainFile()));
    EXPECT_EQ(test::ReadBytes(engine.Paths.MainFile()),
              test::ReadBytes(engine.Paths.StartupSource));
    EXPECT_GT(VocabLookup(engine, W("|árbol|")), 0);
    EXPECT_GT(VocabLookup(engine, W("|ñu|")), 0);
    EXPECT_EQ(engine.Vocabulary->ExtraWordLine, "|cria|");
    EXPECT_EQ(engine.Vocabulary->ReplacementLast, 0);
    EXPECT_EQ(engine.Vocabulary->EncliticHostLetters, W("aernoiáéídsz"));
}

TEST_F(VocabularyFiles, EveryStartUpReplacesTheCopy) {
    WriteSource({{"casa"}});
    LoadVocabulary(engine);
    WriteSource({{"perro"}});
    LoadVocabulary(engine);
    EXPECT_EQ(VocabLookup(engine, "|casa|"), 0);
    EXPECT_GT(VocabLookup(engine, "|perro|"), 0);
}

TEST_F(VocabularyFiles, PlainFileIsBuiltOnceAndKeepsPairsAndExtraWords) {
    WriteSource({{"árbol", "ñandú", "pingüino", "Ávila"}, {"cria"}, "|aaa|>|bbb|;"});
    LoadVocabulary(engine);
    ReloadVocabulary(engine, true);
    ASSERT_TRUE(fs::exists(engine.Paths.PlainFile()));
    const std::string plain = test::ReadBytes(engine.Paths.PlainFile());
    EXPECT_NE(plain.find("|arbol|Avila|\r\n"), std::string::npos);
    EXPECT_NE(plain.find("|pinguino|"), std::string::npos);
    EXPECT_NE(plain.find("|nandu|"), std::string::npos)
        << "ñ words stay on line 27, spelled with n";
    EXPECT_GT(VocabLookup(engine, "|arbol|"), 0);
    EXPECT_EQ(VocabLookup(engine, W("|árbol|")), 0);
    EXPECT_EQ(engine.IgnoreDiacritics, 1);
    EXPECT_EQ(engine.Vocabulary->ExtraWordLine, "|cria|");
    EXPECT_EQ(engine.Vocabulary->ReplacementLast, 0);

    // Unticking reads the main file again and leaves the plain one alone.
    const auto stamp = fs::last_write_time(engine.Paths.PlainFile());
    ReloadVocabulary(engine, false);
    EXPECT_GT(VocabLookup(engine, W("|árbol|")), 0);
    EXPECT_EQ(fs::last_write_time(engine.Paths.PlainFile()), stamp);
    ReloadVocabulary(engine, true);
    EXPECT_EQ(fs::last_write_time(engine.Paths.PlainFile()), stamp) << "never rebuilt";
}

TEST_F(VocabularyFiles, MissingOrShortFilesAreReportedAndLeaveTheStoreAlone) {
    try {
        LoadVocabulary(engine);
        FAIL() << "a missing vocabulary must be reported";
    } catch (const VocabularyError& e) {
        EXPECT_EQ(e.Code(), VocabularyErrorCode::MissingFile);
        EXPECT_NE(DescribeVocabularyError(e, true).find("spanall.txt"), std::string::npos);
        EXPECT_NE(DescribeVocabularyError(e, false).find("No existe"), std::string::npos);
    }
    WriteSource({{"casa"}});
    LoadVocabulary(engine);
    WriteVocabularyLines(engine.Paths.StartupSource, {"|perro|", "", ""});
    try {
        LoadVocabulary(engine);
        FAIL() << "a short vocabulary must be reported";
    } catch (const VocabularyError& e) {
        EXPECT_EQ(e.Code(), VocabularyErrorCode::TooFewLines);
        EXPECT_EQ(e.Detail(), 3);
    }
    EXPECT_GT(VocabLookup(engine, "|casa|"), 0) << "the loaded vocabulary stays in use";
}

TEST_F(VocabularyFiles, Utf8FilesAreDecodedAndUnencodableWordsReported) {
    std::ofstream out(engine.Paths.StartupSource, std::ios::binary);
    out << "|árbol|ātomo|\n|\n|canción|\n";
    for (int k = 3; k < 30; ++k)
        out << "\n";
    out.close();
    const auto warnings = LoadVocabulary(engine);
    EXPECT_GT(VocabLookup(engine, W("|árbol|")), 0);
    EXPECT_GT(VocabLookup(engine, W("|canción|")), 0);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("line 1"), std::string::npos);
    EXPECT_NE(warnings[0].find("ātomo"), std::string::npos);
}

} // namespace
} // namespace vorlen
