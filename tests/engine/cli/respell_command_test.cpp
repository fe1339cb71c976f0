// vorlen-cli respell and candidates, run as a program on a small vocabulary.
#include "support/test_vocabulary.h"
#include "vocabulary/vocabulary_file.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace vorlen::test {
namespace {

class RespellCommand : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vorlen-respell-cli-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "data");
        WriteVocabularyLines(dir_ / "spanall.txt",
                             VocabularyFileLines({.words = {"vaca", "baca", "haber", "perro",
                                                            "pero", "está", "esta"}}));
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Standard output of vorlen-cli with these arguments.
    std::string Run(const std::string& arguments) {
        const std::string command = std::string(VORLEN_CLI) + " --vocabulary '" +
                                    (dir_ / "spanall.txt").string() + "' --data-dir '" +
                                    (dir_ / "data").string() + "' --classic " + arguments;
        std::string out;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr) return "<popen failed>";
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        status_ = ::pclose(pipe);
        return out;
    }

    std::filesystem::path dir_;
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
