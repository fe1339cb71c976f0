// The words of one line of the ispell pipe. A line is UTF-8, or Windows-1252
// when its bytes are not valid UTF-8 (as texts are read); offsets count
// characters (code points), as the pipe's clients count them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorlen::pipe {

// `raw` as UTF-8: unchanged when it is valid UTF-8, else read as Windows-1252.
std::string LineAsUtf8(std::string_view raw);

struct LineWord {
    std::string_view Text;      // a view into the line
    std::size_t CharOffset = 0; // characters before the word, plus the base given
};

// The runs of letters of `utf8Line`: the letters of Spanish and the other
// Latin letters (so that "garçon" is one word, not found, rather than two
// pieces); digits, marks, punctuation, spaces and control bytes separate.
std::vector<LineWord> WordsOfLine(std::string_view utf8Line, std::size_t charBase);

// The number of characters of `utf8`.
std::size_t CharacterCount(std::string_view utf8);

// Lower-case form of a word (ASCII and the Latin-1 capitals).
std::string LowerCaseWord(std::string_view utf8);

} // namespace vorlen::pipe
