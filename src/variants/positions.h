// Character positions as the variant searches count them: 1-based, and a
// position outside the string holds no character (kNoChar) instead of being
// an error. Reading through these helpers keeps every scan inside its string
// however short, long or odd the word and the vocabulary line are.
#pragma once

#include <cstddef>
#include <string_view>

namespace vorlen::variants {

inline constexpr int kNoChar = -1;

// The byte at 1-based position `pos` (0..255), or kNoChar outside the string.
inline int CharAt(std::string_view s, std::size_t pos) {
    return pos >= 1 && pos <= s.size() ? static_cast<unsigned char>(s[pos - 1]) : kNoChar;
}

// 1-based position of the first `c` at or after position `start`, 0 when none.
inline std::size_t FindFrom(std::string_view s, char c, std::size_t start) {
    if (start == 0) start = 1;
    if (start > s.size()) return 0;
    const auto at = s.find(c, start - 1);
    return at == std::string_view::npos ? 0 : at + 1;
}

} // namespace vorlen::variants
