// For the programs of this repository that load the vocabulary their own way
// (the window and vorlen-cli copy it into the data directory first): a Speller
// over a store that is already in memory.
#pragma once

#include "engine/engine.h"

#include <vorlen/speller.h>

namespace vorlen {

Speller SpellerOverStore(std::shared_ptr<const VocabularyStore> store);

} // namespace vorlen
