// bench_speed: words per second of the whole conversion on one core.
//
//   bench_speed
//
// Running text: the fortunes-es texts converted whole, first with an empty
// memo of converted words (cold), then again (warm). Unique misspelled words:
// each word of bench/data/misspellings-dev.tsv converted once, with nothing
// remembered. Then the peak memory of the process.
#include "bench_support.h"
#include "conversion/text_driver.h"
#include "conversion/word_memo.h"
#include "conversion/word_pipeline.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <set>

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    vorlen::Engine engine;
    auto start = std::chrono::steady_clock::now();
    try {
        engine = bench::LoadShippedEngine();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_speed: cannot load the vocabulary: %s\n", e.what());
        return 2;
    }
    std::printf("vocabulary loaded          %.2f s\n", SecondsSince(start));

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
        start = std::chrono::steady_clock::now();
        const auto converted = vorlen::ConvertText(engine, text);
        const double seconds = SecondsSince(start);
        std::printf("running text, %s         %.2f s, %.0f words/s (%zu bytes out)\n", pass,
                    seconds, static_cast<double>(words.size()) / seconds, converted.Text.size());
    }

    std::set<std::string> misspelled;
    for (const auto& m : bench::ReadMisspellings())
        misspelled.insert(m.Written);
    vorlen::ForgetConvertedWords(engine);
    start = std::chrono::steady_clock::now();
    for (const auto& word : misspelled) {
        engine.CurrentWord = word;
        vorlen::ConvertWord(engine);
        engine.SimilarWords.clear();
    }
    const double seconds = SecondsSince(start);
    std::printf("unique misspelled words    %zu in %.2f s, %.0f words/s\n", misspelled.size(),
                seconds, static_cast<double>(misspelled.size()) / seconds);
    std::printf("peak memory                %.0f MB\n", bench::PeakMemoryMegabytes());
    return 0;
}
