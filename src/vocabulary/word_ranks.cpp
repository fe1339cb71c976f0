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

std::shared_ptr<const WordRanks> ParseWordRanks(std::string bytes) {
    auto ranks = std::make_shared<WordRanks>();
    ToLowerInPlace(bytes);
    ranks->Text = std::move(bytes);
    ranks->PlainText = PlainLowerWord(ranks->Text);
    const std::string_view text = ranks->Text;
    const std::string_view plain = ranks->PlainText;
    ranks->ByWord.reserve(text.size() / 8);
    ranks->ByPlainWord.reserve(text.size() / 8);
    std::int32_t rank = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::size_t length = end - start;
        if (length > 0 && text[end - 1] == '\r') --length;
        const std::size_t at = start;
        start = end + 1;
        if (length == 0) continue;
        if (!ranks->ByWord.try_emplace(text.substr(at, length), rank + 1).second) continue;
        ++rank;
        ranks->ByPlainWord.try_emplace(plain.substr(at, length), rank);
    }
    return ranks;
}

std::shared_ptr<const WordRanks> ReadWordRanksBeside(const std::filesystem::path& vocabularyFile) {
    const auto file = vocabularyFile.parent_path() / kWordRanksFileName;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return nullptr;
    return ParseWordRanks(ReadFileBytes(file));
}

std::int32_t RankOf(const WordRanks& ranks, std::string_view word, bool ignoreDiacritics) {
    const auto& table = ignoreDiacritics ? ranks.ByPlainWord : ranks.ByWord;
    const auto found = table.find(ignoreDiacritics ? PlainLowerWord(word) : ToLower(word));
    return found == table.end() ? kUnrankedWord : found->second;
}

} // namespace vorlen
