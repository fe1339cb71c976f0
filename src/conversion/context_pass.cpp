#include "conversion/context_pass.h"

#include "conversion/utf8_text.h"
#include "vocabulary/cp1252.h"

namespace vorlen {

namespace {

// The context mark a character stands for, or empty for one that is left out
// (quotes, brackets, dashes, spaces).
std::string_view MarkOf(const Utf8Char& c) {
    if (!c.Valid) return {};
    switch (c.CodePoint) {
    case '.':
    case '?':
    case '!':
    case U'\u2026': // …
        return kSentenceEdge;
    case ',':
    case ';':
    case ':':
        return kPhraseEdge;
    case U'\u00BF':
        return kQuestionOpening;
    case U'\u00A1':
        return kExclamationOpening;
    default:
        return c.CodePoint >= '0' && c.CodePoint <= '9' ? kNumber : std::string_view();
    }
}

} // namespace

bool ContextAccentsActive(const Engine& engine) {
    return !engine.Options.Classic && engine.Options.ContextAccents && engine.Context;
}

void ReadContextText(ContextAccents& model, const Engine& engine, std::string_view input,
                     bool withoutAccents, std::vector<std::size_t>* wordStarts) {
    const LetterTable letters(engine.LetterSet);
    std::string word;
    const auto endWord = [&] {
        if (word.empty()) return;
        model.AddWord(withoutAccents ? PlainSpelling(word) : word);
        word.clear();
    };
    for (std::size_t pos = 0; pos < input.size();) {
        // A run of ASCII letters, most of a word, is taken whole.
        const std::size_t run = pos;
        while (pos < input.size() && letters.IsAsciiLetter(input[pos]))
            ++pos;
        if (pos > run) {
            if (word.empty() && wordStarts != nullptr) wordStarts->push_back(run);
            word.append(input.substr(run, pos - run));
            continue;
        }
        const Utf8Char c = DecodeUtf8At(input, pos);
        const int letter = letters.LetterByte(c);
        if (letter >= 0) {
            if (word.empty() && wordStarts != nullptr) wordStarts->push_back(pos);
            word.push_back(static_cast<char>(letter));
        } else {
            endWord();
            if (const std::string_view mark = MarkOf(c); !mark.empty()) model.AddMark(mark);
        }
        pos += c.Length;
    }
    endWord();
    model.Finish();
}

std::vector<PlacedAccent> FindContextAccents(const Engine& engine, std::string_view input) {
    if (!ContextAccentsActive(engine)) return {};
    ContextAccents model(*engine.Context, engine);
    std::vector<std::size_t> wordStarts;
    ReadContextText(model, engine, input, false, &wordStarts);
    std::vector<PlacedAccent> placed;
    placed.reserve(model.Choices().size());
    for (const AccentChoice& choice : model.Choices())
        if (choice.WordOrdinal < wordStarts.size())
            placed.push_back({wordStarts[choice.WordOrdinal], choice.Accented});
    return placed;
}

std::string InCaseOf(std::string_view written, std::string_view accented) {
    std::string cased(accented);
    if (written.empty() || written[0] != ToUpperByte(written[0])) return cased;
    const bool allCaps = written.size() > 1 && ToUpper(written) == written;
    if (allCaps) return ToUpper(cased);
    cased[0] = ToUpperByte(cased[0]);
    return cased;
}

} // namespace vorlen
