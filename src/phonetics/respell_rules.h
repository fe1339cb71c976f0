// The sound-alike rules of both searches, each written once. A rule is tried
// from the top in the search it belongs to; the first that applies wins, so a
// longer pattern stands before the shorter one it refines.
//
// The default search keeps accent marks: the word is only lower-cased, and
// á é í ó ú are letters of their own. An accented vowel offers the plain one
// and the reverse; before another vowel it may take an h (búo, búho); at the
// end of the word á, é and ú may also stand for -ad, -ed, -ud (verdá, usté,
// salú). The consonant rules are repeated before é and í. There is no rule for
// rr there: a double r is two r segments and stays as written; only an initial
// rr is made single. qué and quí offer k alone, so a written qu before an
// accented vowel is never a candidate of its own.
//
// The search with diacritics ignored reads the word folded (lower case, the
// first of each accented vowel made plain), so its patterns hold plain vowels;
// an accented vowel is only offered, after a vowel or as the stressed form.
//
// Column 0 is usually the written spelling, so the first candidate is the
// word itself. The exceptions: es- before c, p, t, qu offers ex- first; an
// initial rr, and (diacritics ignored) lrr, nrr, srr, keep a single r; qua and
// quo offer cu first; and a silent h (ha, he, ho, hu, h) or a double s is
// dropped in column 0.
#pragma once

#include "phonetics/respell_rule.h"

#include <array>
#include <cstddef>

namespace vorlen {

// Which search a rule belongs to.
enum class RespellSearch { Both, Accented, DiacriticsIgnored };

struct SharedRespellRule {
    RespellSearch Search;
    RespellRule Rule;
};

namespace respell_table {

using enum RespellSearch;

inline constexpr std::array<SharedRespellRule, 201> kAllRules = {{
    // At the opening bar: an optional h before a first vowel, accented or not, the
    // x spelling of es- before a consonant, a single r; then the bar of every
    // other word.
    {Both, {"|a"_w, {}, {"|"_w, "|h"_w}, 1}},
    {Both, {"|esc"_w, {}, {"|exc"_w, "|esc"_w}, 4}},
    {Both, {"|esp"_w, {}, {"|exp"_w, "|esp"_w}, 4}},
    {Both, {"|est"_w, {}, {"|ext"_w, "|est"_w}, 4}},
    {Both, {"|esqu"_w, {}, {"|exqu"_w, "|esqu"_w}, 5}},
    {Both, {"|e"_w, {}, {"|"_w, "|h"_w}, 1}},
    {Both, {"|ha|"_w, {}, {"|ha|"_w}, 4}},
    {Both, {"|he|"_w, {}, {"|he|"_w}, 4}},
    {Both, {"|i"_w, {}, {"|"_w, "|h"_w}, 1}},
    {Both, {"|o"_w, {}, {"|"_w, "|h"_w}, 1}},
    {Both, {"|u"_w, {}, {"|"_w, "|h"_w}, 1}},
    {Accented, {"|á"_w, {}, {"|"_w, "|h"_w}, 1}},
    {Accented, {"|é"_w, {}, {"|"_w, "|h"_w}, 1}},
    {Accented, {"|í"_w, {}, {"|"_w, "|h"_w}, 1}},
    {Accented, {"|ó"_w, {}, {"|"_w, "|h"_w}, 1}},
    {Accented, {"|ú"_w, {}, {"|"_w, "|h"_w}, 1}},
    {Both, {"|rr"_w, {}, {"|r"_w}, 3}},
    {Both, {"|ll"_w, {}, {"|ll"_w, "|y"_w, "|hi"_w, "|i"_w}, 3}},
    {Both, {"|y"_w, {}, {"|y"_w, "|ll"_w, "|hi"_w, "|i"_w}, 2}},
    {Both, {"|"_w, {}, {"|"_w}, 1}},

    // a and á, b, c
    {Both, {"aa"_w, {}, {"a"_w, "ah"_w}, 1}},
    {Both, {"ae"_w, {}, {"a"_w, "ah"_w}, 1}},
    {Both, {"ai"_w, {}, {"a"_w, "ah"_w}, 1}},
    {Accented, {"ao"_w, {}, {"a"_w, "ad"_w, "ah"_w}, 1}},
    {DiacriticsIgnored, {"ao"_w, {}, {"a"_w, "ah"_w, "ad"_w}, 1}},
    {Both, {"au"_w, {}, {"a"_w, "ah"_w}, 1}},
    {Both, {"a"_w, {}, {"a"_w, "á"_w}, 1}},
    {Accented, {"áa"_w, {}, {"á"_w, "áh"_w}, 1}},
    {Accented, {"áe"_w, {}, {"á"_w, "áh"_w}, 1}},
    {Accented, {"ái"_w, {}, {"á"_w, "áh"_w}, 1}},
    {Accented, {"áo"_w, {}, {"á"_w, "áh"_w}, 1}},
    {Accented, {"áu"_w, {}, {"á"_w, "áh"_w}, 1}},
    {Accented, {"á|"_w, {}, {"á|"_w, "a|"_w, "ad|"_w}, 2}},
    {Accented, {"á"_w, {}, {"á"_w, "a"_w}, 1}},
    {Both, {"b"_w, {}, {"b"_w, "v"_w}, 1}},
    {Both, {"ch"_w, {}, {"ch"_w, "sh"_w}, 2}},
    {Both, {"cs"_w, {}, {"cs"_w, "cc"_w, "x"_w}, 2}},
    {Both, {"c"_w, kCSet, {"c"_w, "k"_w}, 1}},
    {Both, {"ce"_w, {}, {"c"_w, "s"_w, "sc"_w}, 1}},
    {Both, {"ci"_w, {}, {"c"_w, "s"_w, "sc"_w}, 1}},
    {Accented, {"cé"_w, {}, {"c"_w, "s"_w, "z"_w}, 1}},
    {Accented, {"cí"_w, {}, {"c"_w, "s"_w, "z"_w}, 1}},

    // d, e and é, f
    {Both, {"d"_w, {}, {"d"_w}, 1}},
    {Both, {"ea"_w, {}, {"e"_w, "eh"_w}, 1}},
    {Both, {"ee"_w, {}, {"e"_w, "eh"_w}, 1}},
    {Both, {"ei"_w, {}, {"e"_w, "eh"_w}, 1}},
    {Both, {"eo"_w, {}, {"e"_w, "eh"_w}, 1}},
    {Both, {"eu"_w, {}, {"e"_w, "eh"_w}, 1}},
    {Both, {"e"_w, {}, {"e"_w, "é"_w}, 1}},
    {Both, {"fu"_w, {}, {"f"_w, "j"_w}, 1}},
    {Accented, {"éa"_w, {}, {"é"_w, "éh"_w}, 1}},
    {Accented, {"ée"_w, {}, {"é"_w, "éh"_w}, 1}},
    {Accented, {"éi"_w, {}, {"é"_w, "éh"_w}, 1}},
    {Accented, {"éo"_w, {}, {"é"_w, "éh"_w}, 1}},
    {Accented, {"éu"_w, {}, {"é"_w, "éh"_w}, 1}},
    {Accented, {"é|"_w, {}, {"é|"_w, "e|"_w, "ed|"_w}, 2}},
    {Accented, {"é"_w, {}, {"é"_w, "e"_w}, 1}},
    {Accented, {"fú"_w, {}, {"f"_w, "j"_w}, 1}},
    {Both, {"f"_w, {}, {"f"_w}, 1}},

    // g and h: g before e and i sounds like j; a silent h
    {Both, {"ge"_w, {}, {"g"_w, "j"_w, "gu"_w}, 1}},
    {Both, {"gi"_w, {}, {"g"_w, "j"_w, "gu"_w}, 1}},
    {Both, {"gua"_w, {}, {"g"_w, "h"_w}, 1}},
    {Both, {"gue"_w, {}, {"gu"_w, "gü"_w, "hu"_w}, 2}},
    {Both, {"gui"_w, {}, {"gu"_w, "gü"_w, "hu"_w}, 2}},
    {Both, {"guo"_w, {}, {"g"_w, "h"_w}, 1}},
    {Accented, {"gé"_w, {}, {"g"_w, "j"_w}, 1}},
    {Accented, {"gí"_w, {}, {"g"_w, "j"_w}, 1}},
    {Accented, {"guá"_w, {}, {"g"_w, "h"_w}, 1}},
    {Accented, {"güé"_w, {}, {"g"_w, "hu"_w}, 2}},
    {Accented, {"güí"_w, {}, {"g"_w, "hu"_w}, 2}},
    {Accented, {"guó"_w, {}, {"g"_w, "h"_w}, 1}},
    {Both, {"gü"_w, {}, {"gü"_w, "hu"_w}, 2}},
    {Both, {"g"_w, kGSet, {"g"_w}, 1}},
    {Both, {"ha"_w, {}, {""_w, "h"_w}, 1}},
    {Both, {"he"_w, {}, {""_w, "h"_w}, 1}},
    {Both, {"hi"_w, {}, {"hi"_w, "i"_w, "y"_w, "ll"_w}, 2}},
    {Both, {"ho"_w, {}, {""_w, "h"_w}, 1}},
    {Both, {"hua"_w, {}, {"hu"_w, "gu"_w, "w"_w}, 2}},
    {Accented, {"hue"_w, {}, {"hu"_w, "gü"_w}, 2}},
    {Accented, {"hui"_w, {}, {"hu"_w, "gü"_w, "w"_w, "wh"_w}, 2}},
    {DiacriticsIgnored, {"hue"_w, {}, {"hu"_w, "gu"_w, "gü"_w}, 2}},
    {DiacriticsIgnored, {"hui"_w, {}, {"hu"_w, "gu"_w, "w"_w, "wh"_w, "gü"_w}, 2}},
    {Both, {"huo"_w, {}, {"hu"_w, "gu"_w}, 2}},
    {Accented, {"há"_w, {}, {""_w, "h"_w}, 1}},
    {Accented, {"hé"_w, {}, {""_w, "h"_w}, 1}},
    {Accented, {"hí"_w, {}, {"hí"_w, "i"_w, "y"_w, "ll"_w}, 2}},
    {Accented, {"hó"_w, {}, {""_w, "h"_w}, 1}},
    {Accented, {"huá"_w, {}, {"hu"_w, "gu"_w, "w"_w}, 2}},
    {Accented, {"hué"_w, {}, {"hu"_w, "gü"_w}, 2}},
    {Accented, {"huí"_w, {}, {"hu"_w, "gü"_w, "w"_w, "wh"_w}, 2}},
    {Accented, {"huó"_w, {}, {"hu"_w, "gu"_w}, 2}},
    {Accented, {"hú"_w, {}, {""_w, "h"_w}, 1}},
    {DiacriticsIgnored, {"hu"_w, {}, {""_w, "h"_w}, 1}},
    {Both, {"h"_w, {}, {""_w, "h"_w}, 1}},

    // i and í, j, k, l: l and r before a consonant
    {Accented, {"ia"_w, {}, {"i"_w, "í"_w, "ih"_w, "e"_w, "eh"_w}, 1}},
    {Accented, {"ie"_w, {}, {"i"_w, "í"_w, "ih"_w}, 1}},
    {DiacriticsIgnored, {"ia"_w, {}, {"i"_w, "ih"_w, "e"_w, "eh"_w}, 1}},
    {DiacriticsIgnored, {"ie"_w, {}, {"i"_w, "ih"_w}, 1}},
    {Both, {"ii"_w, {}, {"i"_w, "ih"_w}, 1}},
    {Accented, {"io"_w, {}, {"i"_w, "í"_w, "ih"_w, "e"_w, "eh"_w}, 1}},
    {Accented, {"iu"_w, {}, {"i"_w, "í"_w, "ih"_w}, 1}},
    {DiacriticsIgnored, {"io"_w, {}, {"i"_w, "ih"_w, "e"_w, "eh"_w}, 1}},
    {DiacriticsIgnored, {"iu"_w, {}, {"i"_w, "ih"_w}, 1}},
    {Both, {"i"_w, kISet, {"i"_w, "y"_w, "í"_w}, 1}},
    {Both, {"i"_w, {}, {"i"_w, "í"_w}, 1}},
    {Both, {"ju"_w, {}, {"j"_w, "f"_w}, 1}},
    {Accented, {"ía"_w, {}, {"í"_w, "i"_w, "ih"_w, "e"_w, "eh"_w}, 1}},
    {Accented, {"íe"_w, {}, {"í"_w, "i"_w, "ih"_w}, 1}},
    {Accented, {"íi"_w, {}, {"í"_w, "i"_w, "ih"_w}, 1}},
    {Accented, {"ío"_w, {}, {"í"_w, "i"_w, "ih"_w, "e"_w, "eh"_w}, 1}},
    {Accented, {"íu"_w, {}, {"í"_w, "i"_w, "ih"_w}, 1}},
    {Accented, {"í"_w, {}, {"í"_w, "i"_w}, 1}},
    {Accented, {"jú"_w, {}, {"j"_w, "f"_w}, 1}},
    {Both, {"j"_w, kJSet, {"j"_w}, 1}},
    {Both, {"je"_w, {}, {"j"_w, "g"_w}, 1}},
    {Both, {"ji"_w, {}, {"j"_w, "g"_w}, 1}},
    {Accented, {"jé"_w, {}, {"j"_w, "g"_w}, 1}},
    {Accented, {"jí"_w, {}, {"j"_w, "g"_w}, 1}},
    {Both, {"k"_w, kGSet, {"k"_w, "c"_w}, 1}},
    {Both, {"ke"_w, {}, {"k"_w, "qu"_w}, 1}},
    {Both, {"ki"_w, {}, {"k"_w, "qu"_w}, 1}},
    {Accented, {"ké"_w, {}, {"k"_w, "qu"_w}, 1}},
    {Accented, {"kí"_w, {}, {"k"_w, "qu"_w}, 1}},
    {Both, {"ll"_w, {}, {"ll"_w, "y"_w}, 2}},
    {Both, {"l|"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"lb"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"lv"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"ls"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"lz"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"lc"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"ld"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"lg"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"lj"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"lm"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"ln"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"lp"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"lq"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"lrr"_w, {}, {"l"_w}, 2}},
    {Both, {"lt"_w, {}, {"l"_w, "r"_w}, 1}},
    {Both, {"l"_w, {}, {"l"_w}, 1}},

    // m, n, ñ, o and ó, p, q
    {Both, {"mb"_w, {}, {"mb"_w, "nv"_w}, 2}},
    {Both, {"mv"_w, {}, {"mv"_w, "nv"_w, "mb"_w}, 2}},
    {Both, {"mf"_w, {}, {"mf"_w, "nf"_w}, 2}},
    {Both, {"m"_w, {}, {"m"_w}, 1}},
    {Both, {"nrr"_w, {}, {"n"_w}, 2}},
    {Both, {"nv"_w, {}, {"nv"_w, "mb"_w}, 2}},
    {Both, {"nb"_w, {}, {"nb"_w, "mb"_w, "nv"_w}, 2}},
    {Both, {"np"_w, {}, {"np"_w, "mp"_w}, 2}},
    {Both, {"n"_w, {}, {"n"_w, "ñ"_w}, 1}},
    {Both, {"ñ"_w, {}, {"ñ"_w, "n"_w}, 1}},
    {Both, {"oa"_w, {}, {"o"_w, "oh"_w, "u"_w}, 1}},
    {Both, {"oe"_w, {}, {"o"_w, "oh"_w}, 1}},
    {Both, {"oi"_w, {}, {"o"_w, "oh"_w}, 1}},
    {Both, {"oo"_w, {}, {"o"_w, "oh"_w}, 1}},
    {Both, {"o"_w, {}, {"o"_w, "ó"_w}, 1}},
    {Accented, {"óa"_w, {}, {"ó"_w, "óh"_w, "u"_w}, 1}},
    {Accented, {"óe"_w, {}, {"ó"_w, "óh"_w}, 1}},
    {Accented, {"ói"_w, {}, {"ó"_w, "óh"_w}, 1}},
    {Accented, {"óo"_w, {}, {"ó"_w, "óh"_w}, 1}},
    {Accented, {"ó"_w, {}, {"ó"_w, "o"_w}, 1}},
    {Both, {"p"_w, {}, {"p"_w}, 1}},
    {Both, {"que"_w, {}, {"qu"_w, "k"_w}, 2}},
    {Both, {"qui"_w, {}, {"qu"_w, "k"_w}, 2}},
    {Both, {"qua"_w, {}, {"cu"_w, "ku"_w}, 2}},
    {Both, {"quo"_w, {}, {"cu"_w, "ku"_w}, 2}},
    {Accented, {"qué"_w, {}, {"k"_w}, 2}},
    {Accented, {"quí"_w, {}, {"k"_w}, 2}},
    {Accented, {"quá"_w, {}, {"cu"_w, "ku"_w}, 2}},
    {Accented, {"quó"_w, {}, {"cu"_w, "ku"_w}, 2}},
    {Both, {"q"_w, {}, {"q"_w}, 1}},
    {DiacriticsIgnored, {"rr"_w, {}, {"rr"_w, "r"_w}, 2}},

    // r, s, t, u, ú and ü, v to z
    {Both, {"r"_w, {}, {"r"_w}, 1}},
    {Both, {"ss"_w, {}, {""_w, "s"_w}, 1}},
    {Both, {"srr"_w, {}, {"s"_w}, 2}},
    {Both, {"s"_w, kSSet, {"s"_w, "z"_w}, 1}},
    {Both, {"se"_w, {}, {"s"_w, "c"_w, "sc"_w, "z"_w}, 1}},
    {Both, {"si"_w, {}, {"s"_w, "c"_w, "sc"_w, "z"_w}, 1}},
    {Accented, {"sé"_w, {}, {"s"_w, "c"_w, "z"_w}, 1}},
    {Accented, {"sí"_w, {}, {"s"_w, "c"_w, "z"_w}, 1}},
    {Both, {"t"_w, {}, {"t"_w}, 1}},
    {Accented, {"ua"_w, {}, {"u"_w, "ú"_w, "uh"_w, "o"_w, "oh"_w}, 1}},
    {Accented, {"uo"_w, {}, {"u"_w, "ú"_w, "uh"_w}, 1}},
    {Accented, {"úa"_w, {}, {"ú"_w, "úh"_w, "o"_w, "oh"_w}, 1}},
    {Accented, {"úo"_w, {}, {"ú"_w, "úh"_w}, 1}},
    {Accented, {"uá"_w, {}, {"u"_w, "uh"_w, "o"_w, "oh"_w}, 1}},
    {Accented, {"uó"_w, {}, {"u"_w, "uh"_w}, 1}},
    {Accented, {"ú|"_w, {}, {"ú|"_w, "u|"_w, "ud|"_w}, 2}},
    {Accented, {"ú"_w, {}, {"ú"_w, "w"_w, "u"_w, "ü"_w, "uh"_w, "úh"_w}, 1}},
    {DiacriticsIgnored, {"ua"_w, {}, {"u"_w, "uh"_w, "o"_w, "oh"_w}, 1}},
    {DiacriticsIgnored, {"uo"_w, {}, {"u"_w, "uh"_w}, 1}},
    {Both, {"ü"_w, {}, {"ü"_w, "u"_w, "w"_w}, 1}},
    {Both, {"u"_w, {}, {"u"_w, "w"_w, "ú"_w, "ü"_w}, 1}},
    {Both, {"v"_w, {}, {"v"_w, "b"_w}, 1}},
    {Both, {"w"_w, {}, {"w"_w}, 1}},
    {Both, {"x"_w, {}, {"x"_w, "s"_w, "cc"_w, "cs"_w}, 1}},
    {Both, {"y"_w, {}, {"y"_w, "ll"_w, "i"_w}, 1}},
    {Both, {"z"_w, kGSet, {"z"_w, "s"_w}, 1}},
    {Both, {"ze"_w, {}, {"z"_w, "c"_w, "s"_w}, 1}},
    {Both, {"zi"_w, {}, {"z"_w, "c"_w, "s"_w}, 1}},
    {Accented, {"zé"_w, {}, {"z"_w, "c"_w, "s"_w}, 1}},
    {Accented, {"zí"_w, {}, {"z"_w, "c"_w, "s"_w}, 1}},
}};

template <std::size_t N>
constexpr std::array<RespellRule, N> RulesOf(RespellSearch search) {
    std::array<RespellRule, N> rules{};
    std::size_t n = 0;
    for (const auto& shared : kAllRules)
        if (shared.Search == Both || shared.Search == search) rules[n++] = shared.Rule;
    // A count that does not fit stops the compilation here.
    if (n != N) throw "the table holds another number of rules for this search";
    return rules;
}

} // namespace respell_table

inline constexpr auto kAccentedRespellRules = respell_table::RulesOf<190>(RespellSearch::Accented);
inline constexpr auto kRespellRules = respell_table::RulesOf<125>(RespellSearch::DiacriticsIgnored);

static_assert(AllWellFormed(kAccentedRespellRules));
static_assert(AllWellFormed(kRespellRules));

} // namespace vorlen
