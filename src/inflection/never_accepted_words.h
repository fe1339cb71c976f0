// Spellings by ear of llano, llana and their plurals. As words they would be
// read as forms of yo, io or zo through "ano"/"ana"; they are never accepted
// themselves, so that the respelling offers llano instead.
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

inline constexpr std::array<std::string_view, 12> kNeverAcceptedWords = {
    "yano"_w,  "iano"_w,  "zano"_w,  "yana"_w,  "iana"_w,  "zana"_w,
    "yanos"_w, "ianos"_w, "zanos"_w, "yanas"_w, "ianas"_w, "zanas"_w,
};

} // namespace vorlen
