// For the programs of this repository that load the vocabulary their own way
// (the window and vorlen-cli copy it into the data directory first): a Speller
// over a store that is already in memory.
#pragma once

#include "engine/engine.h"

#include <vorlen/speller.h>

namespace vorlen {

// `context`: the table of accents by context, when the program loaded one.
Speller SpellerOverStore(std::shared_ptr<const VocabularyStore> store,
                         std::shared_ptr<const ContextTable> context = nullptr);

} // namespace vorlen
