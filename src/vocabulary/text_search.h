// Exact substring search over the engine's texts (word lists, results).
#pragma once

#include <cstring>
#include <string_view>

namespace vorlen {

// memmem rather than find: the parts searched for mostly begin with a bar,
// which a word list holds before every word, and memmem does not stop at each
// occurrence of the first character.
inline bool Contains(std::string_view text, std::string_view part) {
    return ::memmem(text.data(), text.size(), part.data(), part.size()) != nullptr;
}

} // namespace vorlen
