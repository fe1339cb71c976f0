// Is a word a form of a vocabulary entry? One ending is cut, a replacement put
// in its place, and the key looked up, through the ordered rule tables.
#pragma once

#include "engine/engine.h"

#include <string>
#include <string_view>

namespace vorlen {

// "Y" when the word (Windows-1252, any case) is in the vocabulary or is a form
// of an entry, else "N". Comparisons are exact: endings are small letters, so
// a word in capitals is found only as it stands. Reads engine.SourceWord (the
// word as typed) for the few tests that look at it.
//
// engine.FoundKey: after "Y" the key of the entry found; after "N" the last
// key tried. The word itself is always tried first, so some key is tried,
// except for a word holding a bar: no word does, and it is answered "N" with
// FoundKey left as it was.
std::string InflectionLookup(Engine& engine, const std::string& word);

// The same answer as a flag, with the same FoundKey, for the hot paths of the
// respelling search: keys are built in FoundKey's own buffer, so a call makes
// no allocation once that buffer has grown.
bool IsInflectedForm(Engine& engine, std::string_view word);

} // namespace vorlen
