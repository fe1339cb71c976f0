#include "context/context_load.h"

#include "context/context_table.h"

#include <system_error>

namespace vorlen {

namespace fs = std::filesystem;

fs::path FindContextTable(const VocabularyPaths& paths) {
    std::error_code ec;
    const fs::path beside = paths.StartupSource.parent_path() / kContextTableFile;
    if (fs::is_regular_file(beside, ec)) return beside;
#ifdef VORLEN_SOURCE_DATA_DIR
    const fs::path source = fs::path(VORLEN_SOURCE_DATA_DIR) / kContextTableFile;
    if (fs::is_regular_file(source, ec)) return source;
#endif
    return beside; // reported as missing by the load
}

std::vector<std::string> LoadContextAccents(Engine& engine) {
    ContextTableLoad load = LoadContextTable(FindContextTable(engine.Paths));
    engine.Context = std::move(load.Table);
    if (engine.Context) return {};
    return {load.Error + "; accents are not restored from context"};
}

} // namespace vorlen
