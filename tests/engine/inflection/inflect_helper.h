// Runs one word through both entry points of the inflection analysis and
// returns "Y |key|" or "N |key|" (UTF-8): the answer and FoundKey after it.
#pragma once

#include "inflection/inflection.h"
#include "support/test_vocabulary.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace vorlen::test {

// `typed` is the word as the user typed it (SourceWord); the word itself when empty.
inline std::string Inflect(Engine& engine, std::string_view word, std::string_view typed = {}) {
    const std::string cp = W(word);
    engine.SourceWord = typed.empty() ? cp : W(typed);
    const std::string answer = InflectionLookup(engine, cp);
    const std::string key = engine.FoundKey;

    engine.FoundKey = "stale";
    const bool flag = IsInflectedForm(engine, cp);
    EXPECT_EQ(flag, answer == "Y") << "IsInflectedForm disagrees for " << word;
    EXPECT_EQ(U(engine.FoundKey), U(key)) << "FoundKey differs between entry points for " << word;
    return answer + " " + U(key);
}

// One word looked up against its own small vocabulary.
struct InflectCase {
    std::vector<std::string> words;
    std::string_view word;
    std::string_view expected;
    std::string_view typed = {};
};

// Each case on its own vocabulary.
inline void ExpectInflects(const std::vector<InflectCase>& cases) {
    for (const InflectCase& c : cases) {
        SCOPED_TRACE(std::string(c.word));
        Engine engine = MakeEngine(TestVocabulary{c.words});
        EXPECT_EQ(Inflect(engine, c.word, c.typed), c.expected)
            << c.word << (c.typed.empty() ? "" : " typed as ") << c.typed;
    }
}

} // namespace vorlen::test
