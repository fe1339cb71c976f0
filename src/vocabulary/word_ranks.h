// How common each word is: data/word-ranks.txt, one lower-case word a line in
// Windows-1252, the commonest first (see data/README.md). The engine orders
// the alternatives it offers by these ranks outside classic mode; a word not
// listed ranks after every listed one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vorlen {

inline constexpr std::string_view kWordRanksFileName = "word-ranks.txt";

// The tables hold views into the file's text, kept with them, so that the
// start-up costs no allocation per word; built once, never copied.
struct WordRanks {
    WordRanks() = default;
    WordRanks(const WordRanks&) = delete;
    WordRanks& operator=(const WordRanks&) = delete;

    std::string Text;      // the file, lower-cased
    std::string PlainText; // the same with á é í ó ú ü ñ made plain
    // Lower-case word -> rank, 1 for the commonest.
    std::unordered_map<std::string_view, std::int32_t> ByWord;
    // The same made plain, keeping the best rank of the words that fold
    // together: the ranks when diacritics are ignored.
    std::unordered_map<std::string_view, std::int32_t> ByPlainWord;
};

inline constexpr std::int32_t kUnrankedWord = INT32_MAX;

// The ranks from the file's bytes. Blank lines are passed over; a word listed
// twice keeps its first rank.
std::shared_ptr<const WordRanks> ParseWordRanks(std::string bytes);
// The ranks file beside a vocabulary file (nullptr when there is none);
// throws VocabularyError when it exists but cannot be read.
std::shared_ptr<const WordRanks> ReadWordRanksBeside(const std::filesystem::path& vocabularyFile);

// The rank of a word in any casing; kUnrankedWord when not listed.
std::int32_t RankOf(const WordRanks& ranks, std::string_view word, bool ignoreDiacritics);

// The word with á é í ó ú ü ñ (and capitals) made plain, lower-cased.
std::string PlainLowerWord(std::string_view word);

} // namespace vorlen
