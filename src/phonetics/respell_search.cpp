#include "phonetics/respell_search.h"

#include "inflection/inflection.h"
#include "vocabulary/cp1252.h"

#include <vector>

namespace vorlen {

namespace {

const RespellRule* FirstApplyingRule(std::span<const RespellRule> rules, std::string_view framed,
                                     std::size_t position) {
    const std::string_view rest = framed.substr(position);
    for (const RespellRule& rule : rules) {
        // The first character turns most rules down without a call of memcmp.
        if (!rule.Pattern.empty() && (rest.empty() || rule.Pattern[0] != rest[0])) continue;
        if (!rest.starts_with(rule.Pattern)) continue;
        if (!rule.NextLetters.empty()) {
            const std::size_t next = rule.Pattern.size();
            if (next >= rest.size() || rule.NextLetters.find(rest[next]) == std::string_view::npos)
                continue;
        }
        return &rule;
    }
    return nullptr;
}

// Builds CandidateSpelling from the chosen columns and adds to the budget what
// the candidate adds to the bar-joined run of tried spellings: its letters,
// and a bar wherever one is not already the last character of the run.
void BuildCandidate(RespellState& state, bool& triedEndsWithBar) {
    state.CarryPosition = 0;
    std::string& candidate = state.CandidateSpelling;
    candidate.clear();
    std::size_t added = 0;
    for (int row = 0; row <= state.LastSegment; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const auto column = static_cast<std::size_t>(state.SegmentChoice[r]);
        for (const char c : state.SegmentAlternatives[r].Alternatives[column]) {
            if (c == '|') {
                if (!triedEndsWithBar) ++added;
                triedEndsWithBar = true;
            } else {
                candidate.push_back(c);
                ++added;
                triedEndsWithBar = false;
            }
        }
    }
    state.TriedSpellingsLength += added;
    ++state.CandidateCount;
}

void Collect(std::string& wordResult, std::string_view spelling, Collection collection) {
    if (collection == Collection::OncePerSpelling && ListsSpelling(wordResult, spelling)) return;
    wordResult.append(spelling);
    wordResult.push_back(' ');
}

// Checks the candidate in lower case, with a capital, in capitals, up to the
// first that is a word. Returns false when the search is to stop: the word as
// written, in lower case, was found and only changes are wanted (found words
// are kept), so a word spelled right costs one lookup.
bool CheckCandidate(Engine& engine, Collection collection) {
    RespellState& state = engine.Respell;
    const std::string& candidate = state.CandidateSpelling;
    if (IsInflectedForm(engine, candidate)) {
        Collect(engine.WordResult, candidate, collection);
        return engine.Options.ChangeFoundWords || candidate != engine.SourceWord;
    }
    std::string& cased = state.CasedSpelling;
    cased = candidate;
    if (!cased.empty()) cased[0] = ToUpperByte(cased[0]);
    if (IsInflectedForm(engine, cased)) {
        Collect(engine.WordResult, cased, collection);
        return true;
    }
    for (char& c : cased)
        c = ToUpperByte(c);
    if (IsInflectedForm(engine, cased)) Collect(engine.WordResult, cased, collection);
    return true;
}

// Moves the mixed-radix counter on, row 0 the fastest digit. Returns false
// when the budget is spent or every combination has been built.
bool AdvanceCounter(RespellState& state) {
    for (;;) {
        if (state.TriedSpellingsLength > kTriedSpellingsBudget) return false;
        const auto carry = static_cast<std::size_t>(state.CarryPosition);
        if (state.SegmentChoice[carry] + 1 < state.SegmentAlternatives[carry].Count) {
            ++state.SegmentChoice[carry];
            return true;
        }
        // Rows below the carry are already back at 0.
        state.SegmentChoice[carry] = 0;
        if (++state.CarryPosition > state.LastSegment) return false;
    }
}

// The column whose spelling is the segment's own letters; column 0 when the
// rule offers none (an initial rr made single).
int WrittenColumn(const RespellSegment& segment, std::string_view written) {
    for (int column = 0; column < segment.Count; ++column)
        if (segment.Alternatives[static_cast<std::size_t>(column)] == written) return column;
    return 0;
}

// Builds and checks the candidate of the current choices. Returns false when
// the search is to stop: the check said so or the budget is spent.
bool TryChoices(Engine& engine, Collection collection, bool& triedEndsWithBar) {
    RespellState& state = engine.Respell;
    BuildCandidate(state, triedEndsWithBar);
    if (state.CandidateObserver) state.CandidateObserver(state.CandidateSpelling);
    if (!CheckCandidate(engine, collection)) return false;
    return state.TriedSpellingsLength <= kTriedSpellingsBudget;
}

// Every choice of other columns for the rows in `changed` (each row takes
// every column but its written one), the first row fastest. False when the
// search is to stop.
bool TryChangedRows(Engine& engine, Collection collection, bool& triedEndsWithBar,
                    const std::vector<int>& changed) {
    RespellState& state = engine.Respell;
    const auto firstOther = [&](int row) {
        return state.SegmentAlternatives[static_cast<std::size_t>(row)].WrittenColumn == 0 ? 1 : 0;
    };
    const auto nextOther = [&](int row, int column) {
        const int next = column + 1;
        return next == state.SegmentAlternatives[static_cast<std::size_t>(row)].WrittenColumn
                   ? next + 1
                   : next;
    };
    for (const int row : changed)
        state.SegmentChoice[static_cast<std::size_t>(row)] = firstOther(row);
    for (;;) {
        if (!TryChoices(engine, collection, triedEndsWithBar)) return false;
        std::size_t digit = 0;
        for (; digit < changed.size(); ++digit) {
            const int row = changed[digit];
            int& choice = state.SegmentChoice[static_cast<std::size_t>(row)];
            choice = nextOther(row, choice);
            if (choice < state.SegmentAlternatives[static_cast<std::size_t>(row)].Count) break;
            choice = firstOther(row);
        }
        if (digit == changed.size()) break;
    }
    for (const int row : changed)
        state.SegmentChoice[static_cast<std::size_t>(row)] =
            state.SegmentAlternatives[static_cast<std::size_t>(row)].WrittenColumn;
    return true;
}

// The fewest-changes order: the word as written, then every spelling that
// changes one segment, then two, and so on, so that a long word with one or
// two slips is reached within the budget. The rows changed together are
// taken in increasing order of their positions.
void RunFewestChangesOrder(Engine& engine, Collection collection) {
    RespellState& state = engine.Respell;
    std::vector<int> changeable;
    for (int row = 0; row <= state.LastSegment; ++row) {
        const RespellSegment& segment = state.SegmentAlternatives[static_cast<std::size_t>(row)];
        state.SegmentChoice[static_cast<std::size_t>(row)] = segment.WrittenColumn;
        if (segment.Count > 1) changeable.push_back(row);
    }
    bool triedEndsWithBar = false;
    if (!TryChoices(engine, collection, triedEndsWithBar)) return;
    const int n = static_cast<int>(changeable.size());
    std::vector<int> picked;  // indices into `changeable`, increasing
    std::vector<int> changed; // the rows they name
    for (int changes = 1; changes <= n; ++changes) {
        picked.resize(static_cast<std::size_t>(changes));
        for (int k = 0; k < changes; ++k)
            picked[static_cast<std::size_t>(k)] = k;
        for (;;) {
            changed.clear();
            for (const int index : picked)
                changed.push_back(changeable[static_cast<std::size_t>(index)]);
            if (!TryChangedRows(engine, collection, triedEndsWithBar, changed)) return;
            // The next set of `changes` indices in lexicographic order.
            int k = changes - 1;
            while (k >= 0 && picked[static_cast<std::size_t>(k)] == n - changes + k)
                --k;
            if (k < 0) break;
            ++picked[static_cast<std::size_t>(k)];
            for (int j = k + 1; j < changes; ++j)
                picked[static_cast<std::size_t>(j)] = picked[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

} // namespace

bool ListsSpelling(std::string_view list, std::string_view spelling) {
    for (auto pos = list.find(spelling, 1); pos != std::string_view::npos;
         pos = list.find(spelling, pos + 1)) {
        const std::size_t end = pos + spelling.size();
        if (list[pos - 1] == ' ' && end < list.size() && list[end] == ' ') return true;
    }
    return false;
}

void SegmentFramedWord(RespellState& state, std::span<const RespellRule> rules) {
    const std::string_view framed = state.FramedWord;
    state.SegmentAlternatives.clear();
    std::size_t position = 0;
    while (position < framed.size()) {
        RespellSegment segment;
        std::size_t advance = 1;
        if (framed.size() == 3) {
            // A one-letter word stays whole: "|a|".
            segment.Alternatives[0] = framed;
            segment.Count = 1;
            advance = 3;
        } else if (const RespellRule* rule = FirstApplyingRule(rules, framed, position)) {
            segment.Alternatives = rule->Alternatives;
            segment.Count = AlternativeCount(*rule);
            advance = static_cast<std::size_t>(rule->Advance);
            segment.WrittenColumn = WrittenColumn(segment, framed.substr(position, advance));
        } else {
            // No rule knows this letter here (a second accented vowel after
            // folding, c before ü, a character that is no letter): it stays.
            segment.Alternatives[0] = framed.substr(position, 1);
            segment.Count = 1;
        }
        state.SegmentAlternatives.push_back(segment);
        position += advance;
    }
    state.LastSegment = static_cast<int>(state.SegmentAlternatives.size()) - 1;
}

void RunRespellSearch(Engine& engine, std::span<const RespellRule> rules, Collection collection) {
    RespellState& state = engine.Respell;
    SegmentFramedWord(state, rules);
    engine.WordResult = " ";
    state.TriedSpellingsLength = 0;
    state.CandidateCount = 0;
    state.SegmentChoice.assign(state.SegmentAlternatives.size(), 0);
    state.CarryPosition = 0;
    if (state.LastSegment < 0) return;
    if (!engine.Options.Classic) {
        RunFewestChangesOrder(engine, collection);
        return;
    }
    bool triedEndsWithBar = false;
    do {
        BuildCandidate(state, triedEndsWithBar);
        if (state.CandidateObserver) state.CandidateObserver(state.CandidateSpelling);
        if (!CheckCandidate(engine, collection)) return;
    } while (AdvanceCounter(state));
}

} // namespace vorlen
