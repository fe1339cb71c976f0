// vorlen-cli with the context table: on by default, off with --no-context or
// --classic, and a damaged table gives a warning and the plain conversion.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ContextCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vorlen-context-cli-" + std::to_string(::getpid()));
        fs::create_directories(dir_ / "data");
        std::ofstream(dir_ / "in") << "Mi hermano esta en casa. ¿Que hora es?\n";
    }
    void TearDown() override { fs::remove_all(dir_); }

    struct Run {
        int status = -1;
        std::string out, err;
    };
    Run Cli(const std::string& args) {
        const std::string command = std::string(VORLEN_CLI) + " --data-dir '" +
                                    (dir_ / "data").string() + "' " + args + " < '" +
                                    (dir_ / "in").string() + "' > '" + (dir_ / "out").string() +
                                    "' 2> '" + (dir_ / "err").string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir_ / "out"),
                ReadFile(dir_ / "err")};
    }
    fs::path dir_;
};

TEST_F(ContextCliTest, RunningTextGetsItsAccentsUnlessTurnedOff) {
    const std::string vocabulary = std::string(" --vocabulary '") + VORLEN_SHIPPED_VOCABULARY + "'";
    const Run on = Cli(vocabulary);
    EXPECT_EQ(on.status, 0) << on.err;
    EXPECT_EQ(on.out, "Mi hermano está en casa. ¿Qué hora es?\n");
    EXPECT_EQ(on.err, "");
    for (const char* off : {" --no-context", " --classic"}) {
        const Run plain = Cli(vocabulary + off);
        EXPECT_EQ(plain.out, "Mi hermano esta en casa. ¿Que hora es?\n") << off;
    }
}

TEST_F(ContextCliTest, ADamagedTableBesideTheVocabularyWarnsAndConvertsWordByWord) {
    fs::copy_file(VORLEN_SHIPPED_VOCABULARY, dir_ / "spanall.txt");
    std::ofstream(dir_ / "context-accents.txt") << "vorlen-context 1\n@esta está 1 2\n";
    const Run run = Cli("--vocabulary '" + (dir_ / "spanall.txt").string() + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Mi hermano esta en casa. ¿Que hora es?\n");
    EXPECT_NE(run.err.find("context-accents.txt, line 2"), std::string::npos) << run.err;
}

} // namespace
