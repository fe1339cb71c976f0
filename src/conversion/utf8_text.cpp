#include "conversion/utf8_text.h"

#include "vocabulary/cp1252.h"

namespace vorlen {

Utf8Char DecodeUtf8SequenceAt(std::string_view text, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (b0 < 0x80) return {b0, 1, true};
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, cp = b0 & 0x1F, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, cp = b0 & 0x0F, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, cp = b0 & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (pos + length > text.size()) return {};
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[pos + k]);
        if ((b & 0xC0) != 0x80) return {};
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
    return {cp, length, true};
}

std::size_t CountCharacters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        const auto b = static_cast<unsigned char>(text[pos]);
        pos += b < 0x80 ? 1 : DecodeUtf8At(text, pos).Length;
    }
    return count;
}

LetterTable::LetterTable(std::string_view letterSet) {
    for (char c : letterSet)
        isLetter_[static_cast<unsigned char>(c)] = true;
}

int LetterTable::NonAsciiByte(char32_t codePoint) {
    return CodePointToCp1252(codePoint);
}

} // namespace vorlen
