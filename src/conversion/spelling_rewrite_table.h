// Accents and spellings that the sound-alike search gets wrong, rewritten in
// the candidate list: hiatus accents (leído, caída, egoísta, laísmo), the y of
// huyó / cayó / leyendo where Spanish writes y between vowels, and accents the
// search puts on words that carry none (necesito, parasitario). Each row: if
// `From` occurs, its first occurrence becomes `To`, then the list's last
// candidate is dropped `Drops` times.
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

struct SpellingRewrite {
    std::string_view From;
    std::string_view To;
    int Drops;
    // The row does not apply to a list that contains either of these.
    std::string_view UnlessListHas;
    std::string_view UnlessListHasToo;
    // The row does not apply where the u follows g or q: there the u is silent
    // (siguió, siguiente, distinguiendo, delinquieron) and no y is heard.
    bool SkipSilentU;
};

inline constexpr auto kSpellingRewrites = std::to_array<SpellingRewrite>({
    {"eido|"_w, "eído|"_w, 1, ""_w, ""_w, false},
    {"eida|"_w, "eída|"_w, 1, ""_w, ""_w, false},
    {"eidos|"_w, "eídos|"_w, 1, ""_w, ""_w, false},
    {"eidas|"_w, "eídas|"_w, 1, ""_w, ""_w, false},
    {"aido|"_w, "aído|"_w, 1, "|Aida|"_w, "|Adelaida|"_w, false},
    {"aida|"_w, "aída|"_w, 1, "|Aida|"_w, "|Adelaida|"_w, false},
    {"aidos|"_w, "aídos|"_w, 1, "|Aida|"_w, "|Adelaida|"_w, false},
    {"aidas|"_w, "aídas|"_w, 1, "|Aida|"_w, "|Adelaida|"_w, false},
    {"llió"_w, "lló"_w, 0, ""_w, ""_w, false},
    {"llieron"_w, "lleron"_w, 0, ""_w, ""_w, false},
    {"uió"_w, "uyó"_w, 2, ""_w, ""_w, true},
    {"uieron"_w, "uyeron"_w, 1, ""_w, ""_w, true},
    {"uiendo"_w, "uyendo"_w, 1, ""_w, ""_w, true},
    {"uiente"_w, "uyente"_w, 1, ""_w, ""_w, true},
    {"aió"_w, "ayó"_w, 2, ""_w, ""_w, false},
    {"aieron"_w, "ayeron"_w, 1, ""_w, ""_w, false},
    {"aiendo"_w, "ayendo"_w, 1, ""_w, ""_w, false},
    {"aiente"_w, "ayente"_w, 1, ""_w, ""_w, false},
    {"aista"_w, "aísta"_w, 0, ""_w, ""_w, false},
    {"eista"_w, "eísta"_w, 0, ""_w, ""_w, false},
    {"oista"_w, "oísta"_w, 0, ""_w, ""_w, false},
    {"aismo"_w, "aísmo"_w, 0, ""_w, ""_w, false},
    {"eismo"_w, "eísmo"_w, 0, ""_w, ""_w, false},
    {"oismo"_w, "oísmo"_w, 0, ""_w, ""_w, false},
    {"ésit"_w, "esit"_w, 0, ""_w, ""_w, false},
    {"ásit"_w, "asit"_w, 0, "parásit"_w, ""_w, false},
    {"ésista"_w, "esista"_w, 0, ""_w, ""_w, false},
    {"ésismo"_w, "esismo"_w, 0, ""_w, ""_w, false},
});
static_assert(kSpellingRewrites.size() == 28);

} // namespace vorlen
