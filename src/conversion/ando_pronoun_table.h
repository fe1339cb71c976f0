// Gerunds in -ando with attached pronouns: hablando + me -> hablándome,
// dando + selo -> dándoselo.
#pragma once

#include "conversion/gerund_pronoun_table.h"
#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

inline constexpr auto kAndoPronounAccents = std::to_array<GerundAccent>({
    {"andom"_w, "ándom"_w},
    {"andot"_w, "ándot"_w},
    {"andos"_w, "ándos"_w},
    {"andol"_w, "ándol"_w},
    {"andon"_w, "ándon"_w},
    {"andoo"_w, "ándoo"_w},
});
static_assert(kAndoPronounAccents.size() == 6);

// Words whose "ando" + letter is no gerund: a list holding any of them is
// left alone.
inline constexpr auto kAndoWordsLeftAlone = std::to_array<std::string_view>({
    "bandoler"_w,
    "mandolin"_w,
    "grandote"_w,
    "abandon"_w,
});
static_assert(kAndoWordsLeftAlone.size() == 4);

} // namespace vorlen
