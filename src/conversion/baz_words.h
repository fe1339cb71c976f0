// The words that really begin with "baz". Any other candidate beginning with
// it is a respelling of "bas" (básico, bastante) gone wrong and is rewritten.
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

inline constexpr auto kBazWords = std::to_array<std::string_view>({
    "|bazo|"_w,
    "|baza|"_w,
    "|bazofia|"_w,
    "|bazar|"_w,
    "|bazos|"_w,
    "|bazas|"_w,
    "|bazofias|"_w,
    "|bazares|"_w,
});
static_assert(kBazWords.size() == 8);

} // namespace vorlen
