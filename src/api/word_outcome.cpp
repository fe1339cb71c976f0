#include "api/word_outcome.h"

namespace vorlen {

std::vector<std::string> OfferedSpellings(std::string_view output) {
    std::vector<std::string> spellings;
    if (output.starts_with('|')) return spellings; // not found: the bar, then the word as written
    std::size_t start = 0;
    while (start <= output.size()) {
        auto bar = output.find('|', start);
        if (bar == std::string_view::npos) bar = output.size();
        if (bar > start) spellings.emplace_back(output.substr(start, bar - start));
        start = bar + 1;
    }
    return spellings;
}

WordStatus StatusOf(std::string_view written, std::string_view output) {
    if (output.starts_with('|')) return WordStatus::NotFound;
    const auto spellings = OfferedSpellings(output);
    if (spellings.size() > 1) return WordStatus::Alternatives;
    if (spellings.empty()) return WordStatus::NotFound;
    return spellings.front() == written ? WordStatus::Found : WordStatus::Corrected;
}

} // namespace vorlen
