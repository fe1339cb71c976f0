// The corrections applied, in order, to the candidate list of every word
// (engine.WordResult, a bar-framed list or "<none>"). ApplyResultRules in
// word_pipeline.h runs them all; they are declared here one by one so that
// each can be tried on its own.
#pragma once

#include "engine/engine.h"

#include <string_view>

namespace vorlen::rules {

void DecideHomophones(Engine& engine);          // mi/mí, te/té, ves/vez, o/ó ...
void ApplyReplacementPairs(Engine& engine);     // the vocabulary file's own pairs
void FixEndeAccent(Engine& engine);             // "éndé" -> "énde"
void FoldEnseEndings(Engine& engine);           // -ense / -enses carry no accent
void RewriteSpellings(Engine& engine);          // leído, huyó, egoísta ...
void FixPluralAccents(Engine& engine);          // canciónes -> canciones
void AccentGerundsWithPronouns(Engine& engine); // diciéndome, hablándote
void FixBazWords(Engine& engine);               // baz- -> bas-
void ApplyResultTable(Engine& engine);          // acordé|acorde, país
void FixDoubleE(Engine& engine);                // leé / lée
void DecideDias(Engine& engine);                // días / Díaz
void FixHazAs(Engine& engine);
void RestoreCasing(Engine& engine); // as the word was written
void FixDiasAfterCasing(Engine& engine);
void OfferSimilarWords(Engine& engine); // when nothing was found
void FixSeis(Engine& engine);           // ses -> seis

// True when `tail` is one or two attached pronouns (me, selo, nos ...).
bool IsPronounTail(std::string_view tail);

} // namespace vorlen::rules
