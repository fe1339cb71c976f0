// Where the vocabulary is found. The data directory is $VORLEN_DATA_DIR, else
// $XDG_DATA_HOME/vorlen, else ~/.local/share/vorlen (a --data-dir option
// overrides all three). The start-up copy comes from an explicit path, else
// spanall.txt in the working directory, else the copy installed with the
// program (share/vorlen under its prefix), else the source tree's data/.
#pragma once

#include "engine/engine.h"

#include <filesystem>
#include <optional>

namespace vorlen {

struct PathOptions {
    std::optional<std::filesystem::path> Vocabulary;    // --vocabulary
    std::optional<std::filesystem::path> DataDirectory; // --data-dir
    std::filesystem::path ProgramFile; // the running executable, for the installed copy
};

std::filesystem::path DefaultDataDirectory();
std::filesystem::path FindStartupVocabulary(const PathOptions& options);
VocabularyPaths ResolveVocabularyPaths(const PathOptions& options);
// The running program's own path (from /proc/self/exe), empty when unknown.
std::filesystem::path CurrentProgramFile();

} // namespace vorlen
