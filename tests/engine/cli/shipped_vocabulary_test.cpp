// vorlen-cli on the shipped vocabulary and the data read beside it (word
// ranks, explanations): what a person sees by default and in classic mode.
#include "support/temp_directory.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>

namespace vorlen::test {
namespace {

class ShippedCli : public ::testing::Test {
  protected:
    // Standard output of vorlen-cli with `args`; fails the test on a non-zero exit.
    std::string Cli(const std::string& args, const std::string& input = {}) {
        const CliRun run = RunCli(dir_,
                                  std::string("--vocabulary '") + VORLEN_SHIPPED_VOCABULARY +
                                      "' --data-dir '" + (dir_ / "data").string() + "' " + args,
                                  input);
        EXPECT_EQ(run.status, 0) << args << ": " << run.err;
        return run.out;
    }

    TempDirectory dir_{"vorlen-shipped"};
};

TEST_F(ShippedCli, ExplainSaysWhichAlternativeIsWhich) {
    const std::string out = Cli("explain ves vez Casas kasa");
    EXPECT_EQ(out.substr(0, out.find('\n')),
              "ves: forma de «ver»: admirar, hallar, sentir, visitar");
    EXPECT_NE(out.find("\nvez: tiempo, turno, ocasión"), std::string::npos) << out;
    EXPECT_NE(out.find("\nCasas: forma de «casa»"), std::string::npos) << out;
    EXPECT_NE(out.find("\nkasa: -\n"), std::string::npos) << out;
    // Explanations do not depend on the rules in force.
    EXPECT_EQ(Cli("--classic explain ves vez Casas kasa"), out);
    EXPECT_EQ(Cli("--english explain ves"),
              "ves: form of «ver»: admirar, hallar, sentir, visitar\n");
}

TEST_F(ShippedCli, CommonerWordsComeFirstOutsideClassicMode) {
    EXPECT_EQ(Cli("--change word ves kasa tubo"), "vez|ves|bes\ncasa|caza\ntuvo|tubo\n");
    EXPECT_EQ(Cli("--classic --change word ves kasa tubo"), "ves|bes|vez\ncasa|caza\ntubo|tuvo\n");
}

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
} // namespace vorlen::test
