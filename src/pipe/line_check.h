// The one place where the words of a line of text are checked, for the pipe:
// each word against the user's words and then the Speller (default options,
// so the engine's improvements reach the pipe), with the answers of words
// already seen kept for the session. Outside classic mode the line is read as
// running text too, for the accents its words call for from their neighbours.
#pragma once

#include "pipe/line_words.h"
#include "pipe/personal_words.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>
#include <vorlen/speller.h>

namespace vorlen::pipe {

enum class Verdict {
    Found,       // correct as written
    Suggestions, // not as written; spellings to offer
    NotFound,    // not as written and nothing to offer
};

struct WordAnswer {
    std::string_view Word; // as written, a view into the line
    std::size_t CharOffset = 0;
    Verdict Status = Verdict::NotFound;
    std::vector<std::string> Suggestions;
};

class LineChecker {
  public:
    LineChecker(const Speller& speller, const PersonalWords& personal,
                ConversionOptions options = {});

    // The verdicts on the words of `utf8Text`, offsets counted from `charBase`.
    std::vector<WordAnswer> CheckLine(std::string_view utf8Text, std::size_t charBase);

  private:
    struct Known {
        Verdict Status;
        std::vector<std::string> Suggestions;
    };
    const Known& CheckWord(std::string_view word);
    // The words of the line the context gives an accent: byte offset -> the
    // accented word, in the case written.
    std::map<std::size_t, std::string> ContextAccents(std::string_view utf8Text) const;

    const Speller& speller_;
    const PersonalWords& personal_;
    ConversionOptions options_;
    std::unordered_map<std::string, Known> memo_;
};

} // namespace vorlen::pipe
