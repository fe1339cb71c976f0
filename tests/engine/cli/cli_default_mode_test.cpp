// vorlen-cli in its default mode on the shipped vocabulary: correct text with
// addresses and names comes out as written, and no list of alternatives names
// a spelling twice, while --classic keeps the original outputs.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ShippedCli : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vorlen-cli-default-" + std::to_string(::getpid()));
        fs::create_directories(dir_ / "data");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Cli(const std::string& args, const std::string& input) {
        std::ofstream(dir_ / "in", std::ios::binary) << input;
        const std::string command =
            std::string(VORLEN_CLI) + " --vocabulary '" + VORLEN_SHIPPED_VOCABULARY +
            "' --data-dir '" + (dir_ / "data").string() + "' " + args + " < '" +
            (dir_ / "in").string() + "' > '" + (dir_ / "out").string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::ifstream out(dir_ / "out", std::ios::binary);
        return {std::istreambuf_iterator<char>(out), std::istreambuf_iterator<char>()};
    }

    fs::path dir_;
};

TEST_F(ShippedCli, LeavesAddressesAndNamesAsWritten) {
    const std::string line = "Visita www.ejemplo.com o escribe a ana@correo.es, Paul.\n";
    EXPECT_EQ(Cli("", line), line);
    EXPECT_NE(Cli("--classic", line), line);
    // A misspelling at the start of a sentence is still corrected.
    EXPECT_EQ(Cli("", "Aber venido. Thomas Edison dijo.\n"), "Haber venido. Thomas Edison dijo.\n");
}

TEST_F(ShippedCli, NoListNamesASpellingTwice) {
    // The double-accent repair made two equal candidates of these.
    const std::string words = "avion camaron exito avion\n";
    EXPECT_EQ(Cli("--classic", words), "avión|avión camarón|camarón éxito|esito|hesito|esito|"
                                       "hesitó avión|avión\n");
    std::istringstream lists(Cli("--change", words));
    for (std::string list; lists >> list;) {
        std::set<std::string> seen;
        std::istringstream items(list);
        for (std::string item; std::getline(items, item, '|');)
            EXPECT_TRUE(item.empty() || seen.insert(item).second) << item << " twice in " << list;
    }
}

} // namespace
