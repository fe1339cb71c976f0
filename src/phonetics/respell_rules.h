// The sound-alike rules of the search with diacritics ignored. The word has
// been folded (lower case, the first of each accented vowel made plain), so
// the patterns hold plain vowels; an accented vowel is only offered, after a
// vowel or as the stressed form. Tried from the top; the first that applies
// wins, so a longer pattern stands before the shorter one it refines.
//
// Column 0 is usually the written spelling, so the first candidate is the
// word itself. The exceptions: es- before c, p, t, qu offers ex- first; an
// initial rr, and lrr, nrr, srr, keep a single r; qua and quo offer cu first;
// and a silent h (ha, he, ho, hu, h) or a double s is dropped in column 0.
#pragma once

#include "phonetics/respell_rule.h"

#include <array>

namespace vorlen {

inline constexpr std::array<RespellRule, 125> kRespellRules = {{
    // At the opening bar: an optional h before a first vowel, the x spelling of
    // es- before a consonant, a single r; then the bar of every other word.
    {"|a"_w, {}, {"|"_w, "|h"_w}, 1},
    {"|esc"_w, {}, {"|exc"_w, "|esc"_w}, 4},
    {"|esp"_w, {}, {"|exp"_w, "|esp"_w}, 4},
    {"|est"_w, {}, {"|ext"_w, "|est"_w}, 4},
    {"|esqu"_w, {}, {"|exqu"_w, "|esqu"_w}, 5},
    {"|e"_w, {}, {"|"_w, "|h"_w}, 1},
    {"|ha|"_w, {}, {"|ha|"_w}, 4},
    {"|he|"_w, {}, {"|he|"_w}, 4},
    {"|i"_w, {}, {"|"_w, "|h"_w}, 1},
    {"|o"_w, {}, {"|"_w, "|h"_w}, 1},
    {"|u"_w, {}, {"|"_w, "|h"_w}, 1},
    {"|rr"_w, {}, {"|r"_w}, 3},
    {"|ll"_w, {}, {"|ll"_w, "|y"_w, "|hi"_w, "|i"_w}, 3},
    {"|y"_w, {}, {"|y"_w, "|ll"_w, "|hi"_w, "|i"_w}, 2},
    {"|"_w, {}, {"|"_w}, 1},

    // a to f
    {"aa"_w, {}, {"a"_w, "ah"_w}, 1},
    {"ae"_w, {}, {"a"_w, "ah"_w}, 1},
    {"ai"_w, {}, {"a"_w, "ah"_w}, 1},
    {"ao"_w, {}, {"a"_w, "ah"_w, "ad"_w}, 1},
    {"au"_w, {}, {"a"_w, "ah"_w}, 1},
    {"a"_w, {}, {"a"_w, "á"_w}, 1},
    {"b"_w, {}, {"b"_w, "v"_w}, 1},
    {"ch"_w, {}, {"ch"_w, "sh"_w}, 2},
    {"cs"_w, {}, {"cs"_w, "cc"_w, "x"_w}, 2},
    {"c"_w, kCSet, {"c"_w, "k"_w}, 1},
    {"ce"_w, {}, {"c"_w, "s"_w, "sc"_w}, 1},
    {"ci"_w, {}, {"c"_w, "s"_w, "sc"_w}, 1},
    {"d"_w, {}, {"d"_w}, 1},
    {"ea"_w, {}, {"e"_w, "eh"_w}, 1},
    {"ee"_w, {}, {"e"_w, "eh"_w}, 1},
    {"ei"_w, {}, {"e"_w, "eh"_w}, 1},
    {"eo"_w, {}, {"e"_w, "eh"_w}, 1},
    {"eu"_w, {}, {"e"_w, "eh"_w}, 1},
    {"e"_w, {}, {"e"_w, "é"_w}, 1},
    {"fu"_w, {}, {"f"_w, "j"_w}, 1},
    {"f"_w, {}, {"f"_w}, 1},

    // g and h: g before e and i sounds like j; a silent h
    {"ge"_w, {}, {"g"_w, "j"_w, "gu"_w}, 1},
    {"gi"_w, {}, {"g"_w, "j"_w, "gu"_w}, 1},
    {"gua"_w, {}, {"g"_w, "h"_w}, 1},
    {"gue"_w, {}, {"gu"_w, "gü"_w, "hu"_w}, 2},
    {"gui"_w, {}, {"gu"_w, "gü"_w, "hu"_w}, 2},
    {"guo"_w, {}, {"g"_w, "h"_w}, 1},
    {"gü"_w, {}, {"gü"_w, "hu"_w}, 2},
    {"g"_w, kGSet, {"g"_w}, 1},
    {"ha"_w, {}, {""_w, "h"_w}, 1},
    {"he"_w, {}, {""_w, "h"_w}, 1},
    {"hi"_w, {}, {"hi"_w, "i"_w, "y"_w, "ll"_w}, 2},
    {"ho"_w, {}, {""_w, "h"_w}, 1},
    {"hua"_w, {}, {"hu"_w, "gu"_w, "w"_w}, 2},
    {"hue"_w, {}, {"hu"_w, "gu"_w, "gü"_w}, 2},
    {"hui"_w, {}, {"hu"_w, "gu"_w, "w"_w, "wh"_w, "gü"_w}, 2},
    {"huo"_w, {}, {"hu"_w, "gu"_w}, 2},
    {"hu"_w, {}, {""_w, "h"_w}, 1},
    {"h"_w, {}, {""_w, "h"_w}, 1},

    // i to l: l and r before a consonant
    {"ia"_w, {}, {"i"_w, "ih"_w, "e"_w, "eh"_w}, 1},
    {"ie"_w, {}, {"i"_w, "ih"_w}, 1},
    {"ii"_w, {}, {"i"_w, "ih"_w}, 1},
    {"io"_w, {}, {"i"_w, "ih"_w, "e"_w, "eh"_w}, 1},
    {"iu"_w, {}, {"i"_w, "ih"_w}, 1},
    {"i"_w, kISet, {"i"_w, "y"_w, "í"_w}, 1},
    {"i"_w, {}, {"i"_w, "í"_w}, 1},
    {"ju"_w, {}, {"j"_w, "f"_w}, 1},
    {"j"_w, kJSet, {"j"_w}, 1},
    {"je"_w, {}, {"j"_w, "g"_w}, 1},
    {"ji"_w, {}, {"j"_w, "g"_w}, 1},
    {"k"_w, kGSet, {"k"_w, "c"_w}, 1},
    {"ke"_w, {}, {"k"_w, "qu"_w}, 1},
    {"ki"_w, {}, {"k"_w, "qu"_w}, 1},
    {"ll"_w, {}, {"ll"_w, "y"_w}, 2},
    {"l|"_w, {}, {"l"_w, "r"_w}, 1},
    {"lb"_w, {}, {"l"_w, "r"_w}, 1},
    {"lv"_w, {}, {"l"_w, "r"_w}, 1},
    {"ls"_w, {}, {"l"_w, "r"_w}, 1},
    {"lz"_w, {}, {"l"_w, "r"_w}, 1},
    {"lc"_w, {}, {"l"_w, "r"_w}, 1},
    {"ld"_w, {}, {"l"_w, "r"_w}, 1},
    {"lg"_w, {}, {"l"_w, "r"_w}, 1},
    {"lj"_w, {}, {"l"_w, "r"_w}, 1},
    {"lm"_w, {}, {"l"_w, "r"_w}, 1},
    {"ln"_w, {}, {"l"_w, "r"_w}, 1},
    {"lp"_w, {}, {"l"_w, "r"_w}, 1},
    {"lq"_w, {}, {"l"_w, "r"_w}, 1},
    {"lrr"_w, {}, {"l"_w}, 2},
    {"lt"_w, {}, {"l"_w, "r"_w}, 1},
    {"l"_w, {}, {"l"_w}, 1},

    // m to q: m and n before b, v, f, p
    {"mb"_w, {}, {"mb"_w, "nv"_w}, 2},
    {"mv"_w, {}, {"mv"_w, "nv"_w, "mb"_w}, 2},
    {"mf"_w, {}, {"mf"_w, "nf"_w}, 2},
    {"m"_w, {}, {"m"_w}, 1},
    {"nrr"_w, {}, {"n"_w}, 2},
    {"nv"_w, {}, {"nv"_w, "mb"_w}, 2},
    {"nb"_w, {}, {"nb"_w, "mb"_w, "nv"_w}, 2},
    {"np"_w, {}, {"np"_w, "mp"_w}, 2},
    {"n"_w, {}, {"n"_w, "ñ"_w}, 1},
    {"ñ"_w, {}, {"ñ"_w, "n"_w}, 1},
    {"oa"_w, {}, {"o"_w, "oh"_w, "u"_w}, 1},
    {"oe"_w, {}, {"o"_w, "oh"_w}, 1},
    {"oi"_w, {}, {"o"_w, "oh"_w}, 1},
    {"oo"_w, {}, {"o"_w, "oh"_w}, 1},
    {"o"_w, {}, {"o"_w, "ó"_w}, 1},
    {"p"_w, {}, {"p"_w}, 1},
    {"que"_w, {}, {"qu"_w, "k"_w}, 2},
    {"qui"_w, {}, {"qu"_w, "k"_w}, 2},
    {"qua"_w, {}, {"cu"_w, "ku"_w}, 2},
    {"quo"_w, {}, {"cu"_w, "ku"_w}, 2},
    {"q"_w, {}, {"q"_w}, 1},

    // r to z
    {"rr"_w, {}, {"rr"_w, "r"_w}, 2},
    {"r"_w, {}, {"r"_w}, 1},
    {"ss"_w, {}, {""_w, "s"_w}, 1},
    {"srr"_w, {}, {"s"_w}, 2},
    {"s"_w, kSSet, {"s"_w, "z"_w}, 1},
    {"se"_w, {}, {"s"_w, "c"_w, "sc"_w, "z"_w}, 1},
    {"si"_w, {}, {"s"_w, "c"_w, "sc"_w, "z"_w}, 1},
    {"t"_w, {}, {"t"_w}, 1},
    {"ua"_w, {}, {"u"_w, "uh"_w, "o"_w, "oh"_w}, 1},
    {"uo"_w, {}, {"u"_w, "uh"_w}, 1},
    {"ü"_w, {}, {"ü"_w, "u"_w, "w"_w}, 1},
    {"u"_w, {}, {"u"_w, "w"_w, "ú"_w, "ü"_w}, 1},
    {"v"_w, {}, {"v"_w, "b"_w}, 1},
    {"w"_w, {}, {"w"_w}, 1},
    {"x"_w, {}, {"x"_w, "s"_w, "cc"_w, "cs"_w}, 1},
    {"y"_w, {}, {"y"_w, "ll"_w, "i"_w}, 1},
    {"z"_w, kGSet, {"z"_w, "s"_w}, 1},
    {"ze"_w, {}, {"z"_w, "c"_w, "s"_w}, 1},
    {"zi"_w, {}, {"z"_w, "c"_w, "s"_w}, 1},
}};

static_assert(kRespellRules.size() == 125);
static_assert(AllWellFormed(kRespellRules));

} // namespace vorlen
