// respell and candidates: the sound-alike search on single words, for
// diagnosis. The search is the one the word pipeline would run: the plain one
// when the vocabulary without diacritics is in use, else the accented one.
#include "cli/commands.h"
#include "phonetics/respell.h"

#include <ostream>
#include <string_view>

namespace vorlen::cli {

namespace {

void Respell(Engine& engine, const std::string& word) {
    engine.SourceWord = word;
    if (engine.IgnoreDiacritics)
        PhoneticRespell(engine, word);
    else
        PhoneticRespellAccented(engine, word);
}

// " vaca baca " -> "vaca baca"; " " -> "".
std::string Unspaced(const std::string& wordResult) {
    const auto first = wordResult.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return wordResult.substr(first, wordResult.find_last_not_of(' ') - first + 1);
}

} // namespace

int RunRespell(Engine& engine, const Words& words, std::ostream& out) {
    for (const auto& word : words) {
        Respell(engine, word);
        PrintLine(out, Unspaced(engine.WordResult));
    }
    return 0;
}

int RunCandidates(Engine& engine, const Words& words, std::ostream& out) {
    // Joined by single spaces; an empty candidate (hh without its silent
    // letters) still takes its place between two spaces.
    std::string line;
    bool first = true;
    SetCandidateObserver(engine, [&line, &first](std::string_view candidate) {
        if (!first) line.push_back(' ');
        first = false;
        line.append(candidate);
    });
    for (const auto& word : words) {
        line.clear();
        first = true;
        Respell(engine, word);
        PrintLine(out, line);
    }
    SetCandidateObserver(engine, {});
    return 0;
}

} // namespace vorlen::cli
