// vorlen-cli word WORD...: each word through the word pipeline, printed in the
// output notation of a converted text (bare word, "ves|vez", "|kasa" for a word
// not found, "casa|" for one candidate with similar words).
#include "cli/commands.h"
#include "conversion/text_driver.h"
#include "conversion/word_memo.h"

#include <ostream>

namespace vorlen::cli {

int RunWord(Engine& engine, const Words& words, std::ostream& out) {
    for (const auto& word : words) {
        if (word.empty()) {
            PrintLine(out, "");
            continue;
        }
        engine.CurrentWord = word;
        ConvertWordRemembered(engine);
        ToOutputForm(engine);
        MarkNotFoundOrChanged(engine);
        PrintLine(out, engine.WordResult);
    }
    return 0;
}

} // namespace vorlen::cli
