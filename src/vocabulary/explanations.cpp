#include "vocabulary/explanations.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/vocabulary_file.h"

#include <system_error>

namespace vorlen {

WordExplanations ParseExplanations(std::string_view bytes) {
    WordExplanations explanations;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        const auto tab1 = line.find('\t');
        if (tab1 == 0 || tab1 == std::string_view::npos) continue;
        const auto tab2 = line.find('\t', tab1 + 1);
        WordExplanation explanation;
        explanation.Entries =
            line.substr(tab1 + 1, tab2 == line.npos ? line.npos : tab2 - tab1 - 1);
        if (tab2 != std::string_view::npos) explanation.Synonyms = line.substr(tab2 + 1);
        explanations.ByWord.try_emplace(ToLower(line.substr(0, tab1)), std::move(explanation));
    }
    return explanations;
}

std::shared_ptr<const WordExplanations>
ReadExplanationsBeside(const std::filesystem::path& vocabularyFile) {
    const auto file = vocabularyFile.parent_path() / kExplanationsFileName;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return nullptr;
    return std::make_shared<const WordExplanations>(ParseExplanations(ReadFileBytes(file)));
}

} // namespace vorlen
