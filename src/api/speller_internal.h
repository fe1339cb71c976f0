// For the programs of this repository that load the vocabulary their own way
// (the window and vorlen-cli copy it into the data directory first): a Speller
// over a store that is already in memory.
#pragma once

#include "engine/engine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vorlen/speller.h>

namespace vorlen {

// `context`: the table of accents by context, when the program loaded one.
Speller SpellerOverStore(std::shared_ptr<const VocabularyStore> store,
                         std::shared_ptr<const ContextTable> context = nullptr);

// The files a Speller reads, handed over in memory by a program that has no
// file system worth the name (the WebAssembly build): the vocabulary and,
// when given, the files native programs read beside it. Opened as the
// constructor opens them from disk, with the same checks and warnings.
struct SpellerData {
    std::string Vocabulary;
    std::optional<std::string> WordRanks;
    std::optional<std::string> Explanations;
    std::optional<std::string_view> ContextTable;
};
Speller SpellerFromData(SpellerData data);

} // namespace vorlen
