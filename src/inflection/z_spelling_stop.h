// Standard Spanish writes c, not z, before e (empecemos, not empezemos). A word
// of four letters or more that reaches these endings after the plural and
// gender rules is never accepted as a form, whatever the vocabulary holds.
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

inline constexpr std::array<std::string_view, 6> kZSpellingStopEndings = {
    "ze"_w, "zé"_w, "zes"_w, "zen"_w, "zemos"_w, "zéis"_w,
};

} // namespace vorlen
