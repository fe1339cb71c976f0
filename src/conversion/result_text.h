// Small edits of the working result text, all exact (case and accents count).
#pragma once

#include "vocabulary/text_search.h"

#include <string>
#include <string_view>

namespace vorlen {

// Puts `to` in the place of the first `from`; false when there is none.
inline bool ReplaceFirst(std::string& text, std::string_view from, std::string_view to) {
    const auto pos = text.find(from);
    if (pos == std::string::npos) return false;
    text.replace(pos, from.size(), to);
    return true;
}

} // namespace vorlen
