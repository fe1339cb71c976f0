// The text a client sends, as the engine reads it and as the client counts it.
//
// The LanguageTool clients (browser add-ons, LibreOffice, JavaScript editors)
// index strings in UTF-16 code units: a letter of Spanish is one unit, an
// emoji two. The engine works on UTF-8 bytes. And a client that sends
// annotated text (markup such as <b> or <p> between runs of text) wants
// offsets into the whole document, markup included, while only the text is
// checked. A DocumentText holds the text to check and turns its byte offsets
// into the client's.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorlen::server {

// UTF-16 code units of a valid UTF-8 text.
std::size_t Utf16Length(std::string_view utf8);

class DocumentText {
  public:
    // A plain text: the document is the text itself.
    static DocumentText Plain(std::string text);

    // Appends a run of text that is checked.
    void AddText(std::string_view text);
    // Appends markup: `markup` counts in the document's offsets, `interpretAs`
    // (a line break for <p>, say) stands in the checked text for it.
    void AddMarkup(std::string_view markup, std::string_view interpretAs);

    // What is checked (UTF-8).
    const std::string& Checked() const { return checked_; }

    // The document offset (UTF-16 units) of a byte offset of Checked(); an
    // offset inside what stands for markup goes to the markup's start, or to
    // its end when `end`.
    std::size_t DocumentOffset(std::size_t byteOffset, bool end = false) const;

  private:
    struct Piece {
        std::size_t CheckedStart = 0; // bytes
        std::size_t CheckedEnd = 0;
        std::size_t DocumentStart = 0; // UTF-16 units
        std::size_t DocumentLength = 0;
        bool IsText = true;
    };
    std::string checked_;
    std::vector<Piece> pieces_;
    std::size_t documentLength_ = 0;
};

// Where a match stands in its surroundings, as the LanguageTool clients show it.
struct MatchSurroundings {
    std::string Context;           // some characters either side of the word
    std::size_t ContextOffset = 0; // the word in Context, UTF-16 units
    std::string Sentence;          // the sentence around the word, shortened when long
};

// The surroundings of the bytes [start, start + length) of `text`.
MatchSurroundings SurroundingsOf(std::string_view text, std::size_t start, std::size_t length);

} // namespace vorlen::server
