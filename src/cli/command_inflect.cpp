#include "cli/commands.h"
#include "inflection/inflection.h"
#include "vocabulary/cp1252.h"

#include <ostream>

namespace vorlen::cli {

void PrintLine(std::ostream& out, const std::string& cp1252) {
    out << Cp1252ToUtf8(cp1252) << '\n';
}

int RunInflect(Engine& engine, const Words& words, std::ostream& out) {
    for (const auto& word : words) {
        engine.SourceWord = word;
        const bool found = InflectionLookup(engine, word) == "Y";
        PrintLine(out, found ? "Y " + engine.FoundKey : "N");
    }
    return 0;
}

} // namespace vorlen::cli
