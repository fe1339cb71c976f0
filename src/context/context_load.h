// Where the context table is found, and loading it into an engine.
#pragma once

#include "engine/engine.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vorlen {

inline constexpr const char* kContextTableFile = "context-accents.txt";

// Beside the vocabulary the engine starts from (the source tree's data/ or
// the installed share/vorlen), else the source tree's data/.
std::filesystem::path FindContextTable(const VocabularyPaths& paths);

// Loads the table into engine.Context. A missing or malformed table leaves
// engine.Context null, so that text is converted word by word, and gives a
// warning that says why; nothing else is changed.
std::vector<std::string> LoadContextAccents(Engine& engine);

} // namespace vorlen
