#include "vocabulary/paths.h"

#include <cstdlib>
#include <system_error>

namespace vorlen {

namespace fs = std::filesystem;

namespace {

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

} // namespace

fs::path DefaultDataDirectory() {
    if (const char* dir = NonEmptyEnv("VORLEN_DATA_DIR")) return dir;
    if (const char* xdg = NonEmptyEnv("XDG_DATA_HOME")) return fs::path(xdg) / "vorlen";
    if (const char* home = NonEmptyEnv("HOME")) return fs::path(home) / ".local/share/vorlen";
    return fs::temp_directory_path() / "vorlen";
}

fs::path FindStartupVocabulary(const PathOptions& options) {
    if (options.Vocabulary) return *options.Vocabulary;
    std::error_code ec;
    const fs::path here = "spanall.txt";
    if (fs::is_regular_file(here, ec)) return here;
    if (!options.ProgramFile.empty()) {
        const fs::path installed =
            options.ProgramFile.parent_path().parent_path() / "share/vorlen/spanall.txt";
        if (fs::is_regular_file(installed, ec)) return installed;
    }
#ifdef VORLEN_SOURCE_DATA_DIR
    const fs::path source = fs::path(VORLEN_SOURCE_DATA_DIR) / "spanall.txt";
    if (fs::is_regular_file(source, ec)) return source;
#endif
    return here; // reported as missing by the load
}

VocabularyPaths ResolveVocabularyPaths(const PathOptions& options) {
    VocabularyPaths paths;
    paths.DataDirectory = options.DataDirectory ? *options.DataDirectory : DefaultDataDirectory();
    paths.StartupSource = FindStartupVocabulary(options);
    return paths;
}

fs::path CurrentProgramFile() {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self;
}

} // namespace vorlen
