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

// A bar-framed list ("|avión|avión|") names each spelling once: a later
// repetition goes, the first occurrence stays. Text without bars is left.
inline void DropRepeatedAlternatives(std::string& list) {
    if (!list.starts_with('|') || !list.ends_with('|')) return;
    std::string kept = "|";
    bool dropped = false;
    for (std::size_t start = 1; start < list.size();) {
        const std::size_t end = list.find('|', start);
        const std::string_view item = std::string_view(list).substr(start, end - start);
        if (!item.empty() && Contains(kept, "|" + std::string(item) + "|"))
            dropped = true;
        else
            kept.append(item).push_back('|');
        start = end + 1;
    }
    if (dropped) list = std::move(kept);
}

} // namespace vorlen
