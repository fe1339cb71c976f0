// bench_inflection: the speed of the inflection analysis on the shipped
// vocabulary (or --vocabulary PATH).
//
//   bench_inflection [--vocabulary PATH] [--words N] [--repeat R]
//
// Takes N words spread over the vocabulary (default 20000) and looks up, as
// the respelling search does, four kinds of candidate: the words themselves
// (direct hits), the words with b/v and c/s/z exchanged (mostly forms of
// nothing, so the whole rule walk runs), the words with a capital first
// letter and the words in capitals. Prints calls per second for each kind.
#include "inflection/inflection.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/vocabulary_error.h"
#include "vocabulary/vocabulary_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Options {
    std::string vocabulary = VORLEN_SHIPPED_VOCABULARY;
    std::size_t words = 20000;
    int repeat = 3;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (k + 1 >= argc) return false;
        const char* value = argv[++k];
        if (arg == "--vocabulary") {
            options.vocabulary = value;
        } else if (arg == "--words") {
            options.words = static_cast<std::size_t>(std::strtoul(value, nullptr, 10));
        } else if (arg == "--repeat") {
            options.repeat = std::max(1, std::atoi(value));
        } else {
            return false;
        }
    }
    return options.words > 0;
}

std::vector<std::string> SpreadWords(const vorlen::VocabularyStore& store, std::size_t count) {
    std::vector<std::string> all;
    for (const std::string& line : store.VocabLines) {
        for (std::size_t bar = line.find('|'); bar != std::string::npos;) {
            const auto next = line.find('|', bar + 1);
            if (next == std::string::npos) break;
            if (next > bar + 1) all.emplace_back(line.substr(bar + 1, next - bar - 1));
            bar = next;
        }
    }
    std::vector<std::string> chosen;
    const std::size_t step = std::max<std::size_t>(1, all.size() / count);
    for (std::size_t k = 0; k < all.size() && chosen.size() < count; k += step)
        chosen.push_back(all[k]);
    return chosen;
}

std::string SoundAlike(std::string word) {
    for (char& c : word) {
        switch (c) {
        case 'b':
            c = 'v';
            break;
        case 'v':
            c = 'b';
            break;
        case 'c':
            c = 's';
            break;
        case 's':
            c = 'z';
            break;
        case 'z':
            c = 's';
            break;
        default:
            break;
        }
    }
    return word;
}

std::string WithCapital(std::string word) {
    if (!word.empty()) word[0] = vorlen::ToUpperByte(word[0]);
    return word;
}

void Measure(vorlen::Engine& engine, const char* kind, const std::vector<std::string>& words,
             int repeat) {
    std::size_t found = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < repeat; ++r) {
        for (const std::string& word : words) {
            engine.SourceWord = word;
            found += vorlen::IsInflectedForm(engine, word) ? 1 : 0;
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double calls = static_cast<double>(words.size()) * repeat;
    std::printf("%-12s %8zu words  %6.1f%% found  %10.0f calls/s  %6.2f us/call\n", kind,
                words.size(), 100.0 * static_cast<double>(found) / calls, calls / elapsed.count(),
                1e6 * elapsed.count() / calls);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: bench_inflection [--vocabulary PATH] [--words N] [--repeat R]\n");
        return 2;
    }
    vorlen::Engine engine;
    try {
        engine.Vocabulary =
            vorlen::BuildVocabularyStore(vorlen::ReadVocabularyText(options.vocabulary));
    } catch (const vorlen::VocabularyError& error) {
        std::fprintf(stderr, "bench_inflection: %s\n", error.what());
        return 1;
    }
    const std::vector<std::string> words = SpreadWords(*engine.Vocabulary, options.words);
    std::vector<std::string> soundAlike, capital, capitals;
    for (const std::string& word : words) {
        soundAlike.push_back(SoundAlike(word));
        capital.push_back(WithCapital(word));
        capitals.push_back(vorlen::ToUpper(word));
    }
    Measure(engine, "as written", words, options.repeat);
    Measure(engine, "sound-alike", soundAlike, options.repeat);
    Measure(engine, "Capital", capital, options.repeat);
    Measure(engine, "CAPITALS", capitals, options.repeat);
    return 0;
}
