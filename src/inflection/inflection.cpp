// Placeholder until the rule tables land: the direct lookup only.
#include "inflection/inflection.h"

#include "vocabulary/lookup.h"

namespace vorlen {

std::string InflectionLookup(Engine& engine, const std::string& word) {
    return IsInflectedForm(engine, word) ? "Y" : "N";
}

bool IsInflectedForm(Engine& engine, std::string_view word) {
    engine.FoundKey = "|" + std::string(word) + "|";
    return VocabLookup(engine, engine.FoundKey) > 0;
}

} // namespace vorlen
