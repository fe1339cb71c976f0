#include "conversion/likelihood_order.h"

#include "vocabulary/word_ranks.h"

#include <algorithm>
#include <vector>

namespace vorlen {

std::string OrderRunByRank(const WordRanks& ranks, std::string_view run, bool ignoreDiacritics) {
    struct Ranked {
        std::int32_t Rank;
        std::string_view Word;
    };
    std::vector<Ranked> words;
    for (std::size_t start = 0;;) {
        const auto bar = run.find('|', start);
        const auto word = run.substr(start, bar == std::string_view::npos ? run.npos : bar - start);
        if (word.empty()) return std::string(run);
        words.push_back({RankOf(ranks, word, ignoreDiacritics), word});
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    std::stable_sort(words.begin(), words.end(),
                     [](const Ranked& a, const Ranked& b) { return a.Rank < b.Rank; });
    std::string ordered;
    ordered.reserve(run.size());
    for (const auto& w : words) {
        if (!ordered.empty()) ordered.push_back('|');
        ordered.append(w.Word);
    }
    return ordered;
}

void OrderByLikelihood(Engine& engine) {
    const WordRanks* ranks = engine.Vocabulary->Ranks.get();
    if (engine.Options.Classic || ranks == nullptr) return;
    std::string& result = engine.WordResult;
    const bool plain = engine.IgnoreDiacritics;
    if (!engine.SimilarWords.empty()) {
        // "kasa|casa|cosa": the word as written, then the similar words.
        if (!result.ends_with(engine.SimilarWords) || engine.SimilarWords.size() < 2) return;
        const std::string similar =
            "|" + OrderRunByRank(*ranks, std::string_view(engine.SimilarWords).substr(1), plain);
        result.replace(result.size() - engine.SimilarWords.size(), similar.size(), similar);
        engine.SimilarWords = similar;
        return;
    }
    // "|vez|ves|": a list of two or more framed by bars.
    if (result.size() < 4 || result.front() != '|' || result.back() != '|') return;
    const std::string_view inner = std::string_view(result).substr(1, result.size() - 2);
    if (inner.find('|') == std::string_view::npos) return;
    result = "|" + OrderRunByRank(*ranks, inner, plain) + "|";
}

} // namespace vorlen
