// vorlen-extra-words: the words for the extra word line (line 29) of a
// vocabulary file.
//
// Spanish marks stress with an accent, and people writing by ear often leave
// it out. The inflection analysis then takes the unaccented spelling for a
// form of some other entry: "biografias" (for biografías) as a form of the
// verb biografiar, "cria" (cría) of criar, "creyo" (creyó) of creer, "leidos"
// (leídos) of leer. The extra word line lists such spellings, and the analysis
// never accepts a word listed there, so that the respelling offers the
// accented word itself.
//
// For every vocabulary word holding á, é, í, ó or ú, its spelling with those
// made plain (ü and ñ stay) is a candidate when it is not a vocabulary word
// itself. The tool loads the vocabulary with its extra word line emptied, asks
// InflectionLookup about each candidate as the word typed, and prints those
// accepted, one per line in Windows-1252, sorted by bytes and each once.
// data/generate_vocabulary.py writes them into line 29.
#include "engine/engine.h"
#include "inflection/inflection.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_error.h"
#include "vocabulary/vocabulary_file.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

using namespace vorlen::literals;

constexpr std::string_view kUsage =
    "Usage: vorlen-extra-words VOCABULARY_FILE\n"
    "Prints the unaccented spellings of accented vocabulary words that the inflection\n"
    "analysis would accept as forms of other entries (the extra word line).\n";

constexpr std::size_t kExtraWordLine = 28; // 0-based: the file's 29th line

// The words of one bar-framed vocabulary line.
std::vector<std::string_view> WordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t bar = line.find('|', start);
        if (bar == std::string_view::npos) bar = line.size();
        if (bar > start) words.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    return words;
}

// The word with its small accented vowels made plain; ü and ñ stay.
std::string WithoutAccents(std::string_view word) {
    static constexpr std::string_view accented = "áéíóú"_w;
    static constexpr std::string_view plain = "aeiou";
    std::string out(word);
    for (char& c : out) {
        const std::size_t k = accented.find(c);
        if (k != std::string_view::npos) c = plain[k];
    }
    return out;
}

std::vector<std::string> Candidates(const vorlen::VocabularyStore& store) {
    std::unordered_set<std::string_view> known;
    for (int k = 0; k < vorlen::kVocabularyLineCount; ++k)
        for (std::string_view word : WordsOf(store.VocabLines[k]))
            known.insert(word);
    std::vector<std::string> candidates;
    for (std::string_view word : known) {
        if (vorlen::HasAccent(word) == 0) continue;
        std::string plain = WithoutAccents(word);
        if (!known.contains(plain)) candidates.push_back(std::move(plain));
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    return candidates;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::string_view(argv[1]).starts_with("-")) {
        std::cerr << kUsage;
        return argc == 2 &&
                       (std::string_view(argv[1]) == "-h" || std::string_view(argv[1]) == "--help")
                   ? 0
                   : 2;
    }
    vorlen::Engine engine;
    try {
        vorlen::VocabularyText text = vorlen::ReadVocabularyText(argv[1]);
        for (const std::string& warning : text.warnings)
            std::cerr << "vorlen-extra-words: " << warning << '\n';
        // Judge by the letter lines alone: an extra word line already there
        // would hide the very words we are looking for.
        if (text.lines.size() > kExtraWordLine) text.lines[kExtraWordLine].clear();
        engine.Vocabulary = vorlen::BuildVocabularyStore(text);
    } catch (const vorlen::VocabularyError& error) {
        std::cerr << "vorlen-extra-words: " << vorlen::DescribeVocabularyError(error, true) << '\n';
        return 2;
    }

    const std::vector<std::string> candidates = Candidates(*engine.Vocabulary);
    std::size_t accepted = 0;
    std::string out;
    for (const std::string& word : candidates) {
        engine.SourceWord = word;
        if (vorlen::InflectionLookup(engine, word) != "Y") continue;
        out += word;
        out += '\n';
        ++accepted;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::cerr << "vorlen-extra-words: " << accepted << " of " << candidates.size()
              << " candidates accepted\n";
    return std::fflush(stdout) == 0 ? 0 : 2;
}
