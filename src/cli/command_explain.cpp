// vorlen-cli explain WORD...: what each word is, one line each ("vez: tiempo,
// turno, ocasión"), to tell alternatives apart; "-" when nothing is known.
#include "cli/commands.h"
#include "explain/explain_word.h"

#include <ostream>

namespace vorlen::cli {

int RunExplain(Engine& engine, const Words& words, std::ostream& out) {
    for (const auto& word : words) {
        const std::string explanation = ExplainWord(engine, word);
        PrintLine(out, word + ": " + (explanation.empty() ? "-" : explanation));
    }
    return 0;
}

} // namespace vorlen::cli
