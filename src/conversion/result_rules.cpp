// The first half of the result rules: decisions between homophones, the
// vocabulary's replacement pairs and the rewrites of accents and spellings
// that the sound-alike search gets wrong.
#include "conversion/result_rules.h"

#include "conversion/ando_pronoun_table.h"
#include "conversion/attached_pronouns.h"
#include "conversion/baz_words.h"
#include "conversion/gerund_pronoun_table.h"
#include "conversion/homophone_table.h"
#include "conversion/plural_accent_table.h"
#include "conversion/result_text.h"
#include "conversion/spelling_rewrite_table.h"
#include "variants/double_accent.h"
#include "vocabulary/lookup.h"

#include <algorithm>
#include <span>

namespace vorlen::rules {

namespace {

bool ContainsAny(std::string_view text, std::span<const std::string_view> parts) {
    return std::any_of(parts.begin(), parts.end(),
                       [&](std::string_view part) { return Contains(text, part); });
}

void DropTimes(Engine& engine, int times) {
    for (int k = 0; k < times; ++k)
        DropLastAlternative(engine.WordResult);
}

// The first occurrence of `from` that is not right after a g or q, where a u
// is silent (seguir, delinquir).
std::size_t FindWithSoundedU(std::string_view text, std::string_view from) {
    for (auto pos = text.find(from); pos != std::string_view::npos;
         pos = text.find(from, pos + 1)) {
        if (pos == 0 || (text[pos - 1] != 'g' && text[pos - 1] != 'q')) return pos;
    }
    return std::string_view::npos;
}

// The first occurrence of `from` followed by the end of its candidate (a bar).
std::size_t FindAtCandidateEnd(std::string_view text, std::string_view from) {
    for (auto pos = text.find(from); pos != std::string_view::npos;
         pos = text.find(from, pos + 1)) {
        if (pos + from.size() < text.size() && text[pos + from.size()] == '|') return pos;
    }
    return std::string_view::npos;
}

// The first occurrence of a gerund pattern ("iendom", "andol") whose letters
// after the gerund, up to the end of the candidate, are attached pronouns.
std::size_t FindGerundWithPronouns(std::string_view text, std::string_view pattern) {
    const std::size_t gerundEnd = pattern.size() - 1; // the pattern's last letter starts the tail
    for (auto pos = text.find(pattern); pos != std::string_view::npos;
         pos = text.find(pattern, pos + 1)) {
        const std::size_t tailStart = pos + gerundEnd;
        const auto bar = text.find('|', tailStart);
        const auto tail = text.substr(
            tailStart, bar == std::string_view::npos ? std::string_view::npos : bar - tailStart);
        if (IsPronounTail(tail)) return pos;
    }
    return std::string_view::npos;
}

// Writes the accent of the first gerund with attached pronouns that one of
// the table's patterns finds (tried in table order); false when none does.
bool AccentOneGerund(std::string& text, std::span<const GerundAccent> table) {
    for (const auto& row : table) {
        const auto pos = FindGerundWithPronouns(text, row.From);
        if (pos == std::string::npos) continue;
        text.replace(pos, row.From.size(), row.To);
        return true;
    }
    return false;
}

bool IsOnePronoun(std::string_view s) {
    return std::find(kAttachedPronouns.begin(), kAttachedPronouns.end(), s) !=
           kAttachedPronouns.end();
}

} // namespace

bool IsPronounTail(std::string_view tail) {
    if (IsOnePronoun(tail)) return true;
    for (std::size_t cut = 2; cut + 2 <= tail.size(); ++cut)
        if (IsOnePronoun(tail.substr(0, cut)) && IsOnePronoun(tail.substr(cut))) return true;
    return false;
}

void DecideHomophones(Engine& engine) {
    std::string& result = engine.WordResult;
    if ((result == "|mí|"_w || result == "|mi|") && engine.Options.ChangeFoundWords)
        result = "|mi|mí|"_w;
    const std::string written = ToLower(engine.SourceWord);
    for (const auto& line : kHomophoneLines)
        if (written == line.Written && result == line.Candidates) result = line.Becomes;
    // A capital O stands for the conjunction ó (it is written with its accent
    // between figures and in old capitals); a small one is the plain o.
    if (result == "|o|ó|"_w) result = (engine.InitialCap || engine.AllCaps) ? "|ó|"_w : "|o|";
    if (Contains(result, "|ablándó"_w)) result = "|" + engine.SourceWord + "|";
}

void ApplyReplacementPairs(Engine& engine) {
    const VocabularyStore& store = *engine.Vocabulary;
    const int last =
        std::min(store.ReplacementLast, static_cast<int>(store.ReplacementKeys.size()) - 1);
    for (int k = 0; k <= last; ++k) {
        const auto index = static_cast<std::size_t>(k);
        if (index >= store.ReplacementValues.size()) break;
        if (ToLower(engine.WordResult) == store.ReplacementKeys[index])
            engine.WordResult = store.ReplacementValues[index];
    }
}

void FixEndeAccent(Engine& engine) {
    std::string& result = engine.WordResult;
    const auto pos = result.find("éndé"_w);
    if (pos == std::string::npos) return;
    result.replace(pos, 4, "énde"_w);
    // The candidates before the one that held it are dropped, with the bar
    // that opened it.
    const auto bar = pos > 1 ? result.find('|', 1) : std::string::npos;
    if (bar != std::string::npos && bar < pos) result = result.substr(bar + 1);
}

void FoldEnseEndings(Engine& engine) {
    for (auto ending : {"ense|"_w, "enses|"_w}) {
        if (!Contains(engine.WordResult, ending) || HasAccent(engine.SourceWord) != 0) continue;
        const int saved = engine.IgnoreDiacritics;
        engine.IgnoreDiacritics = true;
        engine.WordResult = FoldForLookup(engine.WordResult, engine.IgnoreDiacritics);
        engine.IgnoreDiacritics = saved;
    }
}

void RewriteSpellings(Engine& engine) {
    std::string& result = engine.WordResult;
    for (const auto& row : kSpellingRewrites) {
        if (!row.UnlessListHas.empty() && Contains(result, row.UnlessListHas)) continue;
        if (!row.UnlessListHasToo.empty() && Contains(result, row.UnlessListHasToo)) continue;
        const auto pos =
            row.SkipSilentU ? FindWithSoundedU(result, row.From) : result.find(row.From);
        if (pos == std::string::npos) continue;
        result.replace(pos, row.From.size(), row.To);
        DropTimes(engine, row.Drops);
    }
}

void FixPluralAccents(Engine& engine) {
    if (ContainsAny(engine.WordResult, kPluralAccentKeepers)) return;
    for (const auto& row : kPluralAccents) {
        const auto pos = FindAtCandidateEnd(engine.WordResult, row.From);
        if (pos == std::string::npos) continue;
        engine.WordResult.replace(pos, row.From.size(), row.To);
        DropTimes(engine, 1);
    }
}

void AccentGerundsWithPronouns(Engine& engine) {
    std::string& result = engine.WordResult;
    while (Contains(result, "ndo") && AccentOneGerund(result, kGerundPronounAccents)) {
    }
    if (ContainsAny(result, kAndoWordsLeftAlone)) return;
    while (AccentOneGerund(result, kAndoPronounAccents)) {
    }
}

void FixBazWords(Engine& engine) {
    std::string& result = engine.WordResult;
    if (Contains(result, "báz"_w)) FixDoubleAccent(engine);
    if (!Contains(result, "|baz") || ContainsAny(result, kBazWords)) return;
    ReplaceFirst(result, "|baz", "|bas");
    if (result.size() > 4 && result.find('|', 4) != std::string::npos) DropTimes(engine, 1);
}

} // namespace vorlen::rules
