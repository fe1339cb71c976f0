// Whole results rewritten as they stand. Mostly a past tense with a written
// accent (acordé, tronó) that is also a word without it (acorde, trono): both
// are offered. Also the accent of país, which the search misplaces.
#pragma once

#include "vocabulary/cp1252.h"

#include <array>
#include <string_view>

namespace vorlen {

struct ResultRewrite {
    std::string_view From;
    std::string_view To;
};

inline constexpr auto kResultTable = std::to_array<ResultRewrite>({
    {"|acordé|"_w, "|acordé|acorde|"_w},
    {"|aforó|"_w, "|aforó|aforo|"_w},
    {"|amentó|"_w, "|amentó|amento|"_w},
    {"|atentó|"_w, "|atentó|atento|"_w},
    {"|aventé|"_w, "|aventé|avente|"_w},
    {"|cerró|serró|"_w, "|cerró|cerro|serró|"_w},
    {"|concordé|"_w, "|concordé|concorde|"_w},
    {"|confesó|"_w, "|confesó|confeso|"_w},
    {"|decenté|"_w, "|decenté|decente|"_w},
    {"|dementé|"_w, "|dementé|demente|"_w},
    {"|desacordé|"_w, "|desacordé|desacorde|"_w},
    {"|desatentó|"_w, "|desatentó|desatento|"_w},
    {"|discordé|"_w, "|discordé|discorde|"_w},
    {"|dóló|dolo|dólo|"_w, "|doló|dolo|"_w},
    {"|dolo|dólo|dóló|"_w, "|doló|dolo|"_w},
    {"|doló|dólo|dóló|"_w, "|doló|dolo|"_w},
    {"|menté|"_w, "|menté|mente|"_w},
    {"|retenté|"_w, "|retenté|retente|"_w},
    {"|reventé|"_w, "|reventé|revente|"_w},
    {"|salté|"_w, "|salté|salte|"_w},
    {"|tenté|"_w, "|tenté|tente|"_w},
    {"|tonó|"_w, "|tonó|tono|"_w},
    {"|tronó|"_w, "|tronó|trono|"_w},
    {"|venté|"_w, "|venté|vente|"_w},
    {"|país|páis|"_w, "|país|"_w},
    {"|páis|"_w, "|país|"_w},
    {"|páises|"_w, "|países|"_w},
});
static_assert(kResultTable.size() == 27);

} // namespace vorlen
