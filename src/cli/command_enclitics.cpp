#include "cli/commands.h"
#include "variants/enclitics.h"

#include <ostream>

namespace vorlen::cli {

// "Y <stem>" or "N <stem>": the answer and the verb form left without its
// attached pronouns. A word answered before any stem is formed (one letter, or
// in the vocabulary as written) leaves the stem of the word before it.
int RunEnclitics(Engine& engine, const Words& words, std::ostream& out) {
    for (const auto& word : words) {
        engine.SourceWord = word; // read by the inflection analysis
        std::string folded = word;
        const std::string answer = CheckEnclitics(engine, folded);
        PrintLine(out, answer + " " + engine.EncliticStem);
    }
    return 0;
}

} // namespace vorlen::cli
