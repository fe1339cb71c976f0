// What in running text is not a Spanish word to respell, and which words are
// left as written: the text driver asks here before it hands a word to the
// word pipeline (outside classic mode only).
//
// Not words: web addresses, e-mail addresses, @mentions, #tags, file paths and
// tokens that mix letters with digits (mp3, h2o, COVID-19). They pass through
// exactly as written and are never looked up.
//
// Words left as written: loanwords that Spanish uses as they are (software,
// email, proxy), and, where the capitals rule applies, known first names and
// surnames and a capitalised word that opens a name of several capitalised
// words (Friedrich Nietzsche), also at the start of a sentence.
#pragma once

#include "conversion/utf8_text.h"

#include <cstddef>
#include <string_view>

namespace vorlen {

enum class TokenKind {
    Word, // anything else: cut into words as usual
    WebAddress,
    EmailAddress,
    Mention,
    Hashtag,
    FilePath,
    LettersWithDigits,
};

struct TokenSpan {
    TokenKind Kind = TokenKind::Word;
    std::size_t Length = 0; // bytes; 0 with Kind Word
};

// The token that is not a word and starts at byte `pos` of the UTF-8 text, if
// any. A token starts where a run of non-blank characters starts (after a
// space, a bracket, a quotation mark, ¿ or ¡) or where a run of letters and
// digits starts; the sentence punctuation that ends it (a full stop, a colon, a
// question mark) is not part of it. Reads only as far as the end of the run.
TokenSpan NonWordTokenAt(std::string_view text, std::size_t pos, const LetterTable& letters);

enum class KeptWord {
    No,
    Loanword,
    KnownName,
    NameOfSeveralWords,
};

struct WordSurroundings {
    bool CapsRule = true;             // capitalised words are taken for names
    bool NextWordCapitalised = false; // see NextWordIsCapitalised
};

// Whether a word (Windows-1252, as written) is left as written: a loanword in
// any case; with the capitals rule, a capitalised known name, or a capitalised
// word (not in capitals throughout) followed by a capitalised word.
KeptWord ClassifyWord(std::string_view word, const WordSurroundings& around);

// True when the text at `pos` (just after a word) goes on with spaces and then
// a word of a capital and a small letter (Nietzsche, Ángel), on the same line.
bool NextWordIsCapitalised(std::string_view text, std::size_t pos, const LetterTable& letters);

// The lists behind ClassifyWord (data/known-names.txt, data/loanwords.txt).
// Words in Windows-1252, any case. The names are listed without accents and
// match only so: a name written with an accent is either in the vocabulary
// (Martín, Ramón) or a misspelling (Iglesías for iglesias).
bool IsKnownName(std::string_view word);
bool IsLoanword(std::string_view word);

} // namespace vorlen
