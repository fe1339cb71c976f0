#include "vocabulary/word_ranks.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/vocabulary_file.h"

#include <system_error>

namespace vorlen {

std::string PlainLowerWord(std::string_view word) {
    static constexpr std::string_view from = "áéíóúüñ"_w;
    static constexpr std::string_view to = "aeiouun";
    std::string plain = ToLower(word);
    for (char& c : plain) {
        const auto pos = from.find(c);
        if (pos != std::string_view::npos) c = to[pos];
    }
    return plain;
}

WordRanks ParseWordRanks(std::string_view bytes) {
    WordRanks ranks;
    std::int32_t rank = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        const std::string word = ToLower(line);
        if (!ranks.ByWord.try_emplace(word, rank + 1).second) continue;
        ++rank;
        ranks.ByPlainWord.try_emplace(PlainLowerWord(word), rank);
    }
    return ranks;
}

std::shared_ptr<const WordRanks> ReadWordRanksBeside(const std::filesystem::path& vocabularyFile) {
    const auto file = vocabularyFile.parent_path() / kWordRanksFileName;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return nullptr;
    return std::make_shared<const WordRanks>(ParseWordRanks(ReadFileBytes(file)));
}

std::int32_t RankOf(const WordRanks& ranks, std::string_view word, bool ignoreDiacritics) {
    const auto& table = ignoreDiacritics ? ranks.ByPlainWord : ranks.ByWord;
    const auto found = table.find(ignoreDiacritics ? PlainLowerWord(word) : ToLower(word));
    return found == table.end() ? kUnrankedWord : found->second;
}

} // namespace vorlen
