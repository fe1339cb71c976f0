// The object pronouns that Spanish writes attached to a gerund: what may
// follow "iendo" or "ando" for the gerund accent to be written (one or two of
// them: hablándome, diciéndoselo). Anything else after those letters belongs
// to another word (comandos, remiendos, blandos).
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

inline constexpr auto kAttachedPronouns = std::to_array<std::string_view>({
    "me"_w,
    "te"_w,
    "se"_w,
    "nos"_w,
    "os"_w,
    "le"_w,
    "les"_w,
    "lo"_w,
    "los"_w,
    "la"_w,
    "las"_w,
});
static_assert(kAttachedPronouns.size() == 11);

} // namespace vorlen
