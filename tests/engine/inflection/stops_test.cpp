#include "inflect_helper.h"

namespace vorlen::test {
namespace {

TEST(InflectionStops, ZBeforeEEndsTheSearchAfterThePluralRules) {
    ExpectInflects({
        // Without the stop "emos" -> "ar|" would find empezar; the last key
        // tried is that of "os" -> "o|".
        {{"empezar"}, "empezemos", "N |empezemo|"},
        {{"empezar", "empezemo"}, "empezemos", "Y |empezemo|"},
        {{"cazar"}, "cazé", "N |cazé|"},
        {{"cazar"}, "cazes", "N |caze|"},
        {{"cazar"}, "cazen", "N |cazen|"},
        {{"cazar"}, "cazéis", "N |cazéi|"},
        {{"rezar"}, "reze", "N |reze|"},
        // Three letters are below the stop: "e" -> "ar|" finds the verb.
        {{"ozar"}, "oze", "Y |ozar|"},
    });
}

TEST(InflectionStops, FiveAndSixLetterWordsStopBeforeOneLetterStems) {
    ExpectInflects({
        // Five letters: no "ista"/"ismo" rule; the last key is from "a" -> "ir|".
        {{"po", "pa", "pe", "p"}, "pista", "N |pistir|"},
        {{"po", "p"}, "pismo", "N |pismir|"},
        // Six letters: "ista" and "ismo" are tried, "istas" and "ismos" are not.
        {{"cuo"}, "cuista", "Y |cuo|"},
        {{"cuo"}, "cuismo", "Y |cuo|"},
        {{"bo"}, "bistas", "N |bistir|"},
        {{"b"}, "bismos", "N |bismo|"},
        // Seven letters reach the plural rules.
        {{"cuo"}, "cuistas", "Y |cuo|"},
        {{"cu"}, "cuismos", "Y |cu|"},
    });
}

} // namespace
} // namespace vorlen::test
