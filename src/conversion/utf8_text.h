// Walking UTF-8 text one character (code point) at a time. Malformed bytes
// are characters too, one byte each, that are never letters: they pass
// through the conversion untouched.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vorlen {

struct Utf8Char {
    char32_t CodePoint = 0; // meaningless when !Valid
    std::size_t Length = 1; // bytes
    bool Valid = false;
};

// The character that starts at byte `pos`, decoded out of line.
Utf8Char DecodeUtf8SequenceAt(std::string_view text, std::size_t pos);

// The character that starts at byte `pos` (pos < text.size()). Most text is
// ASCII: that case is inlined where texts are walked.
inline Utf8Char DecodeUtf8At(std::string_view text, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (b0 < 0x80) return {b0, 1, true};
    return DecodeUtf8SequenceAt(text, pos);
}

// Number of characters (code points, a malformed byte counting as one).
std::size_t CountCharacters(std::string_view text);

// UTF-16 code units the character takes in Qt: 2 beyond the Basic
// Multilingual Plane, else 1 (a malformed byte becomes one U+FFFD).
inline int Utf16Units(const Utf8Char& c) {
    return c.Valid && c.CodePoint > 0xFFFF ? 2 : 1;
}

// Which characters make up words, from a letter set of Windows-1252 bytes.
class LetterTable {
  public:
    explicit LetterTable(std::string_view letterSet);
    // The Windows-1252 byte of a letter, or -1 for any other character.
    int LetterByte(const Utf8Char& c) const {
        if (!c.Valid) return -1;
        const int byte =
            c.CodePoint < 0x80 ? static_cast<int>(c.CodePoint) : NonAsciiByte(c.CodePoint);
        return byte >= 0 && isLetter_[static_cast<std::size_t>(byte)] ? byte : -1;
    }

    // Whether a byte of UTF-8 text is an ASCII letter, a word's usual byte.
    bool IsAsciiLetter(char byte) const {
        const auto b = static_cast<unsigned char>(byte);
        return b < 0x80 && isLetter_[b];
    }

  private:
    static int NonAsciiByte(char32_t codePoint);
    std::array<bool, 256> isLetter_{};
};

} // namespace vorlen
