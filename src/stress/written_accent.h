// Where a Spanish word is stressed, and whether the stress is written.
//
// A word without a written accent is stressed on its next-to-last syllable
// when it ends in a vowel, n or s (casa, comen, lunes), else on its last
// (papel, reloj, estoy: a final y counts as a consonant). The accent is
// written exactly when the stress breaks that rule: on the last syllable of a
// word ending in a vowel, n or s (sofá, canción), on the next-to-last of one
// ending otherwise (árbol, bíceps), always on the third syllable from the end
// or earlier (música, dígamelo), and always on a stressed i or u beside an
// open vowel, which the accent parts from it (oír, país, leído). A word of one
// syllable takes none; the accents that tell two such words apart (él, más,
// dé) are a matter of meaning, not of stress, and are never added here.
//
// An adverb in -mente keeps the written accent of its adjective (rápida ->
// rápidamente): it has two stresses, and only the adjective's is written, so
// the functions here are given the adjective, not the adverb.
//
// Words are small letters in Windows-1252.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorlen::stress {

// The byte position of the stressed vowel: the accented one when the word
// writes one, else the one the rules above give; none for a word without a
// sounded vowel.
std::optional<std::size_t> StressedVowel(std::string_view word);

// The word with its stress on the vowel at `stressed` and the written accent
// where the rules call for it: every other accent mark is taken away (ü
// stays). `stressed` must be the position of a vowel of the word.
std::string WriteStress(std::string_view word, std::size_t stressed);

// A verb form with pronouns attached (deja + me, diciendo + le, da + melo):
// the verb form keeps its stressed syllable, which then usually lies further
// from the end and takes the accent (déjame, diciéndole, dámelo), while a
// short form stays plain (dime, hazlo, deme). A first-person plural loses its
// final s before nos and se (vamos + nos -> vámonos, demos + selo ->
// démoselo). The verb form is given with the stress it is written with.
std::string AttachPronouns(std::string_view verbForm, std::string_view pronouns);

} // namespace vorlen::stress
