#include "cli/commands.h"
#include "variants/similar_words.h"

#include <ostream>

namespace vorlen::cli {

// The similar words of each word as the search leaves them ("|w1|w2"), or an
// empty line when there are none.
int RunSimilar(Engine& engine, const Words& words, std::ostream& out) {
    for (const auto& word : words) {
        engine.SourceWord = word;
        engine.WordResult = "<none>"; // as the pipeline calls it: nothing else was found
        FindSimilarWords(engine);
        PrintLine(out, engine.SimilarWords);
    }
    return 0;
}

} // namespace vorlen::cli
