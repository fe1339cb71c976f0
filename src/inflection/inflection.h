// Is a word a form of a vocabulary entry? One ending is cut, a replacement put
// in its place, and the key looked up, through the ordered rule tables.
#pragma once

#include "engine/engine.h"

#include <string>

namespace vorlen {

// "Y" when the word (Windows-1252, any case) is in the vocabulary or is a form
// of an entry, else "N". Reads engine.SourceWord; leaves engine.FoundKey.
std::string InflectionLookup(Engine& engine, const std::string& word);

// The same answer as a flag, for the hot paths of the respelling search.
bool IsInflectedForm(Engine& engine, std::string_view word);

} // namespace vorlen
