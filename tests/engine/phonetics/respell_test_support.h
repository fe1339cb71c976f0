// Runs the respelling searches on UTF-8 test words and reads back what they
// built and found, in UTF-8.
#pragma once

#include "phonetics/respell.h"
#include "phonetics/respell_search.h"
#include "support/test_vocabulary.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlen::test {

enum class Search { Plain, Accented };

inline const char* SearchName(Search search) {
    return search == Search::Plain ? "plain" : "accented";
}

// Runs one search as the word pipeline would: SourceWord is the word as
// written; the plain search runs with diacritics ignored.
inline void RunSearch(Engine& engine, Search search, std::string_view utf8Word) {
    const std::string word = W(utf8Word);
    engine.SourceWord = word;
    if (search == Search::Plain) {
        engine.IgnoreDiacritics = true;
        PhoneticRespell(engine, word);
    } else {
        engine.IgnoreDiacritics = false;
        PhoneticRespellAccented(engine, word);
    }
}

// Every candidate the search builds, in order.
inline std::vector<std::string> Candidates(Engine& engine, Search search,
                                           std::string_view utf8Word) {
    std::vector<std::string> seen;
    SetCandidateObserver(engine, [&seen](std::string_view c) { seen.push_back(U(c)); });
    RunSearch(engine, search, utf8Word);
    SetCandidateObserver(engine, {});
    return seen;
}

// engine.WordResult after the search, in UTF-8 (" vaca baca ").
inline std::string Respelled(Engine& engine, Search search, std::string_view utf8Word) {
    RunSearch(engine, search, utf8Word);
    return U(engine.WordResult);
}

// The segment table the search fills for the word.
inline std::vector<std::vector<std::string>> Segments(Engine& engine, Search search,
                                                      std::string_view utf8Word) {
    RunSearch(engine, search, utf8Word);
    const RespellState& state = engine.Respell;
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row <= state.LastSegment; ++row) {
        const RespellSegment& segment = state.SegmentAlternatives[static_cast<std::size_t>(row)];
        auto& columns = rows.emplace_back();
        for (int column = 0; column < segment.Count; ++column)
            columns.push_back(U(segment.Alternatives[static_cast<std::size_t>(column)]));
    }
    return rows;
}

} // namespace vorlen::test
