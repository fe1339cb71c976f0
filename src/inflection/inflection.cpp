#include "inflection/inflection.h"

#include "inflection/acceptance.h"
#include "inflection/impossible_forms.h"
#include "inflection/rule_conditions.h"
#include "inflection/rule_sequence.h"
#include "vocabulary/lookup.h"

#include <functional>

namespace vorlen {

namespace {

void SetKey(std::string& key, std::string_view stem, std::string_view replacement) {
    key.clear();
    key.push_back('|');
    key.append(stem);
    key.append(replacement);
}

// Keys are built in FoundKey; a word that lives in that buffer is copied first.
bool LivesIn(std::string_view word, const std::string& buffer) {
    const std::less<const char*> before;
    return !before(word.data(), buffer.data()) &&
           before(word.data(), buffer.data() + buffer.capacity());
}

bool StoppedAtLength(const RuleStep& step, std::size_t length) {
    return length < 32 && ((step.stoppedLengths >> length) & 1u) != 0;
}

} // namespace

std::string InflectionLookup(Engine& engine, const std::string& word) {
    return IsInflectedForm(engine, word) ? "Y" : "N";
}

bool IsInflectedForm(Engine& engine, std::string_view word) {
    // With a bar inside, "|casa|cosa|" would be found as two neighbouring
    // entries of the line. No word holds a bar.
    if (HoldsBar(word)) return false;
    std::string ownCopy;
    if (LivesIn(word, engine.FoundKey)) {
        ownCopy.assign(word);
        word = ownCopy;
    }

    std::string& key = engine.FoundKey;
    SetKey(key, word, "|");
    if (VocabLookup(engine, key) > 0) return AcceptsHit(engine, word);
    if (word.size() < 2) return false;

    int typedWordAccent = -1; // HasAccent(SourceWord), once a rule needs it
    const std::uint64_t tail = PackedTail(word);
    const auto last = static_cast<unsigned char>(word.back());
    for (auto k = kRuleStepIndex.first[last]; k < kRuleStepIndex.first[last + 1u]; ++k) {
        const PackedEnding& packed = kRuleStepIndex.endings[k];
        if ((tail & packed.mask) != packed.tail) continue;
        const RuleStep& step = kRuleSteps[packed.step];
        if (step.ending.size() > 8 && !word.ends_with(step.ending)) continue;
        if (word.size() < step.minLength) continue;
        if (StoppedAtLength(step, word.size())) return false;
        if (step.onlyUnaccentedTypedWord) {
            if (typedWordAccent < 0) typedWordAccent = HasAccent(engine.SourceWord);
            if (typedWordAccent != 0) continue;
        }
        const std::string_view stem = word.substr(0, word.size() - step.ending.size());
        if (!RuleConditionHolds(step.condition, stem, engine.SourceWord)) continue;
        if (step.replacement.empty()) return false; // a stop ending
        SetKey(key, stem, step.replacement);
        if (VocabLookup(engine, key) > 0)
            return AcceptsHit(engine, word) &&
                   (engine.Options.Classic || !IsImpossibleForm(engine, word, packed.step));
    }
    return false;
}

} // namespace vorlen
