// Reading a word's output form back: what the bars of "ves|vez", "|kasx" and
// "haber|" say about the word, for every front end that needs more than the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>
#include <vorlen/speller.h>

namespace vorlen {

// The spellings a word's output form offers, in order: "ves|vez" -> ves, vez;
// "haber|" -> haber; "|kasx" -> none.
std::vector<std::string> OfferedSpellings(std::string_view output);

// What became of `written` when it came out as `output` (both UTF-8).
WordStatus StatusOf(std::string_view written, std::string_view output);

} // namespace vorlen
