// vorlen-cli end to end: the binary runs on a small vocabulary file written to
// a temporary directory, with its data directory there too.
#include "support/temp_directory.h"
#include "support/test_vocabulary.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_file.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vorlen::test {
namespace {

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteVocabularyLines(dir_ / "spanall.txt",
                             VocabularyFileLines({{"haber", "si", "llano", "hay", "ves", "vez",
                                                   "casa", "caza", "hola", "árbol", "dijo"}}));
    }

    // vorlen-cli in classic mode on the small vocabulary, `input` on standard input.
    CliRun Cli(const std::string& args, std::string_view input = {}) {
        return RunCli(dir_,
                      "--vocabulary '" + (dir_ / "spanall.txt").string() + "' --data-dir '" +
                          (dir_ / "data").string() + "' --classic " + args,
                      input);
    }

    TempDirectory dir_{"vorlen-cli-test"};
};

// The bytes that are neither letters of a word nor bars: what the conversion
// must leave exactly as it was, in order.
std::string OutsideWords(std::string_view bytes, bool cp1252) {
    std::string kept;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const char c = bytes[k];
        if (c == '|') continue;
        if (cp1252 && IsLetter(c)) continue;
        if (!cp1252 && (c & 0x80) == 0 && IsLetter(c)) continue;
        // UTF-8: the two-byte letters á..ü and their capitals.
        if (!cp1252 && k + 1 < bytes.size() && static_cast<unsigned char>(c) == 0xC3) {
            const char letter = static_cast<char>(0xC0 | (bytes[k + 1] & 0x3F));
            if (IsLetter(letter)) {
                ++k;
                continue;
            }
        }
        kept.push_back(c);
    }
    return kept;
}

TEST_F(CliTest, ConvertsStandardInput) {
    const CliRun run = Cli("--no-similar", "aber si yano ay ves\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "haber si yano|llano hay ves\n");
}

TEST_F(CliTest, WordCommandPrintsOneLinePerWord) {
    const CliRun run = Cli("--no-similar word kasa Kasa xqw ves");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "casa|caza\nCasa|Caza\n|xqw\nves\n");
}

TEST_F(CliTest, UnreadableFileIsAnError) {
    const CliRun run = Cli("'" + (dir_ / "missing.txt").string() + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("missing.txt"), std::string::npos);
    EXPECT_EQ(Cli("'" + dir_.path().string() + "'").status, 2);
}

TEST_F(CliTest, DataDirectoryThatCannotBeUsedIsAnError) {
    WriteBytes(dir_ / "file", "x");
    const std::string source = ReadBytes(dir_ / "spanall.txt");
    // The later --data-dir wins over the one Cli() gives.
    const CliRun uncreatable =
        Cli("--data-dir '" + (dir_ / "file" / "data").string() + "'", "aber\n");
    EXPECT_EQ(uncreatable.status, 2);
    EXPECT_EQ(uncreatable.out, "");
    EXPECT_NE(uncreatable.err.find("data directory " + (dir_ / "file" / "data").string() +
                                   " cannot be created"),
              std::string::npos)
        << uncreatable.err;
    const CliRun unwritable = Cli("--data-dir /proc/self", "aber\n");
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_EQ(unwritable.out, "");
    EXPECT_NE(unwritable.err.find("/proc/self/spanall.txt cannot be written"), std::string::npos)
        << unwritable.err;
    EXPECT_EQ(ReadBytes(dir_ / "spanall.txt"), source);
}

TEST_F(CliTest, WindowsTextComesBackInWindows1252) {
    const CliRun run = Cli("", "kasa \xe1rbol caza\r\n\x93hola\x94\r\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "casa|caza \xe1rbol caza\r\n\x93hola\x94\r\n");
}

TEST_F(CliTest, BinaryBytesOutsideWordsSurvive) {
    std::mt19937 random(12345);
    std::string bytes(300'000, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    WriteBytes(dir_ / "blob.bin", bytes);
    const CliRun run = Cli("'" + (dir_ / "blob.bin").string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(OutsideWords(run.out, true), OutsideWords(bytes, true));
}

TEST_F(CliTest, LargeUnicodeTextSurvives) {
    // About 10 MB: words, names, other scripts, emoji, controls, both line ends.
    const std::string paragraph = "«Aber si yano ay ves», dijo Hola. ¿Kasa? 漢字 😀 — "
                                  "l'agua bien-estar 1000\t\x01\r\nKASA kaza xqw.\n";
    std::string text;
    while (text.size() < 10'000'000)
        text += paragraph;
    const CliRun run = Cli("", text);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(OutsideWords(run.out, false), OutsideWords(text, false));
    EXPECT_EQ(run.out.substr(0, 46), "«Haber si yano|llano hay ves», dijo Hola. ¿");
}

} // namespace
} // namespace vorlen::test
