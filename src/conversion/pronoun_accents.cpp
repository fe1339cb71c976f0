#include "conversion/pronoun_accents.h"

#include "conversion/word_pipeline.h"
#include "inflection/inflection.h"
#include "stress/written_accent.h"
#include "variants/enclitics.h"
#include "vocabulary/lookup.h"

namespace vorlen {

namespace {

bool IsPlainVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

} // namespace

bool TakesPronouns(const Engine& engine, std::string_view verbForm) {
    if (verbForm.empty()) return false;
    const char last = verbForm.back();
    if (last == 's') return verbForm.ends_with("mos");
    if (!IsPlainVowel(last) || verbForm.ends_with("ndo")) return true;
    std::string key = "|";
    key.append(verbForm).append("n|");
    return VocabLookup(engine, key) > 0;
}

std::string AccentWithPronouns(const Engine& engine, std::string_view word,
                               std::string_view verbForm) {
    if (verbForm.empty()) return {};
    std::size_t kept = verbForm.size();
    if (!word.starts_with(verbForm)) {
        // vamos + nos is written vámonos: the s is not in the word.
        if (!verbForm.ends_with('s') || !word.starts_with(verbForm.substr(0, kept - 1))) return {};
        --kept;
    }
    if (kept >= word.size() || !TakesPronouns(engine, verbForm)) return {};
    return stress::AttachPronouns(verbForm, word.substr(kept));
}

std::string AttachPronounsKeepingCase(std::string_view verbForm, std::string_view pronouns) {
    const std::string lower = ToLower(verbForm);
    std::string joined = stress::AttachPronouns(lower, ToLower(pronouns));
    for (std::size_t k = 0; k < lower.size() && k < joined.size(); ++k)
        if (verbForm[k] != lower[k]) joined[k] = ToUpperByte(joined[k]);
    return joined;
}

} // namespace vorlen

namespace vorlen {

namespace {

// The report of ComposeWordReport: found (naming the word as written) or not
// found with one candidate.
void Report(Engine& engine, bool found, const std::string& candidate) {
    engine.EncliticResult = found ? "Y" : "N";
    engine.ReportWord = engine.SourceWord;
    engine.WordResult = found ? " " : " " + candidate + " ";
    ComposeWordReport(engine);
}

// Two readings of one word: comete + lo (cometer) and come + te + lo, dejase
// + la (the old subjunctive with a pronoun) and deja + se + la. The analysis
// takes the longer verb form, the commoner reading is the imperative with two
// pronouns; so when the verb form accepted ends in me, te or se and stands as
// a verb form without it, that shorter form is taken.
void PreferShorterVerbForm(Engine& engine, std::string_view word) {
    std::string& stem = engine.EncliticStem;
    if (stem.size() < 4 || !word.starts_with(stem)) return;
    const std::string_view tail = std::string_view(stem).substr(stem.size() - 2);
    if (tail != "me" && tail != "te" && tail != "se") return;
    const std::string shorter = stem.substr(0, stem.size() - 2);
    const std::string savedKey = engine.FoundKey;
    const bool isForm = IsInflectedForm(engine, shorter) && TakesPronouns(engine, shorter);
    engine.FoundKey = savedKey;
    if (isForm) stem = shorter;
}

} // namespace

bool ReportStressedPronounForm(Engine& engine) {
    const bool accentWritten = HasAccent(engine.SourceWord) != 0;
    if (!accentWritten) {
        // Accents written are left to the writer (volvíme, the older
        // spelling of volvime), so only a plain word is given them.
        if (engine.EncliticResult != "Y") return false;
        PreferShorterVerbForm(engine, engine.ReportWord);
        const std::string accented =
            AccentWithPronouns(engine, engine.ReportWord, engine.EncliticStem);
        if (accented.empty() || accented == engine.ReportWord) return false;
        Report(engine, false, accented);
        return true;
    }
    if (engine.EncliticResult == "Y") return false;

    const std::string savedStem = engine.EncliticStem;
    const std::string savedWord = engine.ReportWord;
    const bool savedIgnore = engine.IgnoreDiacritics;
    engine.IgnoreDiacritics = true;
    std::string plain = engine.SourceWord;
    engine.EncliticStem.clear();
    const bool known = CheckEnclitics(engine, plain) == "Y";
    if (known) PreferShorterVerbForm(engine, plain);
    engine.IgnoreDiacritics = savedIgnore;
    // The accents written are kept only when they are those of the stress;
    // else the writer may have meant another reading, left to the pipeline.
    if (!known ||
        AccentWithPronouns(engine, plain, engine.EncliticStem) != ToLower(engine.SourceWord)) {
        engine.EncliticStem = savedStem;
        engine.ReportWord = savedWord;
        return false;
    }
    Report(engine, true, {});
    return true;
}

} // namespace vorlen
