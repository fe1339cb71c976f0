// The second half of the result rules: whole results rewritten, accents
// doubled or lost, the casing of the word as written, similar words for a word
// not found; and the order in which all the rules run.
#include "conversion/result_rules.h"
#include "conversion/result_table.h"
#include "conversion/result_text.h"
#include "conversion/word_pipeline.h"
#include "variants/double_accent.h"
#include "variants/similar_words.h"
#include "vocabulary/lookup.h"

namespace vorlen::rules {

void ApplyResultTable(Engine& engine) {
    for (const auto& row : kResultTable)
        if (engine.WordResult == row.From) engine.WordResult = row.To;
}

void FixDoubleE(Engine& engine) {
    std::string& result = engine.WordResult;
    if (Contains(result, "ée"_w) && Contains(result, "eé"_w)) {
        const auto pos = result.find("eé"_w);
        if (pos + 2 >= result.size() || result[pos + 2] != '|') {
            result.replace(pos, 2, "ée"_w);
            DropLastAlternative(result);
        }
    }
    const auto firstBar = result.size() > 1 ? result.find('|', 1) : std::string::npos;
    const bool several = firstBar != std::string::npos && firstBar + 1 != result.size();
    if (several) ReplaceFirst(result, "ée|"_w, "eé|"_w);
}

void DecideDias(Engine& engine) {
    std::string& result = engine.WordResult;
    const bool change = engine.Options.ChangeFoundWords;
    if (Contains(result, "|días|"_w) && change) result = "|días|Díaz|"_w;
    if (ToLower(engine.SourceWord) == "días"_w && Contains(result, "|días|"_w) && !change)
        result = "|días|"_w;
}

void FixHazAs(Engine& engine) {
    const std::string rest = engine.SourceWord.size() > 3 ? engine.SourceWord.substr(3) : "";
    std::string& result = engine.WordResult;
    if (Contains(result, "haz|ás"_w)) result = std::string("ház"_w) + rest;
    if (Contains(result, "ház|ás"_w)) result = "haz" + rest;
    if (Contains(result, "ház|as"_w)) result = "haz" + rest;
}

void RestoreCasing(Engine& engine) {
    std::string& result = engine.WordResult;
    const auto firstBar = result.find('|');
    if (firstBar == std::string::npos) return;
    const std::string& source = engine.SourceWord;
    const bool writtenSmall = !source.empty() && source[0] == ToLowerByte(source[0]);
    if (!engine.InitialCap && writtenSmall)
        for (std::size_t k = 1; k < result.size(); ++k)
            if (result[k - 1] == '|') result[k] = ToLowerByte(result[k]);
    if (engine.InitialCap)
        for (std::size_t k = 1; k < result.size(); ++k)
            if (result[k - 1] == '|') result[k] = ToUpperByte(result[k]);
    if (engine.AllCaps)
        for (std::size_t k = firstBar; k < result.size(); ++k)
            result[k] = ToUpperByte(result[k]);
}

void FixDiasAfterCasing(Engine& engine) {
    if (engine.WordResult == "|días|díaz|"_w || engine.WordResult == "|dias|")
        engine.WordResult = "|días|Díaz|"_w;
}

void OfferSimilarWords(Engine& engine) {
    if (engine.WordResult == "<none>" && engine.Options.SimilarOnMiss) FindSimilarWords(engine);
}

void FixSeis(Engine& engine) {
    if (engine.WordResult == "|ses|")
        engine.WordResult = "|seis|";
    else if (engine.WordResult == "|ses||")
        engine.WordResult = "|seis||";
}

} // namespace vorlen::rules

namespace vorlen {

void ApplyResultRules(Engine& engine) {
    using namespace rules;
    DecideHomophones(engine);
    ApplyReplacementPairs(engine);
    FixEndeAccent(engine);
    FoldEnseEndings(engine);
    RewriteSpellings(engine);
    FixPluralAccents(engine);
    AccentGerundsWithPronouns(engine);
    FixBazWords(engine);
    ApplyResultTable(engine);
    FixDoubleAccent(engine);
    FixDoubleE(engine);
    DecideDias(engine);
    FixHazAs(engine);
    RestoreCasing(engine);
    FixDiasAfterCasing(engine);
    OfferSimilarWords(engine);
    FixSeis(engine);
}

} // namespace vorlen
