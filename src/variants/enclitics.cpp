#include "variants/enclitics.h"

#include "inflection/inflection.h"
#include "variants/enclitic_endings.h"
#include "vocabulary/lookup.h"

#include <string_view>

namespace vorlen {

namespace {

bool Accepted(Engine& engine) {
    return InflectionLookup(engine, engine.EncliticStem) == "Y";
}

} // namespace

std::string CheckEnclitics(Engine& engine, std::string& word) {
    // The caller's word is left folded whatever the answer: the pipeline
    // reports it as the spelling found.
    // The search reads its own copy, so it holds even when the caller hands in
    // a string of the engine's own.
    const std::string folded = FoldForLookup(word, engine.IgnoreDiacritics);
    word = folded;
    const std::size_t length = folded.size();

    if (length == 1) return "Y"; // y, a, o: nothing to split
    if (VocabLookup(engine, "|" + folded + "|") >= 1) return "Y";

    engine.EncliticStem = folded;
    if (Accepted(engine)) return "Y";

    // A verb form takes a pronoun only after one of these letters (hablar-lo,
    // haz-lo, dí-melo, comprando-lo); never after ó or ú, so sólo keeps its lo.
    const std::string_view hosts = engine.Vocabulary->EncliticHostLetters;
    for (const EncliticEnding& entry : kEncliticEndings) {
        if (length < entry.MinWordLength) break; // the groups only get longer
        if (!std::string_view(folded).ends_with(entry.Ending)) continue;
        const std::size_t stemLength = length - entry.Ending.size(); // at least 2

        if (hosts.find(folded[stemLength - 1]) != std::string_view::npos) {
            engine.EncliticStem.assign(folded, 0, stemLength);
            if (Accepted(engine)) return "Y";
        }
        // vámo-nos, démo-selo: the imperative lost its s before the pronoun.
        if (entry.FirstPlural && folded[stemLength - 2] == 'm' && folded[stemLength - 1] == 'o') {
            engine.EncliticStem.assign(folded, 0, stemLength);
            engine.EncliticStem.push_back('s');
            if (Accepted(engine)) return "Y";
        }
    }
    return "N";
}

} // namespace vorlen
