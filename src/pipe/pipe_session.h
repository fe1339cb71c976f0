// One session of the ispell pipe protocol: every line the client sends gets
// its answer. A line of text gets one line per word ("*" found, "& word N
// offset: s1, s2" with spellings to offer, "# word offset" with none), then an
// empty line; a line that starts with a command character is a command:
//   ^text   text after the "^" (the way clients send text that could look like a command)
//   *word   add to the personal word list     &word  the same, in small letters
//   @word   accept for this session           #      save the personal word list
//   !       terse mode: no "*" lines          %      back to verbose
//   + - ~ ` $$...  modes of other checkers, accepted and ignored
// Offsets count characters from the start of the line as received, the "^"
// included.
#pragma once

#include "pipe/line_check.h"
#include "pipe/personal_words.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlen::pipe {

class PipeSession {
  public:
    PipeSession(const Speller& speller, PersonalWords& personal, ConversionOptions options = {});

    // Appends the answer to a line (or to a piece of a long one: `lineEnds`
    // false while more of the same line follows) to `out`. Throws
    // std::runtime_error when saving the personal word list fails.
    void HandleLine(std::string_view raw, bool lineEnds, std::string& out);

    bool Terse() const { return terse_; }

  private:
    void AnswerText(std::string_view utf8Text, std::size_t charBase, std::string& out);
    void RunCommand(std::string_view utf8Line);

    PersonalWords& personal_;
    LineChecker checker_;
    bool terse_ = false;
    // Within a long line: whether it is text, and the characters before this piece.
    bool continuing_ = false;
    bool continuingText_ = false;
    std::size_t continuedChars_ = 0;
};

} // namespace vorlen::pipe
