// What a word is, for a person choosing between alternatives: the entries it
// is a form of and a few words of like meaning. data/explanations.txt, read
// with the vocabulary (see data/README.md), Windows-1252, one word a line:
//
//     word TAB entry,entry TAB synonym|synonym|synonym
//
// either field may be empty; an entry is written out in full.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vorlen {

inline constexpr std::string_view kExplanationsFileName = "explanations.txt";

struct WordExplanation {
    std::string_view Entries;  // "casa,casar": the entries the word is a form of
    std::string_view Synonyms; // "tiempo|ocasión|turno"
};

// Views into the file's text, kept with them: no allocation per word at
// start-up. Built once, never copied.
struct WordExplanations {
    WordExplanations() = default;
    WordExplanations(const WordExplanations&) = delete;
    WordExplanations& operator=(const WordExplanations&) = delete;

    std::string Text;
    std::unordered_map<std::string_view, WordExplanation> ByWord; // lower-case word
};

// Lines without a tab are passed over; a word listed twice keeps its first line.
std::shared_ptr<const WordExplanations> ParseExplanations(std::string bytes);
// The explanations file beside a vocabulary file (nullptr when there is none);
// throws VocabularyError when it exists but cannot be read.
std::shared_ptr<const WordExplanations>
ReadExplanationsBeside(const std::filesystem::path& vocabularyFile);

} // namespace vorlen
