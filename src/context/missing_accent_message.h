// The message shown for an accent restored from context, in Spanish:
// "Probablemente falta la tilde: «está» (verbo)".
#pragma once

#include <string>
#include <string_view>

namespace vorlen {

// `accented` is the word as restored, UTF-8 (any case). The part of speech in
// brackets is given where the accent itself tells it: the stressed pronouns
// and question words, and verb forms stressed on a written last vowel (está,
// habló, será); it is left out where the accent does not settle it (línea,
// público).
std::string MissingAccentMessage(std::string_view accented);

} // namespace vorlen
