// Any bytes as a text to convert, under every combination of options: the
// conversion must neither crash nor hang, and every byte outside the words
// must come through unchanged.
#include "conversion/text_driver.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_file.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {

using namespace vorlen::literals;

std::shared_ptr<const vorlen::VocabularyStore> SmallVocabulary() {
    // A few dozen real words on their lines, a replacement pair and extra words.
    static const std::string words[] = {"|a|aber|abierto|acá|agua|ahí|árbol|así|",
                                        "|bien|baca|bonito|",
                                        "|casa|caso|cómo|ciudad|cosa|comer|",
                                        "|de|decir|día|días|Díaz|",
                                        "|el|él|en|es|escuela|está|estar|esta|",
                                        "|fácil|",
                                        "|gente|",
                                        "|haber|hablar|hola|hay|",
                                        "|ir|",
                                        "|ya|",
                                        "|kilo|",
                                        "|llano|leer|leído|",
                                        "|mi|mí|me|mes|",
                                        "|no|",
                                        "|o|ó|ola|",
                                        "|perro|pero|país|",
                                        "|que|qué|",
                                        "|rápido|",
                                        "|se|sé|sol|si|sí|",
                                        "|te|té|tener|",
                                        "|uno|",
                                        "|vaca|vez|ves|",
                                        "|w|",
                                        "|x|",
                                        "|yo|",
                                        "|zapato|",
                                        "|ñu|"};
    std::string file;
    for (const auto& line : words)
        file += line + "\r\n";
    file += "|ves|vez|>|vez|;|ablando|>|hablando|;\r\n|cria|fria|\r\n\r\n";
    auto text = vorlen::ParseVocabularyText(file);
    return vorlen::BuildVocabularyStore(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto store = SmallVocabulary();
    if (size == 0) return 0;
    const std::uint8_t flags = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    vorlen::Engine engine;
    engine.Vocabulary = store;
    engine.Options.IgnoreDiacritics = flags & 1;
    engine.IgnoreDiacritics = flags & 1;
    engine.Options.CapsRule = (flags >> 1) & 1;
    engine.Options.BarAfterChange = (flags >> 2) & 1;
    engine.Options.SimilarOnMiss = (flags >> 3) & 1;
    engine.Options.ChangeFoundWords = (flags >> 4) & 1;
    engine.Options.EnglishMessages = (flags >> 5) & 1;
    engine.Options.Classic = (flags >> 6) & 1;

    const vorlen::ConversionResult result = vorlen::ConvertText(engine, text);

    // Everything that is not a letter must appear in the output, in order.
    std::size_t at = 0;
    for (char c : text) {
        if (vorlen::IsLetter(c) || static_cast<unsigned char>(c) >= 0x80) continue;
        at = result.Text.find(c, at);
        if (at == std::string::npos) __builtin_trap();
        ++at;
    }
    return 0;
}
