// bench_speed: the speed of the engine on one core.
//
//   bench_speed [--no-hunspell] [--random-bytes N] [--classic]
//
// Default options, or with --classic the original rules only.
//
// Start-up: the vocabulary load as the program does it (copy into the data
// directory, read, build the store and its tables), the median of five, and
// its parts. Running text: the fortunes-es texts converted whole, first with
// an empty memo of converted words (cold), then again (warm), then cold on
// two threads (as vorlen-cli converts a long text). Unique
// misspelled words: each word of bench/data/misspellings-dev.tsv converted
// once, with nothing remembered, by default and in classic mode, timed on
// the clock and on the processor (this thread's CPU time); then `hunspell -a -d es_ES` (Debian's
// hunspell and hunspell-es) on the same words, and the ratio of the two
// speeds. Random bytes: N bytes (default 1 MB) read as Windows-1252 text and
// converted, as vorlen-cli does with a binary file. Then the peak memory.
#include "bench_support.h"
#include "conversion/parallel_text.h"
#include "conversion/text_driver.h"
#include "conversion/word_memo.h"
#include "conversion/word_pipeline.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <set>
#include <vector>

namespace {

namespace fs = std::filesystem;

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <typename F>
double Seconds(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return SecondsSince(start);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void MeasureStartUp(const bench::ScratchDirectory& scratch) {
    constexpr int kRuns = 5;
    std::vector<double> load, copy, read, build;
    for (int run = 0; run < kRuns; ++run) {
        load.push_back(Seconds([&] { (void)bench::LoadShippedEngine(scratch); }));
        const fs::path target = scratch.Path() / "copy.txt";
        copy.push_back(Seconds([&] {
            fs::copy_file(VORLEN_SHIPPED_VOCABULARY, target, fs::copy_options::overwrite_existing);
        }));
        vorlen::VocabularyText text;
        read.push_back(Seconds([&] { text = vorlen::ReadVocabularyText(target); }));
        build.push_back(Seconds([&] { (void)vorlen::BuildVocabularyStore(text); }));
    }
    std::printf("start-up                   %.0f ms (copy %.0f ms, read %.0f ms, "
                "store and tables %.0f ms)\n",
                Median(load) * 1000, Median(copy) * 1000, Median(read) * 1000,
                Median(build) * 1000);
}

// Seconds that `hunspell -a -d es_ES` takes over the words, less the seconds
// it takes to start on no words; negative when hunspell cannot be run.
double HunspellSeconds(const bench::ScratchDirectory& scratch, const std::set<std::string>& words) {
    const fs::path input = scratch.Path() / "hunspell-words.txt";
    const fs::path empty = scratch.Path() / "hunspell-empty.txt";
    {
        std::ofstream out(input, std::ios::binary);
        for (const auto& word : words)
            out << '^' << vorlen::Cp1252ToUtf8(word) << '\n'; // ^: the line is text
        std::ofstream(empty, std::ios::binary).flush();
    }
    const auto run = [](const fs::path& file) {
        const std::string command =
            "hunspell -a -d es_ES < '" + file.string() + "' > /dev/null 2>&1";
        int status = 0;
        const double seconds = Seconds([&] { status = std::system(command.c_str()); });
        return status == 0 ? seconds : -1.0;
    };
    // The words take half a minute; starting takes a fraction of a second.
    std::vector<double> starts;
    for (int k = 0; k < 3; ++k)
        starts.push_back(run(empty));
    const double full = run(input);
    if (*std::min_element(starts.begin(), starts.end()) < 0 || full < 0) return -1;
    return full - Median(starts);
}

} // namespace

int main(int argc, char** argv) {
    bool hunspell = true;
    std::size_t randomBytes = 1 << 20;
    bool classic = false;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--no-hunspell") == 0) {
            hunspell = false;
        } else if (std::strcmp(argv[k], "--random-bytes") == 0 && k + 1 < argc) {
            randomBytes = std::strtoul(argv[++k], nullptr, 10);
        } else if (std::strcmp(argv[k], "--classic") == 0) {
            classic = true;
        } else {
            std::fprintf(stderr,
                         "usage: bench_speed [--no-hunspell] [--random-bytes N] [--classic]\n");
            return 2;
        }
    }
    const bench::ScratchDirectory scratch;
    vorlen::Engine engine;
    try {
        engine = bench::LoadShippedEngine(scratch);
        engine.Options.Classic = classic;
        MeasureStartUp(scratch);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_speed: cannot load the vocabulary: %s\n", e.what());
        return 2;
    }

    const std::string text = bench::ReadFortunes();
    if (text.empty()) {
        std::fprintf(stderr, "bench_speed: no text in %s (apt-get install fortunes-es)\n",
                     bench::kFortunesDirectory);
        return 2;
    }
    const auto words = bench::CutWords(text);
    const std::set<std::string> distinct(words.begin(), words.end());
    std::printf("running text               %zu bytes, %zu words, %zu distinct\n", text.size(),
                words.size(), distinct.size());

    for (const char* pass : {"cold", "warm"}) {
        std::size_t outBytes = 0;
        const double seconds =
            Seconds([&] { outBytes = vorlen::ConvertText(engine, text).Text.size(); });
        std::printf("running text, %s         %.2f s, %.0f words/s (%zu bytes out)\n", pass,
                    seconds, static_cast<double>(words.size()) / seconds, outBytes);
    }

    {
        vorlen::Engine fresh;
        fresh.Vocabulary = engine.Vocabulary;
        fresh.Options = engine.Options;
        std::size_t outBytes = 0;
        const double seconds =
            Seconds([&] { outBytes = vorlen::ConvertTextInParallel(fresh, text, 2).Text.size(); });
        std::printf("running text, cold, 2 threads %.2f s, %.0f words/s (%zu bytes out)\n", seconds,
                    static_cast<double>(words.size()) / seconds, outBytes);
    }

    std::set<std::string> misspelled;
    for (const auto& m : bench::ReadMisspellings())
        misspelled.insert(m.Written);
    // Also timed on the processor (this thread's CPU time), which a machine
    // shared with other work does not slow down, and in classic mode beside.
    double perSecond = 0;
    for (const bool classic : {false, true}) {
        vorlen::ForgetConvertedWords(engine);
        engine.Options.Classic = classic;
        timespec cpuStart{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuStart);
        const double seconds = Seconds([&] {
            for (const auto& word : misspelled) {
                engine.CurrentWord = word;
                vorlen::ConvertWord(engine);
                engine.SimilarWords.clear();
            }
        });
        timespec cpuEnd{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuEnd);
        const double cpu = static_cast<double>(cpuEnd.tv_sec - cpuStart.tv_sec) +
                           1e-9 * static_cast<double>(cpuEnd.tv_nsec - cpuStart.tv_nsec);
        const double count = static_cast<double>(misspelled.size());
        if (!classic) perSecond = count / seconds;
        std::printf("unique misspelled words    %zu in %.2f s, %.0f words/s; on the processor "
                    "%.2f s, %.0f words/s%s\n",
                    misspelled.size(), seconds, count / seconds, cpu, count / cpu,
                    classic ? " (classic)" : "");
    }
    engine.Options.Classic = false;
    if (hunspell) {
        const double hunspellSeconds = HunspellSeconds(scratch, misspelled);
        if (hunspellSeconds > 0) {
            const double hunspellPerSecond =
                static_cast<double>(misspelled.size()) / hunspellSeconds;
            std::printf("  hunspell -a              %.2f s, %.0f words/s; vorlen/hunspell %.2f\n",
                        hunspellSeconds, hunspellPerSecond, perSecond / hunspellPerSecond);
        } else {
            std::printf("  hunspell -a              not run (apt-get install hunspell "
                        "hunspell-es)\n");
        }
    }

    if (randomBytes > 0) {
        const std::string noise = bench::RandomBytesText(randomBytes);
        vorlen::ForgetConvertedWords(engine);
        const double noiseSeconds = Seconds([&] { (void)vorlen::ConvertText(engine, noise); });
        std::printf("random bytes               %zu in %.2f s, %.0f KB/s\n", randomBytes,
                    noiseSeconds, static_cast<double>(randomBytes) / 1024.0 / noiseSeconds);
    }
    std::printf("peak memory                %.0f MB\n", bench::PeakMemoryMegabytes());
    return 0;
}
