// `vorlen-cli -a` as a process: what its clients see on the wire, under long
// lines and a client that goes away.
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct PipeRun {
    int status = -1; // exit status; -1 when killed by a signal
    std::string out;
};

class PipeProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "vorlen-pipe-XXXXXX").string();
        dir_ = ::mkdtemp(name.data());
        std::signal(SIGPIPE, SIG_IGN);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<std::string> Arguments(std::vector<std::string> extra) const {
        std::vector<std::string> args = {VORLEN_CLI, "--vocabulary", VORLEN_SHIPPED_VOCABULARY,
                                         "--data-dir", (dir_ / "data").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    // Starts vorlen-cli with pipes on its standard input and output.
    pid_t Start(const std::vector<std::string>& args, int& in, int& out) const {
        int toChild[2], fromChild[2];
        if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) return -1;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(toChild[0], 0);
            ::dup2(fromChild[1], 1);
            ::close(toChild[1]);
            ::close(fromChild[0]);
            std::vector<char*> argv;
            for (const auto& a : args)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(toChild[0]);
        ::close(fromChild[1]);
        in = toChild[1];
        out = fromChild[0];
        return pid;
    }

    static int Wait(pid_t pid) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Input small enough for the pipe's buffer: written whole, then read.
    PipeRun Pipe(const std::vector<std::string>& extra, const std::string& input) const {
        int in = -1, out = -1;
        const pid_t pid = Start(Arguments(extra), in, out);
        PipeRun run;
        // Write and read as each side is ready, so that neither buffer fills up.
        std::size_t written = 0;
        if (input.empty()) ::close(in);
        for (;;) {
            pollfd fds[2] = {{out, POLLIN, 0}, {written < input.size() ? in : -1, POLLOUT, 0}};
            if (::poll(fds, 2, -1) < 0) break;
            if (fds[1].revents != 0) {
                const ssize_t n = ::write(in, input.data() + written,
                                          std::min<std::size_t>(input.size() - written, 4096));
                if (n > 0) written += static_cast<std::size_t>(n);
                if (n <= 0 || written == input.size()) ::close(in);
                if (n <= 0) written = input.size();
            }
            if (fds[0].revents != 0) {
                char buffer[65536];
                const ssize_t got = ::read(out, buffer, sizeof buffer);
                if (got <= 0) break;
                run.out.append(buffer, static_cast<std::size_t>(got));
            }
        }
        ::close(out);
        run.status = Wait(pid);
        return run;
    }

    fs::path dir_;
};

constexpr std::string_view kBanner = "@(#) International Ispell Version 3.1.20 (but really Vorlen ";

TEST_F(PipeProcessTest, VersionBannerAndOptionsOfOtherCheckers) {
    const PipeRun version = Pipe({"-vv"}, "");
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with(kBanner)) << version.out;

    const PipeRun run = Pipe({"-a", "-m", "-B", "-C", "-d", "es_ES", "-i", "utf-8", "-p",
                              (dir_ / "personal.txt").string()},
                             "aber\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(run.out.find('\n') + 1), "& aber 1 0: haber\n\n");
    EXPECT_FALSE(fs::exists(dir_ / "personal.txt")); // nothing to save, nothing written

    // Another language, or answers in another encoding: refused, never half-served.
    EXPECT_EQ(Pipe({"-a", "-d", "en_US"}, "aber\n").status, 2);
    EXPECT_EQ(Pipe({"-a", "-i", "latin1"}, "aber\n").status, 2);
}

TEST_F(PipeProcessTest, LongLinesAreAnsweredWordByWord) {
    // 100,000 characters of words, and a line that is one word of 100,000 letters.
    std::string words;
    while (words.size() < 100000)
        words += "aber ñandu kasa ";
    const PipeRun run = Pipe({"pipe"}, words + "\n" + std::string(100000, 'a') + "\nsi\n");
    ASSERT_EQ(run.status, 0);
    const std::size_t expected = 3 * (words.size() / 17); // 17 bytes, 16 characters a group
    std::size_t answers = 0;
    std::size_t pos = run.out.find('\n') + 1;
    for (std::size_t end; (end = run.out.find('\n', pos)) != std::string::npos && end > pos;
         pos = end + 1)
        ++answers;
    EXPECT_EQ(answers, expected);
    // The last group's kasa: its offset counts characters, not bytes.
    const std::size_t lastKasa = (expected / 3 - 1) * 16 + 11;
    EXPECT_NE(run.out.find("& kasa 2 " + std::to_string(lastKasa) + ": casa, caza\n"),
              std::string::npos);
    EXPECT_TRUE(run.out.ends_with("\n# " + std::string(100000, 'a') + " 0\n\n*\n\n"));
}

TEST_F(PipeProcessTest, AClientThatGoesAwayLosesNoSavedWord) {
    const fs::path list = dir_ / "personal.txt";
    int in = -1, out = -1;
    const pid_t pid = Start(Arguments({"-a", "-p", list.string()}), in, out);
    std::string input = "*vorlen\n#\n";
    for (int k = 0; k < 2000; ++k)
        input += "aber kasa yano\n";
    ASSERT_EQ(::write(in, input.data(), input.size()), static_cast<ssize_t>(input.size()));
    // The banner and a first answer: the save before it is done.
    char buffer[512];
    std::string seen;
    while (seen.find("haber") == std::string::npos) {
        const ssize_t got = ::read(out, buffer, sizeof buffer);
        ASSERT_GT(got, 0);
        seen.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(out);
    ::close(in);
    EXPECT_EQ(Wait(pid), 0); // no crash on the closed pipe
    std::ifstream saved(list);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "vorlen\n");
}

} // namespace
