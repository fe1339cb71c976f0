#include "conversion/likelihood_order.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/word_ranks.h"

#include <algorithm>
#include <vector>

namespace vorlen {

namespace {

// The accented vowel of a word and its place counted from the end (1 for the
// last letter); none when the word holds no á é í ó ú.
struct WrittenAccent {
    char Vowel = 0;
    std::size_t FromEnd = 0;
};

WrittenAccent AccentOf(std::string_view word) {
    static constexpr std::string_view accented = "áéíóúÁÉÍÓÚ"_w;
    for (std::size_t k = word.size(); k-- > 0;)
        if (accented.find(word[k]) != std::string_view::npos)
            return {ToLowerByte(word[k]), word.size() - k};
    return {};
}

// Letters inserted, left out, changed or two neighbours swapped to turn one
// word into the other, capitals aside (restricted Damerau-Levenshtein).
int TypingDistance(std::string_view a, std::string_view b) {
    const std::size_t n = b.size();
    std::vector<int> before(n + 1), previous(n + 1), current(n + 1);
    for (std::size_t j = 0; j <= n; ++j)
        previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= n; ++j) {
            const bool same = ToLowerByte(a[i - 1]) == ToLowerByte(b[j - 1]);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + !same});
            if (i > 1 && j > 1 && ToLowerByte(a[i - 1]) == ToLowerByte(b[j - 2]) &&
                ToLowerByte(a[i - 2]) == ToLowerByte(b[j - 1]))
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[n];
}

} // namespace

std::string OrderRunByRank(const WordRanks& ranks, std::string_view run, bool ignoreDiacritics,
                           std::string_view written, Alternatives kind) {
    // A writer who puts an accent in means it: the spellings that keep that
    // accent where it was written (despresió -> despreció before desprecio)
    // come before those that do not. A missing accent says nothing; writing
    // by ear drops them all the time.
    const WrittenAccent accent = AccentOf(written);
    const auto keepsAccent = [&](std::string_view word) {
        if (accent.Vowel == 0) return true;
        const WrittenAccent own = AccentOf(word);
        return own.Vowel == accent.Vowel && own.FromEnd == accent.FromEnd;
    };
    // Words offered for a typing error: the nearer to what was typed, the likelier.
    const auto distance = [&](std::string_view word) {
        return kind == Alternatives::OneTypingError ? TypingDistance(written, word) : 0;
    };
    struct Ranked {
        bool LosesAccent;
        int Distance;
        std::int32_t Rank;
        std::string_view Word;
    };
    std::vector<Ranked> words;
    for (std::size_t start = 0;;) {
        const auto bar = run.find('|', start);
        const auto word = run.substr(start, bar == std::string_view::npos ? run.npos : bar - start);
        if (word.empty()) return std::string(run);
        words.push_back(
            {!keepsAccent(word), distance(word), RankOf(ranks, word, ignoreDiacritics), word});
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    std::stable_sort(words.begin(), words.end(), [](const Ranked& a, const Ranked& b) {
        if (a.LosesAccent != b.LosesAccent) return b.LosesAccent;
        return a.Distance != b.Distance ? a.Distance < b.Distance : a.Rank < b.Rank;
    });
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
            "|" + OrderRunByRank(*ranks, std::string_view(engine.SimilarWords).substr(1), plain,
                                 engine.SourceWord, Alternatives::OneTypingError);
        result.replace(result.size() - engine.SimilarWords.size(), similar.size(), similar);
        engine.SimilarWords = similar;
        return;
    }
    // "|vez|ves|": a list of two or more framed by bars.
    if (result.size() < 4 || result.front() != '|' || result.back() != '|') return;
    const std::string_view inner = std::string_view(result).substr(1, result.size() - 2);
    if (inner.find('|') == std::string_view::npos) return;
    result = "|" +
             OrderRunByRank(*ranks, inner, plain, engine.SourceWord, Alternatives::SoundAlike) +
             "|";
}

} // namespace vorlen
