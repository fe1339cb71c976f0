#include "conversion/immediate_mode.h"

#include "conversion/text_driver.h"
#include "conversion/utf8_text.h"
#include "conversion/word_pipeline.h"
#include "vocabulary/cp1252.h"

#include <vector>

namespace vorlen {

namespace {

int Utf16Length(std::string_view text) {
    int units = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = DecodeUtf8At(text, pos);
        units += Utf16Units(c);
        pos += c.Length;
    }
    return units;
}

// Byte length of the first `count` characters of the text.
std::size_t BytesOfCharacters(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t k = 0; k < count && pos < text.size(); ++k)
        pos += DecodeUtf8At(text, pos).Length;
    return pos;
}

// The Windows-1252 byte of the typed key when it is one letter, else -1.
int TypedLetter(const Engine& engine, std::string_view typed) {
    const Utf8Char c = DecodeUtf8At(typed, 0);
    if (c.Length != typed.size()) return -1;
    return LetterTable(engine.LetterSet).LetterByte(c);
}

} // namespace

void StartImmediateMode(Engine& engine) {
    engine.Options.ImmediateMode = true;
    engine.CurrentWord.clear();
    engine.CurrentChar.clear();
}

// engine.CurrentChar holds the last key typed, as UTF-8: it can be any
// character, not only a Windows-1252 one.
bool TypeKey(Engine& engine, const std::string& typed, std::string& text, int& caret) {
    if (!engine.Options.ImmediateMode || typed.empty()) return false;
    const int letter = TypedLetter(engine, typed);
    if (engine.CurrentWord.empty()) {
        // A non-letter with no word pending is only inserted: the copy of the
        // previous key would be cut off again at once, so nothing changes.
        if (letter < 0) {
            engine.CurrentChar = typed;
            return false;
        }
        bool changed = false;
        if (!engine.CurrentChar.empty()) {
            caret = Utf16Length(text);
            text += engine.CurrentChar;
            changed = true;
        }
        engine.CurrentChar = typed;
        engine.CurrentWord.push_back(static_cast<char>(letter));
        return changed;
    }
    engine.CurrentChar = typed;
    if (letter >= 0) {
        engine.CurrentWord.push_back(static_cast<char>(letter));
        return false;
    }

    // The pending word has ended: convert it (no word is protected by the
    // capitals rule here) and put its output form in place of the word as
    // typed and the copy of the key before it.
    ConvertWord(engine);
    engine.SentenceStarted = engine.Options.CapsRule;
    ToOutputForm(engine);
    MarkNotFoundOrChanged(engine);
    const long long keep = static_cast<long long>(CountCharacters(text)) -
                           static_cast<long long>(engine.CurrentWord.size()) - 1;
    text.resize(BytesOfCharacters(text, keep > 0 ? static_cast<std::size_t>(keep) : 0));
    text += Cp1252ToUtf8(engine.WordResult);
    engine.CurrentWord.clear();
    caret = Utf16Length(text);
    return true;
}

bool ChooseAlternative(std::string& text, int caret) {
    if (text.find('|') == std::string::npos) return false;
    // The characters of the text (1-based below, as positions are counted).
    struct Character {
        std::size_t Offset;
        Utf8Char Char;
    };
    std::vector<Character> chars;
    chars.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = DecodeUtf8At(text, pos);
        chars.push_back({pos, c});
        pos += c.Length;
    }
    const long long n = static_cast<long long>(chars.size());

    // The caret, in UTF-16 units, as the number of characters before it.
    long long s = 0;
    for (int units = 0; s < n && units < caret; ++s)
        units += Utf16Units(chars[static_cast<std::size_t>(s)].Char);
    if (s == 0) s = 1;

    const LetterTable letters(kLetterSet);
    const auto at = [&](long long position) -> const Utf8Char& {
        return chars[static_cast<std::size_t>(position - 1)].Char;
    };
    const auto isLetter = [&](long long position) { return letters.LetterByte(at(position)) >= 0; };
    const auto isBar = [&](long long position) {
        return at(position).Valid && at(position).CodePoint == '|';
    };
    const auto inList = [&](long long position) { return isLetter(position) || isBar(position); };

    long long a = s, b = s, c = s, d = s;
    while (a > 1 && inList(a - 1))
        --a;
    while (b < n && inList(b + 1))
        ++b;
    while (c >= 2 && isLetter(c - 1))
        --c;
    while (d < n && isLetter(d + 1))
        ++d;

    bool hasBar = false;
    for (long long k = a; k <= b; ++k)
        hasBar = hasBar || isBar(k);
    if (!hasBar) return false;

    const auto offset = [&](long long position) {
        return position > n ? text.size() : chars[static_cast<std::size_t>(position - 1)].Offset;
    };
    std::string chosen = text.substr(0, offset(a));
    chosen += text.substr(offset(c), offset(d + 1) - offset(c));
    chosen += text.substr(offset(b + 1));
    const bool changed = chosen != text;
    text = std::move(chosen);
    return changed;
}

} // namespace vorlen
