#include "phonetics/respell.h"

#include "phonetics/respell_rules.h"
#include "phonetics/respell_search.h"
#include "vocabulary/lookup.h"

namespace vorlen {

namespace {

// The word may be one of the engine's own strings, so it is read into the
// framed word before anything else is written.
void FrameWord(RespellState& state, std::string_view word) {
    std::string& framed = state.FramedWord;
    framed.clear();
    framed.push_back('|');
    framed.append(word);
    framed.push_back('|');
}

} // namespace

void PhoneticRespell(Engine& engine, const std::string& word) {
    FrameWord(engine.Respell, FoldForLookup(word, engine.IgnoreDiacritics));
    RunRespellSearch(engine, kRespellRules, Collection::EveryHit);
}

void PhoneticRespellAccented(Engine& engine, const std::string& word) {
    FrameWord(engine.Respell, word);
    ToLowerInPlace(engine.Respell.FramedWord);
    RunRespellSearch(engine, kAccentedRespellRules, Collection::OncePerSpelling);
}

void SetCandidateObserver(Engine& engine, CandidateObserver observer) {
    engine.Respell.CandidateObserver = std::move(observer);
}

} // namespace vorlen
