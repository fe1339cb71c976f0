// What the conversion benchmarks share: the shipped vocabulary loaded as at
// start-up, the running text of the fortunes-es package, the misspellings
// list, and the peak memory of the process.
#pragma once

#include "conversion/utf8_text.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace bench {

namespace fs = std::filesystem;

inline constexpr const char* kFortunesDirectory = "/usr/share/games/fortunes/es";

inline std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The engine with the shipped vocabulary, loaded through a scratch data
// directory as the program loads it at start-up.
inline vorlen::Engine LoadShippedEngine() {
    const fs::path scratch =
        fs::temp_directory_path() / ("vorlen-bench-" + std::to_string(::getpid()));
    vorlen::Engine engine;
    engine.Paths.DataDirectory = scratch;
    engine.Paths.StartupSource = VORLEN_SHIPPED_VOCABULARY;
    try {
        vorlen::LoadVocabulary(engine);
    } catch (...) {
        fs::remove_all(scratch);
        throw;
    }
    fs::remove_all(scratch);
    return engine;
}

// The texts of fortunes-es (the *.fortunes files, UTF-8), one after another;
// empty when the package is not installed.
inline std::string ReadFortunes() {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(kFortunesDirectory, ec))
        if (entry.path().extension() == ".fortunes" && !entry.is_symlink())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::string text;
    for (const auto& file : files)
        text += ReadFile(file);
    return text;
}

// The words of a UTF-8 text as the text driver cuts them, in Windows-1252.
inline std::vector<std::string> CutWords(std::string_view utf8) {
    const vorlen::LetterTable letters(vorlen::kLetterSet);
    std::vector<std::string> words;
    std::string word;
    for (std::size_t pos = 0; pos <= utf8.size();) {
        const vorlen::Utf8Char c =
            pos < utf8.size() ? vorlen::DecodeUtf8At(utf8, pos) : vorlen::Utf8Char{};
        const int letter = letters.LetterByte(c);
        if (letter >= 0) {
            word.push_back(static_cast<char>(letter));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
        pos += c.Length;
    }
    return words;
}

struct Misspelling {
    std::string Written;  // Windows-1252
    std::string Standard; // Windows-1252
    std::string Kind;
};

// bench/data/misspellings-dev.tsv: misspelled, standard spelling, kind.
inline std::vector<Misspelling> ReadMisspellings() {
    std::vector<Misspelling> list;
    std::istringstream lines(ReadFile(fs::path(VORLEN_BENCH_DATA_DIR) / "misspellings-dev.tsv"));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') continue;
        if (line.back() == '\r') line.pop_back();
        const auto tab1 = line.find('\t');
        const auto tab2 = line.find('\t', tab1 == std::string::npos ? 0 : tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos) continue;
        auto written = vorlen::Utf8ToCp1252(line.substr(0, tab1));
        auto standard = vorlen::Utf8ToCp1252(line.substr(tab1 + 1, tab2 - tab1 - 1));
        if (!written || !standard) continue;
        list.push_back({*written, *standard, line.substr(tab2 + 1)});
    }
    return list;
}

inline double PeakMemoryMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // Linux: kilobytes
}

} // namespace bench
