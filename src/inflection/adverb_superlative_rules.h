// Adverbs in "mente", superlatives in "ísimo" and agent nouns in "ora".
// The superlatives go by replacement first (every ending with "o|", then with
// "a|", "e|" and the bare stem); those of participles lead to the infinitive
// only after the participle itself was tried (cansado before cansar).
#pragma once

#include "inflection/inflection_rule.h"

#include <array>

namespace vorlen {

inline constexpr std::array<InflectionRule, 33> kAdverbSuperlativeRules = {{
    // clang-format off
    {"amente"_w, "o|"_w}, // rápidamente -> rápido
    {"mente"_w, "|"_w}, // felizmente -> feliz
    {"ísimo"_w, "o|"_w},
    {"ísima"_w, "o|"_w},
    {"ísimos"_w, "o|"_w},
    {"ísimas"_w, "o|"_w},
    {"ísimo"_w, "a|"_w},
    {"ísima"_w, "a|"_w},
    {"ísimos"_w, "a|"_w},
    {"ísimas"_w, "a|"_w},
    {"ísimo"_w, "e|"_w},
    {"ísima"_w, "e|"_w},
    {"ísimos"_w, "e|"_w},
    {"ísimas"_w, "e|"_w},
    {"ísimo"_w, "|"_w},
    {"ísima"_w, "|"_w},
    {"ísimos"_w, "|"_w},
    {"ísimas"_w, "|"_w},
    {"adísimo"_w, "ar|"_w},
    {"adísima"_w, "ar|"_w},
    {"adísimos"_w, "ar|"_w},
    {"adísimas"_w, "ar|"_w},
    {"idísimo"_w, "er|"_w},
    {"idísima"_w, "er|"_w},
    {"idísimos"_w, "er|"_w},
    {"idísimas"_w, "er|"_w},
    {"idísimo"_w, "ir|"_w},
    {"idísima"_w, "ir|"_w},
    {"idísimos"_w, "ir|"_w},
    {"idísimas"_w, "ir|"_w},
    {"ora"_w, "or|"_w},
    {"oras"_w, "or|"_w},
    {"oramente"_w, "or|"_w},
    // clang-format on
}};

} // namespace vorlen
