// Attached object pronouns: cómpralo, dándole, dímelo, vámonos, démoselo.
#pragma once

#include "engine/engine.h"

#include <string>

namespace vorlen {

// "Y" when the word is known as written, as a form, or as a known verb form
// followed by one or two attached pronouns; else "N". The word is replaced by
// its folded form; engine.EncliticStem holds the verb form tried last.
std::string CheckEnclitics(Engine& engine, std::string& word);

} // namespace vorlen
