// Vocabulary files at the edges of what a hand or a script may leave: 30
// empty lines, a line of 5 MB, 5,000 replacement pairs; and a data directory
// that cannot be made or written, which is reported and loses nothing.
#include "conversion/text_driver.h"
#include "support/temp_directory.h"
#include "support/test_vocabulary.h"
#include "variants/similar_words.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_file.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace vorlen {
namespace {

namespace fs = std::filesystem;

class VocabularyLimits : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.Paths.DataDirectory = root / "data";
        engine.Paths.StartupSource = root / "spanall.txt";
    }
    void WriteSource(const std::vector<std::string>& lines) {
        WriteVocabularyLines(engine.Paths.StartupSource, lines);
    }
    std::string Similar(std::string_view word) {
        engine.SourceWord = std::string(word);
        engine.WordResult = "<none>";
        FindSimilarWords(engine);
        return engine.SimilarWords;
    }

    test::TempDirectory root{"vorlen-limits"};
    Engine engine;
};

TEST_F(VocabularyLimits, ThirtyEmptyLines) {
    WriteSource(std::vector<std::string>(30));
    EXPECT_TRUE(LoadVocabulary(engine).empty());
    EXPECT_EQ(engine.Vocabulary->ReplacementLast, -1);
    EXPECT_EQ(VocabLookup(engine, "|a|"), 0);
    EXPECT_EQ(Similar("casa"), "");
    EXPECT_EQ(ConvertText(engine, "aber si kasa.").Text, "|aber |si |kasa.");
    ReloadVocabulary(engine, true);
    std::string thirtyLineEnds;
    for (int k = 0; k < 30; ++k)
        thirtyLineEnds += "\r\n";
    EXPECT_EQ(test::ReadBytes(engine.Paths.PlainFile()), thirtyLineEnds);
    EXPECT_EQ(ConvertText(engine, "aber").Text, "|aber");
}

TEST_F(VocabularyLimits, LinesOfFiveMegabytes) {
    // Line a: 5 MB of entries; line b: one entry of 5 MB; line c: 5 MB
    // after one bar, never closed; line d: a million bars.
    std::mt19937 random(8);
    std::string a = "|";
    std::vector<std::string> entries;
    while (a.size() < 5'000'000) {
        std::string entry = "a";
        for (std::size_t n = 1 + random() % 12; n > 0; --n)
            entry.push_back("aeiosnrtlc"[random() % 10]);
        entries.push_back(entry);
        a += entry + "|";
    }
    std::vector<std::string> lines(30);
    lines[0] = a;
    lines[1] = "|b" + std::string(5'000'000, 'e') + "|";
    lines[2] = "|" + std::string(5'000'000, 'c');
    lines[3] = std::string(1'000'000, '|');
    WriteSource(lines);
    LoadVocabulary(engine);
    for (std::size_t k = 0; k < entries.size(); k += 997) {
        const std::string key = "|" + entries[k] + "|";
        EXPECT_EQ(VocabLookup(engine, key), static_cast<std::int32_t>(a.find(key) + 1));
    }
    EXPECT_EQ(VocabLookup(engine, "|" + entries.back() + "|"),
              static_cast<std::int32_t>(a.find("|" + entries.back() + "|") + 1));
    EXPECT_EQ(VocabLookup(engine, lines[1]), 1);
    EXPECT_EQ(VocabLookup(engine, "|c|"), 0);
    EXPECT_EQ(VocabLookup(engine, "|d|"), 0);

    // The similar-word search reads the long entries through to where the
    // word and the entry part, whatever their lengths.
    const std::string longB = "b" + std::string(9999, 'e');
    EXPECT_EQ(Similar(longB), "");
    EXPECT_EQ(Similar(std::string(10000, 'c')), "");
    EXPECT_EQ(Similar(std::string(10000, 'd')), "");
    EXPECT_EQ(Similar(entries[7] + "s"), "|" + entries[7]);
    const std::string text = entries[5] + " " + longB + " cc dd";
    const std::string out = ConvertText(engine, text).Text;
    EXPECT_TRUE(out.starts_with(entries[5])) << "an entry is found";
    EXPECT_NE(out.find(longB), std::string::npos);
}

TEST_F(VocabularyLimits, FiveThousandReplacementPairs) {
    test::TestVocabulary vocabulary;
    vocabulary.words = {"ves", "vez"};
    std::string pairs;
    for (int k = 0; k < 5000; ++k)
        pairs += "|k" + std::to_string(k) + "|>|v" + std::to_string(k) + "|;";
    vocabulary.pairLine = "|vez|ves|>|vez|;" + pairs;
    WriteSource(test::VocabularyFileLines(vocabulary));
    LoadVocabulary(engine);
    const VocabularyStore& store = *engine.Vocabulary;
    EXPECT_EQ(store.ReplacementCount, 1001);
    EXPECT_EQ(store.ReplacementKeys.front(), "|vez|ves|");
    EXPECT_EQ(store.ReplacementKeys.back(), "|k999|");
    engine.Options.ChangeFoundWords = true;
    EXPECT_EQ(ConvertText(engine, "bez").Text, "vez");
}

TEST_F(VocabularyLimits, DataDirectoryThatCannotBeMadeIsReported) {
    WriteSource(test::VocabularyFileLines({{"casa"}}));
    const std::string source = test::ReadBytes(engine.Paths.StartupSource);
    test::WriteBytes(root / "file", "x");
    // Below a file, and below /proc, where no one may make a directory.
    for (const fs::path& directory : {root / "file" / "data", fs::path("/proc/vorlen-test/data")}) {
        engine.Paths.DataDirectory = directory;
        try {
            LoadVocabulary(engine);
            FAIL() << directory;
        } catch (const VocabularyError& e) {
            EXPECT_EQ(e.Code(), VocabularyErrorCode::CannotCreateDirectory);
            const std::string message = DescribeVocabularyError(e, true);
            EXPECT_NE(message.find(directory.string()), std::string::npos) << message;
            EXPECT_NE(DescribeVocabularyError(e, false).find("No se puede crear"),
                      std::string::npos);
        }
    }
    EXPECT_EQ(test::ReadBytes(engine.Paths.StartupSource), source) << "the source is untouched";
}

TEST_F(VocabularyLimits, DataDirectoryThatCannotBeWrittenLosesNothing) {
    WriteSource(test::VocabularyFileLines({{"casa"}}));
    LoadVocabulary(engine);
    const auto loaded = engine.Vocabulary;
    const std::string source = test::ReadBytes(engine.Paths.StartupSource);

    // A directory that exists but takes no files, even from root.
    engine.Paths.DataDirectory = "/proc/self";
    try {
        LoadVocabulary(engine);
        FAIL() << "an unwritable data directory must be reported";
    } catch (const VocabularyError& e) {
        EXPECT_EQ(e.Code(), VocabularyErrorCode::CannotWrite);
        EXPECT_NE(DescribeVocabularyError(e, true).find("/proc/self/spanall.txt"),
                  std::string::npos);
    }
    EXPECT_EQ(engine.Vocabulary, loaded) << "the vocabulary in use stays";
    EXPECT_GT(VocabLookup(engine, "|casa|"), 0);
    EXPECT_EQ(test::ReadBytes(engine.Paths.StartupSource), source);

    // The plain vocabulary cannot be built there either: the setting stays.
    EXPECT_THROW(ReloadVocabulary(engine, true), VocabularyError);
    EXPECT_EQ(engine.IgnoreDiacritics, 0);
    EXPECT_EQ(engine.Vocabulary, loaded);

    // A failed copy leaves the copy of the last start-up whole, and no
    // temporary file behind.
    engine.Paths.DataDirectory = root / "data";
    const std::string copy = test::ReadBytes(engine.Paths.MainFile());
    engine.Paths.StartupSource = root / "missing.txt";
    EXPECT_THROW(LoadVocabulary(engine), VocabularyError);
    EXPECT_EQ(test::ReadBytes(engine.Paths.MainFile()), copy);
    for (const auto& entry : fs::directory_iterator(root / "data"))
        EXPECT_EQ(entry.path().filename(), "spanall.txt");
}

} // namespace
} // namespace vorlen
