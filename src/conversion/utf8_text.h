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

// The character that starts at byte `pos` (pos < text.size()).
Utf8Char DecodeUtf8At(std::string_view text, std::size_t pos);

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
    int LetterByte(const Utf8Char& c) const;

  private:
    std::array<bool, 256> isLetter_{};
};

} // namespace vorlen
