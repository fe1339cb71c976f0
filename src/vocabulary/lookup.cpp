#include "vocabulary/lookup.h"

#include <array>

namespace vorlen {

namespace {

constexpr std::array<bool, 256> MakeLetterTable() {
    std::array<bool, 256> table{};
    for (char c : kLetterSet)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

constexpr std::array<bool, 256> kIsLetter = MakeLetterTable();

} // namespace

bool IsLetter(char c) {
    return kIsLetter[static_cast<unsigned char>(c)];
}

int LineIndexOf(char firstLetter) {
    const char c = ToLowerByte(firstLetter);
    if (c >= 'a' && c <= 'z') return c - 'a';
    if (c == "á"_w[0]) return 0;
    if (c == "é"_w[0]) return 4;
    if (c == "í"_w[0]) return 8;
    if (c == "ó"_w[0]) return 14;
    if (c == "ú"_w[0]) return 20;
    if (c == "ñ"_w[0]) return 26;
    return -1;
}

std::int32_t VocabLookup(const Engine& engine, std::string_view key) {
    if (key.size() < 2) return 0;
    const int line = LineIndexOf(key[1]);
    if (line < 0) return 0;
    const VocabularyStore& store = *engine.Vocabulary;
    // A key that is one bar-framed word is answered by the index; anything else
    // (a key holding inner bars) by a plain search of the line.
    if (key.size() >= 2 && key.front() == '|' && key.back() == '|' &&
        !HoldsBar(key.substr(1, key.size() - 2))) {
        return store.Entries.Find(store.VocabLines, line, key.substr(1, key.size() - 2));
    }
    const auto pos = store.VocabLines[static_cast<std::size_t>(line)].find(key);
    return pos == std::string::npos ? 0 : static_cast<std::int32_t>(pos + 1);
}

std::string FoldForLookup(std::string_view word, bool ignoreDiacritics) {
    std::string out(word);
    if (ignoreDiacritics) {
        static constexpr std::string_view accented = "áéíóú"_w;
        static constexpr std::string_view plain = "aeiou";
        for (std::size_t k = 0; k < accented.size(); ++k) {
            const auto pos = out.find(accented[k]);
            if (pos != std::string::npos) out[pos] = plain[k];
        }
    }
    ToLowerInPlace(out);
    return out;
}

int HasAccent(std::string_view word) {
    return word.find_first_of("áéíóú"_w) == std::string_view::npos ? 0 : 1;
}

void DropLastAlternative(std::string& wordResult) {
    const auto firstBar = wordResult.size() < 2 ? std::string::npos : wordResult.find('|', 1);
    const bool single =
        firstBar == std::string::npos ? wordResult.empty() : firstBar + 1 == wordResult.size();
    if (single) return;
    wordResult.pop_back();
    while (!wordResult.empty() && wordResult.back() != '|')
        wordResult.pop_back();
}

} // namespace vorlen
