// The written accent of a word that stands as a verb form with attached
// pronouns (dejame -> déjame, creeme -> créeme, diciendole -> diciéndole).
#pragma once

#include "engine/engine.h"

#include <string>
#include <string_view>

namespace vorlen {

// Pronouns follow an infinitive (hacerlo), a gerund (diciéndole), an
// imperative (déjame, haced + lo, vamos + nos) or a present subjunctive
// standing for one (dígame). A form in a vowel must therefore be a verb form,
// which the vocabulary shows by its plural in n (deja, dejan; cuenta,
// cuentan): so a noun or a name that happens to end the same way (nicho +
// las in Nicholas, Pao + lo in Paolo) is not accented. A form in s other than
// -mos is a plural, never a host of pronouns (tiños + os). Small letters.
bool TakesPronouns(const Engine& engine, std::string_view verbForm);

// `word` is the word folded for lookup and `verbForm` the form that the
// attached-pronoun analysis accepted in it (with the s of a first-person
// plural put back: vamonos, vamos). Returns the word written as the stress of
// the verb form requires, or an empty string when the form does not take
// pronouns or none was split off.
std::string AccentWithPronouns(const Engine& engine, std::string_view word,
                               std::string_view verbForm);

// The spelling of a verb form found by the sound-alike search with the
// pronouns put back, accented by its stress (mira + me -> mírame; vamos + nos
// -> vámonos); a capital of the spelling stays (Mira + me -> Mírame).
std::string AttachPronounsKeepingCase(std::string_view verbForm, std::string_view pronouns);

// Outside classic mode, right after the attached-pronoun analysis of the word
// pipeline (engine.EncliticResult, ReportWord and EncliticStem as it left
// them). A word written without accents that stands as a verb form with
// pronouns is reported not found, with its accented spelling as the one
// candidate (dejame -> déjame). A word written with an accent that the
// analysis turned down (the accent hides the verb form: méte + le) is
// analysed again without accents, and reported found when its accents are
// those the stress calls for (métele). Returns true when the report is
// written; false leaves the pipeline's own steps to it, with the analysis'
// state as it was.
bool ReportStressedPronounForm(Engine& engine);

} // namespace vorlen
