// The word ranks and explanations that start-up reads beside the vocabulary.
#include "support/temp_directory.h"
#include "support/test_vocabulary.h"
#include "vocabulary/explanations.h"
#include "vocabulary/vocabulary_file.h"
#include "vocabulary/word_ranks.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace vorlen {
namespace {

namespace fs = std::filesystem;
using test::W;

class WordDataFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(root / "source");
        engine.Paths.DataDirectory = root / "data";
        engine.Paths.StartupSource = root / "source" / "spanall.txt";
        WriteVocabularyLines(engine.Paths.StartupSource,
                             test::VocabularyFileLines({{"vez", "ves", "árbol"}}));
    }
    void WriteBeside(std::string_view name, const std::string& bytes) {
        test::WriteBytes(root / "source" / name, bytes);
    }

    test::TempDirectory root{"vorlen-word-data"};
    Engine engine;
};

TEST_F(WordDataFiles, ReadBesideTheStartUpSourceAndKeptByAReload) {
    WriteBeside(kWordRanksFileName, W("vez\r\nárbol\r\n"));
    WriteBeside(kExplanationsFileName, W("ves\tver\t\r\n"));
    LoadVocabulary(engine);
    ASSERT_NE(engine.Vocabulary->Ranks, nullptr);
    ASSERT_NE(engine.Vocabulary->Explanations, nullptr);
    EXPECT_EQ(RankOf(*engine.Vocabulary->Ranks, W("árbol"), false), 2);
    EXPECT_EQ(engine.Vocabulary->Explanations->ByWord.at("ves").Entries, "ver");

    // Ignoring diacritics reloads the letter lines from the plain copy.
    const auto ranks = engine.Vocabulary->Ranks;
    ReloadVocabulary(engine, true);
    EXPECT_EQ(engine.Vocabulary->Ranks, ranks);
    EXPECT_NE(engine.Vocabulary->Explanations, nullptr);
    EXPECT_EQ(RankOf(*engine.Vocabulary->Ranks, "arbol", true), 2);
}

TEST_F(WordDataFiles, AbsentFilesLeaveTheSearchOrderAndNoExplanations) {
    LoadVocabulary(engine);
    EXPECT_EQ(engine.Vocabulary->Ranks, nullptr);
    EXPECT_EQ(engine.Vocabulary->Explanations, nullptr);
}

TEST_F(WordDataFiles, UnreadableFileIsReportedAndLeavesTheStoreAlone) {
    LoadVocabulary(engine);
    const auto before = engine.Vocabulary;
    fs::create_directories(root / "source" / kWordRanksFileName); // not a file
    EXPECT_THROW(LoadVocabulary(engine), VocabularyError);
    EXPECT_EQ(engine.Vocabulary, before);
}

} // namespace
} // namespace vorlen
