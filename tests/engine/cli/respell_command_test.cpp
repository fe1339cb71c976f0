// vorlen-cli respell and candidates, run as a program on a small vocabulary.
#include "support/temp_directory.h"
#include "support/test_vocabulary.h"
#include "vocabulary/vocabulary_file.h"

#include <gtest/gtest.h>
#include <string>

namespace vorlen::test {
namespace {

class RespellCommand : public testing::Test {
  protected:
    void SetUp() override {
        WriteVocabularyLines(dir_ / "spanall.txt",
                             VocabularyFileLines({.words = {"vaca", "baca", "haber", "perro",
                                                            "pero", "está", "esta"}}));
    }

    // Standard output of vorlen-cli with these arguments.
    std::string Run(const std::string& arguments) {
        const CliRun run =
            RunCli(dir_, "--vocabulary '" + (dir_ / "spanall.txt").string() + "' --data-dir '" +
                             (dir_ / "data").string() + "' --classic " + arguments);
        status_ = run.status;
        return run.out;
    }

    TempDirectory dir_{"vorlen-respell-cli"};
    int status_ = -1;
};

TEST_F(RespellCommand, PrintsTheSpellingsFoundOneLinePerWord) {
    EXPECT_EQ(Run("respell aber vaca zzz"), "haber\nvaca\n\n");
    EXPECT_EQ(status_, 0);
    EXPECT_EQ(Run("--change respell vaca esta"), "vaca baca\nesta está\n");
}

TEST_F(RespellCommand, IgnoringDiacriticsUsesThePlainSearch) {
    EXPECT_EQ(Run("--change respell perro"), "perro\n");
    EXPECT_EQ(Run("--change --ignore-diacritics respell perro"), "perro pero\n");
}

TEST_F(RespellCommand, ListsTheCandidatesWhereTheSearchEnds) {
    EXPECT_EQ(Run("--change candidates está qué"), "extá está exta esta extad estad\nké ke ked\n");
    // Found as written: the search, and the list, end there.
    EXPECT_EQ(Run("candidates vaca está"), "vaca\nextá está\n");
    EXPECT_EQ(Run("--change candidates Hola"), "ola hola óla hóla olá holá ólá hólá\n");
    // The first candidate of hh is empty and still has its place.
    EXPECT_EQ(Run("candidates hh"), " h h hh\n");
}

} // namespace
} // namespace vorlen::test
