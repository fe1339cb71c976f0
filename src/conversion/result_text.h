// Small edits of the working result text, all exact (case and accents count).
#pragma once

#include <string>
#include <string_view>

namespace vorlen {

inline bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Puts `to` in the place of the first `from`; false when there is none.
inline bool ReplaceFirst(std::string& text, std::string_view from, std::string_view to) {
    const auto pos = text.find(from);
    if (pos == std::string::npos) return false;
    text.replace(pos, from.size(), to);
    return true;
}

} // namespace vorlen
