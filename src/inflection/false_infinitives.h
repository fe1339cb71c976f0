// Short infinitives and words that the verb rules reach from unrelated words:
// bo -> "|bar|" through "o" -> "ar|", as -> "|ar|" through "as" -> "ar|".
// A hit on one of these keys counts only when the word begins with the entry
// itself (bares, pares, marea, irá).
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

struct FalseInfinitive {
    std::string_view key;
    std::string_view requiredStart; // compared exactly, over its own length
};

inline constexpr std::array<FalseInfinitive, 9> kFalseInfinitives = {{
    {"|bar|"_w, "bar"_w},
    {"|mar|"_w, "mar"_w},
    {"|par|"_w, "par"_w},
    {"|lar|"_w, "lar"_w},
    {"|zar|"_w, "zar"_w},
    {"|ar|"_w, "ar"_w},
    {"|ir|"_w, "ir"_w},
    {"|póker|"_w, "póker"_w},
    {"|lanar|"_w, "lanar"_w},
}};

} // namespace vorlen
