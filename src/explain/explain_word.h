// Help to choose between alternatives: what a word is, in a line a person
// reads (ves: «forma de ver»; vez: «tiempo, turno, ocasión»). Read from the
// explanations loaded with the vocabulary (vocabulary/explanations.h); the
// same in classic mode, which changes conversions only.
#pragma once

#include "engine/engine.h"

#include <string>
#include <string_view>

namespace vorlen {

// The explanation of one word, in any casing: the entries it is a form of,
// then a few synonyms (its own, else those of its first entry that has some):
//
//     ves    ->  forma de «ver»: admirar, hallar, sentir, visitar
//     casas  ->  forma de «casa» o «casar»: apartamento, arquitectura, lar, nido
//     vez    ->  tiempo, turno, ocasión, sucesión
//
// With Options.EnglishMessages the connecting words are English ("form of").
// Empty when nothing is known about the word, or no explanations were loaded.
// Word and result are Windows-1252, like every string of the engine.
std::string ExplainWord(const Engine& engine, std::string_view word);

} // namespace vorlen
