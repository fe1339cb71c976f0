#include "server/document_text.h"

#include <algorithm>

namespace vorlen::server {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Characters (code points) of context shown on each side of a match.
constexpr std::size_t kContextCharacters = 40;
// A sentence longer than this on one side of the word is cut there.
constexpr std::size_t kSentenceCharacters = 300;

// `count` characters back from `pos`, not before `limit`.
std::size_t BackCharacters(std::string_view text, std::size_t pos, std::size_t count,
                           std::size_t limit = 0) {
    while (count > 0 && pos > limit) {
        --pos;
        if (!IsContinuationByte(text[pos])) --count;
    }
    while (pos > limit && IsContinuationByte(text[pos]))
        --pos;
    return pos;
}

// `count` characters forward from `pos`, not past `limit`.
std::size_t ForwardCharacters(std::string_view text, std::size_t pos, std::size_t count,
                              std::size_t limit) {
    while (count > 0 && pos < limit) {
        ++pos;
        while (pos < limit && IsContinuationByte(text[pos]))
            ++pos;
        --count;
    }
    return pos;
}

bool EndsSentence(char c) {
    return c == '.' || c == '?' || c == '!' || c == '\n';
}

} // namespace

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        if (IsContinuationByte(c)) continue;
        // A four-byte sequence is a character beyond the Basic Multilingual
        // Plane: a surrogate pair in UTF-16.
        units += static_cast<unsigned char>(c) >= 0xF0 ? 2 : 1;
    }
    return units;
}

DocumentText DocumentText::Plain(std::string text) {
    DocumentText document;
    document.AddText(text);
    return document;
}

void DocumentText::AddText(std::string_view text) {
    const std::size_t units = Utf16Length(text);
    pieces_.push_back(
        {checked_.size(), checked_.size() + text.size(), documentLength_, units, true});
    checked_ += text;
    documentLength_ += units;
}

void DocumentText::AddMarkup(std::string_view markup, std::string_view interpretAs) {
    const std::size_t units = Utf16Length(markup);
    pieces_.push_back(
        {checked_.size(), checked_.size() + interpretAs.size(), documentLength_, units, false});
    checked_ += interpretAs;
    documentLength_ += units;
}

std::size_t DocumentText::DocumentOffset(std::size_t byteOffset, bool end) const {
    // The last piece starting at or before the offset; an offset at a boundary
    // belongs to the piece that starts there, unless it ends a word.
    auto it = std::upper_bound(
        pieces_.begin(), pieces_.end(), byteOffset,
        [](std::size_t offset, const Piece& piece) { return offset < piece.CheckedStart; });
    if (it == pieces_.begin()) return 0;
    --it;
    if (end)
        while (it != pieces_.begin() && it->CheckedStart == byteOffset &&
               std::prev(it)->CheckedEnd == byteOffset)
            --it;
    if (!it->IsText) return it->DocumentStart + (end ? it->DocumentLength : 0);
    const std::size_t inside = std::min(byteOffset, it->CheckedEnd) - it->CheckedStart;
    return it->DocumentStart +
           Utf16Length(std::string_view(checked_).substr(it->CheckedStart, inside));
}

MatchSurroundings SurroundingsOf(std::string_view text, std::size_t start, std::size_t length) {
    const std::size_t end = start + length;
    MatchSurroundings out;
    const std::size_t contextStart = BackCharacters(text, start, kContextCharacters);
    const std::size_t contextEnd = ForwardCharacters(text, end, kContextCharacters, text.size());
    out.Context = std::string(text.substr(contextStart, contextEnd - contextStart));
    out.ContextOffset = Utf16Length(text.substr(contextStart, start - contextStart));

    // The sentence: after the last sentence end before the word, through the
    // first one after it; no farther than kSentenceCharacters either way.
    const std::size_t lowest = BackCharacters(text, start, kSentenceCharacters);
    std::size_t sentenceStart = start;
    while (sentenceStart > lowest && !EndsSentence(text[sentenceStart - 1]))
        --sentenceStart;
    while (sentenceStart < start && (text[sentenceStart] == ' ' || text[sentenceStart] == '\t'))
        ++sentenceStart;
    const std::size_t highest = ForwardCharacters(text, end, kSentenceCharacters, text.size());
    std::size_t sentenceEnd = end;
    while (sentenceEnd < highest && !EndsSentence(text[sentenceEnd]))
        ++sentenceEnd;
    if (sentenceEnd < highest && text[sentenceEnd] != '\n') ++sentenceEnd;
    out.Sentence = std::string(text.substr(sentenceStart, sentenceEnd - sentenceStart));
    return out;
}

} // namespace vorlen::server
