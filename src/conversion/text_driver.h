// Whole texts. Text is UTF-8; words (runs of letters of engine.LetterSet) go
// through the word pipeline, everything else is copied byte for byte: any
// Unicode, control characters, CR LF, even malformed bytes.
#pragma once

#include "engine/engine.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlen {

// Texts longer than this many characters (code points) end with a beep and a
// message, where the wait is noticeable.
inline constexpr std::size_t kAnnouncedLength = 1000;

struct ConversionResult {
    std::string Text;         // UTF-8
    bool AnnounceEnd = false; // the text was over 1000 characters: beep and EndMessage()
    bool Finished = true;     // false when the progress callback stopped it
};

// Receives each piece as it is appended to the output (a run of characters
// between words, or one word's output form); returning false stops the
// conversion (what was converted so far is returned).
using ConversionProgress = std::function<bool(std::string_view piece)>;

// A word of the text whose output differs from the word as written: where it
// stands in the input and in the output (bytes of UTF-8).
struct WordSpan {
    std::size_t InputOffset = 0;
    std::size_t InputLength = 0;
    std::size_t OutputOffset = 0;
    std::size_t OutputLength = 0;
};

// What a caller may ask to follow besides the text: the words that changed,
// and how far through the input the conversion is when progress is called.
struct ConversionDetail {
    std::vector<WordSpan> ChangedWords;
    std::size_t InputDone = 0;
};

// Converts a whole text with engine.Options. A capitalised word inside a
// sentence is left exactly as written when CapsRule is 1; ".", "?" and "!"
// start a sentence. Each word is shown as: the bare word; candidates joined
// by bars ("ves|vez"); a bar then the word as written (not found); or a word
// followed by a bar (one candidate, with similar words or, with
// BarAfterChange, changed).
ConversionResult ConvertText(Engine& engine, std::string_view input,
                             const ConversionProgress& progress = {},
                             ConversionDetail* detail = nullptr);

// The end message for a long text, in the language of the options (UTF-8).
std::string EndMessage(const Engine& engine);

// Brings engine.WordResult, as ConvertWord left it, to what the user sees for
// one word: the bars framing a list removed, a bar after a single word that
// has similar words; SimilarWords is emptied.
void ToOutputForm(Engine& engine);

// Then the marks: a word not found becomes "|" + the word as written; with
// BarAfterChange, a single word that differs from the word as written gets a
// bar after it.
void MarkNotFoundOrChanged(Engine& engine);

} // namespace vorlen
