// Diminutives whose stem changes its spelling before "ito": c -> qu
// (poquito -> poco), z -> c (tacita -> taza), g -> gu (amiguito -> amigo),
// and a final r kept before "cito" (amorcito -> amor). Feminine bases are
// tried before masculine ones.
#pragma once

#include "inflection/inflection_rule.h"

#include <array>

namespace vorlen {

inline constexpr std::array<InflectionRule, 20> kDiminutiveSpellingRules = {{
    // clang-format off
    {"quito"_w, "co|"_w},
    {"quitos"_w, "co|"_w},
    {"quita"_w, "ca|"_w},
    {"quita"_w, "co|"_w},
    {"quitas"_w, "ca|"_w},
    {"quitas"_w, "co|"_w},
    {"cito"_w, "zo|"_w},
    {"citos"_w, "zo|"_w},
    {"cita"_w, "za|"_w},
    {"cita"_w, "zo|"_w},
    {"citas"_w, "za|"_w},
    {"citas"_w, "zo|"_w},
    {"rcito"_w, "r|"_w},
    {"rcitos"_w, "r|"_w},
    {"guito"_w, "go|"_w},
    {"guitos"_w, "go|"_w},
    {"guita"_w, "ga|"_w},
    {"guita"_w, "go|"_w},
    {"guitas"_w, "ga|"_w},
    {"guitas"_w, "go|"_w},
    // clang-format on
}};

} // namespace vorlen
