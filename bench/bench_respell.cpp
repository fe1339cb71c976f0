// bench_respell: the speed of the sound-alike search over the words of texts.
//
//   bench_respell [--vocabulary PATH] [--ignore-diacritics] [--change]
//                 [--words N] [--repeat R] FILE...
//
// The words are cut from the files (UTF-8 or Windows-1252; "-" is standard
// input) as the text driver cuts them, and the first N (default 1000, 0 for
// all) are respelled as written, each with itself as the word under
// conversion. The vocabulary is the shipped one unless --vocabulary names
// another; it is loaded into a scratch data directory, as at start-up.
#include "phonetics/respell.h"
#include "phonetics/respell_search.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_error.h"
#include "vocabulary/vocabulary_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Options {
    fs::path vocabulary = VORLEN_SHIPPED_VOCABULARY;
    bool ignoreDiacritics = false;
    bool change = false;
    long words = 1000;
    int repeat = 1;
    std::vector<std::string> files;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        auto value = [&]() -> const char* { return k + 1 < argc ? argv[++k] : nullptr; };
        if (arg == "--vocabulary") {
            const char* v = value();
            if (v == nullptr) return false;
            options.vocabulary = v;
        } else if (arg == "--words") {
            const char* v = value();
            if (v == nullptr) return false;
            options.words = std::strtol(v, nullptr, 10);
        } else if (arg == "--repeat") {
            const char* v = value();
            if (v == nullptr) return false;
            options.repeat = std::max(1, std::atoi(v));
        } else if (arg == "--ignore-diacritics") {
            options.ignoreDiacritics = true;
        } else if (arg == "--change") {
            options.change = true;
        } else if (arg.starts_with("--")) {
            return false;
        } else {
            options.files.emplace_back(arg);
        }
    }
    return !options.files.empty();
}

std::string ReadAll(const std::string& file) {
    if (file == "-") return {std::istreambuf_iterator<char>(std::cin), {}};
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text's words as Windows-1252. UTF-8 text is converted a line at a time;
// a line with a character that Windows-1252 cannot hold is left out.
void CutWords(const std::string& bytes, std::vector<std::string>& words) {
    std::string text;
    if (vorlen::IsValidUtf8(bytes)) {
        std::istringstream lines(bytes);
        for (std::string line; std::getline(lines, line);)
            if (auto converted = vorlen::Utf8ToCp1252(line)) text += *converted + "\n";
    } else {
        text = bytes;
    }
    std::string word;
    for (const char c : text + " ") {
        if (vorlen::IsLetter(c)) {
            word.push_back(c);
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
}

// Loads the vocabulary as start-up does, into a scratch data directory.
vorlen::Engine LoadEngine(const Options& options, const fs::path& dataDirectory) {
    vorlen::Engine engine;
    engine.Paths.DataDirectory = dataDirectory;
    engine.Paths.StartupSource = options.vocabulary;
    vorlen::LoadVocabulary(engine);
    if (options.ignoreDiacritics) vorlen::ReloadVocabulary(engine, true);
    engine.Options.ChangeFoundWords = options.change;
    return engine;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "usage: bench_respell [--vocabulary PATH] [--ignore-diacritics] [--change]"
                     " [--words N] [--repeat R] FILE...\n";
        return 2;
    }
    std::vector<std::string> words;
    try {
        for (const auto& file : options.files)
            CutWords(ReadAll(file), words);
    } catch (const std::exception& e) {
        std::cerr << "bench_respell: " << e.what() << '\n';
        return 2;
    }
    if (options.words > 0 && static_cast<std::size_t>(options.words) < words.size())
        words.resize(static_cast<std::size_t>(options.words));
    if (words.empty()) {
        std::cerr << "bench_respell: no words in the input\n";
        return 2;
    }

    const fs::path scratch =
        fs::temp_directory_path() / ("vorlen-bench-respell-" + std::to_string(::getpid()));
    vorlen::Engine engine;
    try {
        engine = LoadEngine(options, scratch);
    } catch (const vorlen::VocabularyError& e) {
        std::cerr << "bench_respell: " << vorlen::DescribeVocabularyError(e, true) << '\n';
        fs::remove_all(scratch);
        return 2;
    }
    fs::remove_all(scratch);

    long candidates = 0;
    long found = 0;
    long endedByBudget = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < options.repeat; ++round) {
        for (const auto& word : words) {
            engine.SourceWord = word;
            if (options.ignoreDiacritics)
                vorlen::PhoneticRespell(engine, word);
            else
                vorlen::PhoneticRespellAccented(engine, word);
            candidates += engine.Respell.CandidateCount;
            if (engine.WordResult != " ") ++found;
            if (engine.Respell.TriedSpellingsLength > vorlen::kTriedSpellingsBudget)
                ++endedByBudget;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double respelled = static_cast<double>(words.size()) * options.repeat;

    std::printf("search            %s, found words %s\n",
                options.ignoreDiacritics ? "diacritics ignored" : "accented",
                options.change ? "changed" : "kept");
    std::printf("words             %zu x %d\n", words.size(), options.repeat);
    std::printf("candidates        %ld (%.1f a word)\n", candidates,
                static_cast<double>(candidates) / respelled);
    std::printf("found something   %.1f%% of the words\n", 100.0 * found / respelled);
    std::printf("ended by budget   %.1f%% of the words\n", 100.0 * endedByBudget / respelled);
    std::printf("seconds           %.3f\n", seconds);
    std::printf("candidates/s      %.0f\n", static_cast<double>(candidates) / seconds);
    std::printf("words/s           %.0f\n", respelled / seconds);
    return 0;
}
