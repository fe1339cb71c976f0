#include "vocabulary/explanations.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/vocabulary_file.h"

#include <system_error>

namespace vorlen {

std::shared_ptr<const WordExplanations> ParseExplanations(std::string bytes) {
    auto explanations = std::make_shared<WordExplanations>();
    explanations->Text = std::move(bytes);
    const std::string_view text = explanations->Text;
    explanations->ByWord.reserve(text.size() / 24);
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        const auto tab1 = line.find('\t');
        if (tab1 == 0 || tab1 == std::string_view::npos) continue;
        const auto tab2 = line.find('\t', tab1 + 1);
        WordExplanation explanation;
        explanation.Entries =
            line.substr(tab1 + 1, tab2 == line.npos ? line.npos : tab2 - tab1 - 1);
        if (tab2 != std::string_view::npos) explanation.Synonyms = line.substr(tab2 + 1);
        explanations->ByWord.try_emplace(line.substr(0, tab1), explanation);
    }
    return explanations;
}

std::shared_ptr<const WordExplanations>
ReadExplanationsBeside(const std::filesystem::path& vocabularyFile) {
    const auto file = vocabularyFile.parent_path() / kExplanationsFileName;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return nullptr;
    return ParseExplanations(ReadFileBytes(file));
}

} // namespace vorlen
