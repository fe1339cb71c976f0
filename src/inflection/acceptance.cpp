#include "inflection/acceptance.h"

#include "inflection/false_infinitives.h"
#include "inflection/never_accepted_words.h"

#include <algorithm>
#include <string>

namespace vorlen {

namespace {

bool IndexIsFor(const ExtraWordIndex& index, const std::shared_ptr<const VocabularyStore>& store) {
    return !index.Vocabulary.owner_before(store) && !store.owner_before(index.Vocabulary);
}

// Every stretch between two neighbouring bars is a word of the line, so a
// bar-free word is in the set exactly when "|" + word + "|" is in the line.
void RebuildIndex(ExtraWordIndex& index, const std::shared_ptr<const VocabularyStore>& store) {
    index.Words.clear();
    const std::string_view line = store->ExtraWordLine;
    for (auto bar = line.find('|'); bar != std::string_view::npos;) {
        const auto next = line.find('|', bar + 1);
        if (next == std::string_view::npos) break;
        index.Words.insert(line.substr(bar + 1, next - bar - 1));
        bar = next;
    }
    index.Vocabulary = store;
}

} // namespace

bool IsExtraWord(Engine& engine, std::string_view word) {
    const std::string& line = engine.Vocabulary->ExtraWordLine;
    if (line.empty()) return false;
    if (word.find('|') != std::string_view::npos) {
        std::string key;
        key.reserve(word.size() + 2);
        key.append(1, '|').append(word).append(1, '|');
        return line.find(key) != std::string::npos;
    }
    if (!IndexIsFor(engine.ExtraWords, engine.Vocabulary))
        RebuildIndex(engine.ExtraWords, engine.Vocabulary);
    return engine.ExtraWords.Words.contains(word);
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
