// One word through the word pipeline, shown as the text driver shows it
// (UTF-8 in and out).
#pragma once

#include "conversion/word_pipeline.h"
#include "support/test_vocabulary.h"

#include <string>
#include <string_view>

namespace vorlen::test {

inline std::string ShownWord(Engine& engine, std::string_view utf8) {
    engine.CurrentWord = W(utf8);
    engine.SimilarWords.clear();
    ConvertWord(engine);
    ToOutputForm(engine);
    MarkNotFoundOrChanged(engine);
    return U(engine.WordResult);
}

} // namespace vorlen::test
