#include "inflection/acceptance.h"

#include "inflection/false_infinitives.h"
#include "inflection/never_accepted_words.h"

#include <algorithm>
#include <string>

namespace vorlen {

bool IsExtraWord(const Engine& engine, std::string_view word) {
    const std::string& line = engine.Vocabulary->ExtraWordLine;
    if (line.empty()) return false;
    if (word.find('|') != std::string_view::npos) {
        std::string key;
        key.reserve(word.size() + 2);
        key.append(1, '|').append(word).append(1, '|');
        return line.find(key) != std::string::npos;
    }
    return engine.Vocabulary->ExtraWords.contains(word);
}

bool AcceptsHit(Engine& engine, std::string_view word) {
    if (std::find(kNeverAcceptedWords.begin(), kNeverAcceptedWords.end(), word) !=
        kNeverAcceptedWords.end())
        return false;
    for (const FalseInfinitive& entry : kFalseInfinitives) {
        if (engine.FoundKey == entry.key) {
            if (!word.starts_with(entry.requiredStart)) return false;
            break;
        }
    }
    return !IsExtraWord(engine, word);
}

} // namespace vorlen
