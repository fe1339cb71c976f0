// Any bytes as a vocabulary file: reading, building the store and its tables,
// parsing the pairs, looking words up and searching similar words must
// neither crash nor hang.
#include "conversion/text_driver.h"
#include "variants/similar_words.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vorlen::VocabularyText text = vorlen::ParseVocabularyText(bytes);
    while (text.lines.size() < 30)
        text.lines.emplace_back();
    vorlen::Engine engine;
    engine.Vocabulary = vorlen::BuildVocabularyStore(text);
    // Look up every entry of every line, and a few keys made of the input.
    for (const auto& line : engine.Vocabulary->VocabLines) {
        std::size_t open = line.find('|');
        while (open != std::string::npos) {
            const std::size_t close = line.find('|', open + 1);
            if (close == std::string::npos) break;
            const std::string key = line.substr(open, close - open + 1);
            // The index must answer what a search of the key's own line answers.
            const int index = key.size() > 2 ? vorlen::LineIndexOf(key[1]) : -1;
            std::int32_t expected = 0;
            if (index >= 0) {
                const auto pos =
                    engine.Vocabulary->VocabLines[static_cast<std::size_t>(index)].find(key);
                expected = pos == std::string::npos ? 0 : static_cast<std::int32_t>(pos + 1);
            }
            if (key.size() > 2 && vorlen::VocabLookup(engine, key) != expected) __builtin_trap();
            open = close;
        }
    }
    for (std::size_t k = 0; k + 4 <= size && k < 64; ++k) {
        (void)vorlen::VocabLookup(engine, "|" + std::string(bytes.substr(k, 4)) + "|");
        (void)vorlen::FoldForLookup(bytes.substr(k, 4), k % 2 == 0);
    }
    std::string result(bytes.substr(0, 64));
    vorlen::DropLastAlternative(result);
    // Pieces of the input as words: the similar-word search over the lines
    // just built, and a short text through the whole conversion.
    for (std::size_t k = 0; k < size && k < 48; k += 6) {
        engine.SourceWord = std::string(bytes.substr(k, 1 + k % 11));
        engine.WordResult = "<none>";
        vorlen::FindSimilarWords(engine);
    }
    (void)vorlen::ConvertText(engine, bytes.substr(0, 48));
    return 0;
}
