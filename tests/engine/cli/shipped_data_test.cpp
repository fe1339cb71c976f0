// vorlen-cli on the shipped vocabulary and the data read beside it (word
// ranks, explanations): what a person sees when choosing between
// alternatives, by default and in classic mode.
#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ShippedData : public ::testing::Test {
  protected:
    void SetUp() override {
        dataDir_ = fs::temp_directory_path() / ("vorlen-shipped-" + std::to_string(::getpid()));
    }
    void TearDown() override { fs::remove_all(dataDir_); }

    // Standard output of vorlen-cli with `args`; fails the test on a non-zero exit.
    std::string Cli(const std::string& args) {
        const std::string command = std::string(VORLEN_CLI) + " --vocabulary '" +
                                    VORLEN_SHIPPED_VOCABULARY + "' --data-dir '" +
                                    dataDir_.string() + "' " + args;
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
        std::string out;
        std::array<char, 4096> block{};
        while (const std::size_t n = std::fread(block.data(), 1, block.size(), pipe.get()))
            out.append(block.data(), n);
        const int status = ::pclose(pipe.release());
        EXPECT_EQ(status, 0) << command;
        return out;
    }

    fs::path dataDir_;
};

TEST_F(ShippedData, ExplainSaysWhichAlternativeIsWhich) {
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

TEST_F(ShippedData, CommonerWordsComeFirstOutsideClassicMode) {
    EXPECT_EQ(Cli("--change word ves kasa tubo"), "vez|ves|bes\ncasa|caza\ntuvo|tubo\n");
    EXPECT_EQ(Cli("--classic --change word ves kasa tubo"), "ves|bes|vez\ncasa|caza\ntubo|tuvo\n");
}

} // namespace
