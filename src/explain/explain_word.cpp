#include "explain/explain_word.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/explanations.h"

#include <vector>

namespace vorlen {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start <= text.size();) {
        auto end = text.find(separator, start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

const WordExplanation* Find(const WordExplanations& explanations, std::string_view word) {
    const auto found = explanations.ByWord.find(ToLower(word));
    return found == explanations.ByWord.end() ? nullptr : &found->second;
}

} // namespace

std::string ExplainWord(const Engine& engine, std::string_view word) {
    const WordExplanations* explanations = engine.Vocabulary->Explanations.get();
    if (explanations == nullptr) return {};
    const WordExplanation* own = Find(*explanations, word);
    if (own == nullptr) return {};
    const bool english = engine.Options.EnglishMessages;

    std::string text;
    const auto entries = Split(own->Entries, ',');
    for (std::size_t k = 0; k < entries.size(); ++k) {
        text += k == 0 ? (english ? "form of " : "forma de ") : (english ? " or " : " o ");
        text += "«"_w;
        text += entries[k];
        text += "»"_w;
    }
    std::string_view synonyms = own->Synonyms;
    for (std::size_t k = 0; synonyms.empty() && k < entries.size(); ++k)
        if (const WordExplanation* entry = Find(*explanations, entries[k]))
            synonyms = entry->Synonyms;
    const auto list = Split(synonyms, '|');
    for (std::size_t k = 0; k < list.size(); ++k) {
        text += k == 0 ? (text.empty() ? "" : ": ") : ", ";
        text += list[k];
    }
    return text;
}

} // namespace vorlen
