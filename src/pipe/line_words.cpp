#include "pipe/line_words.h"

#include "conversion/utf8_text.h"
#include "vocabulary/cp1252.h"

namespace vorlen::pipe {

namespace {

bool IsWordCharacter(const Utf8Char& c) {
    if (!c.Valid) return false;
    const char32_t cp = c.CodePoint;
    if ((cp >= U'a' && cp <= U'z') || (cp >= U'A' && cp <= U'Z')) return true;
    // Latin-1 letters (× and ÷ are not) and Latin Extended-A and -B.
    if (cp >= 0xC0 && cp <= 0x24F) return cp != 0xD7 && cp != 0xF7;
    return false;
}

} // namespace

std::string LineAsUtf8(std::string_view raw) {
    if (IsValidUtf8(raw)) return std::string(raw);
    return Cp1252ToUtf8(raw);
}

std::vector<LineWord> WordsOfLine(std::string_view utf8Line, std::size_t charBase) {
    std::vector<LineWord> words;
    std::size_t chars = charBase;
    std::size_t wordStart = 0, wordChars = 0;
    bool inWord = false;
    for (std::size_t pos = 0; pos <= utf8Line.size();) {
        Utf8Char c;
        if (pos < utf8Line.size()) c = DecodeUtf8At(utf8Line, pos);
        const bool letter = pos < utf8Line.size() && IsWordCharacter(c);
        if (letter && !inWord) {
            inWord = true;
            wordStart = pos;
            wordChars = chars;
        } else if (!letter && inWord) {
            inWord = false;
            words.push_back({utf8Line.substr(wordStart, pos - wordStart), wordChars});
        }
        if (pos == utf8Line.size()) break;
        pos += c.Length;
        ++chars;
    }
    return words;
}

std::size_t CharacterCount(std::string_view utf8) {
    return CountCharacters(utf8);
}

std::string LowerCaseWord(std::string_view utf8) {
    std::string lower;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = DecodeUtf8At(utf8, pos);
        char32_t cp = c.CodePoint;
        if (c.Valid && ((cp >= U'A' && cp <= U'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)))
            cp += 0x20;
        if (c.Valid && cp != c.CodePoint) {
            if (cp < 0x80) {
                lower += static_cast<char>(cp);
            } else { // two bytes: every lower-case letter of Latin-1
                lower += static_cast<char>(0xC0 | (cp >> 6));
                lower += static_cast<char>(0x80 | (cp & 0x3F));
            }
        } else {
            lower += utf8.substr(pos, c.Length);
        }
        pos += c.Length;
    }
    return lower;
}

} // namespace vorlen::pipe
