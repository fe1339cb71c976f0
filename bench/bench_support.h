// What the conversion benchmarks share: the shipped vocabulary loaded as at
// start-up, the running text of the fortunes-es package, the misspellings
// list, words with one typing error, random bytes, a hash of outputs and the
// peak memory of the process.
#pragma once

#include "conversion/utf8_text.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace bench {

using namespace vorlen::literals;

namespace fs = std::filesystem;

inline constexpr const char* kFortunesDirectory = "/usr/share/games/fortunes/es";

inline std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A data directory of its own for the process, removed with the object.
class ScratchDirectory {
  public:
    ScratchDirectory()
        : path_(fs::temp_directory_path() / ("vorlen-bench-" + std::to_string(::getpid()))) {}
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    ~ScratchDirectory() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

// The engine with the shipped vocabulary, loaded through the scratch data
// directory as the program loads it at start-up.
inline vorlen::Engine LoadShippedEngine(const ScratchDirectory& scratch) {
    vorlen::Engine engine;
    engine.Paths.DataDirectory = scratch.Path();
    engine.Paths.StartupSource = VORLEN_SHIPPED_VOCABULARY;
    vorlen::LoadVocabulary(engine);
    return engine;
}

inline vorlen::Engine LoadShippedEngine() {
    const ScratchDirectory scratch;
    return LoadShippedEngine(scratch);
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

// bench/data/misspellings-dev.tsv (or another file of bench/data in its
// format): misspelled, standard spelling, kind.
inline std::vector<Misspelling> ReadMisspellings(const char* fileName = "misspellings-dev.tsv") {
    std::vector<Misspelling> list;
    std::istringstream lines(ReadFile(fs::path(VORLEN_BENCH_DATA_DIR) / fileName));
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

// Every distinct word of the text with one typing error (a letter left out,
// one added, one changed, two neighbours swapped), chosen by a fixed random
// sequence: the words the similar-word search is for. Every `step`-th
// distinct word of three letters or more is taken; one in ten is capitalised.
inline std::vector<std::string> TypoWords(const std::vector<std::string>& words, std::size_t step) {
    static constexpr std::string_view letters = "abcdefghijklmnopqrstuvwxyzáéíóúñ"_w;
    const std::set<std::string> distinct(words.begin(), words.end());
    std::mt19937 random(20240611);
    std::vector<std::string> typos;
    std::size_t k = 0;
    for (const auto& word : distinct) {
        if (word.size() < 3 || k++ % step != 0) continue;
        std::string typo = word;
        const std::size_t at = 1 + random() % (typo.size() - 1);
        const char letter = letters[random() % letters.size()];
        switch (random() % 4) {
        case 0:
            typo.erase(at, 1);
            break;
        case 1:
            typo.insert(at, 1, letter);
            break;
        case 2:
            typo[at] = letter;
            break;
        default:
            if (at + 1 < typo.size())
                std::swap(typo[at], typo[at + 1]);
            else
                std::swap(typo[at - 1], typo[at]);
        }
        if (random() % 10 == 0) typo[0] = vorlen::ToUpperByte(typo[0]);
        typos.push_back(std::move(typo));
    }
    return typos;
}

// `size` random bytes read as Windows-1252 text and given as UTF-8, as
// vorlen-cli reads a binary file: every distinct run of letters is a word.
inline std::string RandomBytesText(std::size_t size) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return vorlen::Cp1252ToUtf8(bytes);
}

// FNV-1a, 64 bits: a fingerprint of an output.
inline std::uint64_t Fingerprint(std::string_view bytes,
                                 std::uint64_t hash = 14695981039346656037u) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211u;
    }
    return hash;
}

inline double PeakMemoryMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // Linux: kilobytes
}

} // namespace bench
