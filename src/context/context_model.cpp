#include "context/context_model.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/lookup.h"

#include <algorithm>
#include <cmath>

namespace vorlen {

namespace {

using namespace vorlen::literals;

// Weight of the back-off estimate in a smoothed row, as if it had been seen
// this many times.
constexpr double kBackOffWeight = 2.0;
// A group seen this often heeds its pooled ending half as much.
constexpr double kPoolShrink = 50.0;
// Spellings whose group is remembered before the memory is emptied.
constexpr std::size_t kRememberedSpellings = 50000;

// Accents current rules dropped or made optional: never proposed.
constexpr std::string_view kOptionalAccents[] = {
    "éste"_w,  "ésta"_w,    "éstos"_w,    "éstas"_w,    "ése"_w,  "ésa"_w,  "ésos"_w, "ésas"_w,
    "aquél"_w, "aquélla"_w, "aquéllos"_w, "aquéllas"_w, "sólo"_w, "ésto"_w, "éso"_w,  "aquéllo"_w,
};

bool IsOptionalAccent(std::string_view word) {
    for (const std::string_view optional : kOptionalAccents)
        if (word == optional) return true;
    return false;
}

// The smoothed shares of some counts.
MemberValues Shares(const std::uint32_t* counts, std::size_t n) {
    double total = 0;
    for (std::size_t k = 0; k < n; ++k)
        total += counts[k];
    MemberValues shares{};
    for (std::size_t k = 0; k < n; ++k)
        shares[k] = (counts[k] + 0.5) / (total + 0.5 * static_cast<double>(n));
    return shares;
}

// Moves an estimate of n members by what a pooled verb ending's row says of
// the plain form against the one stressed on the ending (poolMember), to the
// power of the weight the group gives its pooled ending.
void LeanTowardsPool(MemberValues& estimate, std::size_t n, const std::uint32_t* q,
                     const MemberValues& poolPrior, std::size_t poolMember, double weight) {
    const double seen = static_cast<double>(q[0]) + q[1];
    estimate[0] *= std::pow(
        (q[0] + kBackOffWeight * poolPrior[0]) / (seen + kBackOffWeight) / poolPrior[0], weight);
    estimate[poolMember] *= std::pow(
        (q[1] + kBackOffWeight * poolPrior[1]) / (seen + kBackOffWeight) / poolPrior[1], weight);
    double sum = 0;
    for (std::size_t k = 0; k < n; ++k)
        sum += estimate[k];
    for (std::size_t k = 0; k < n; ++k)
        estimate[k] /= sum;
}

bool IsEdge(std::string_view token) {
    return token == kSentenceEdge;
}

// Each Windows-1252 byte lower-cased with á é í ó ú ü made plain (ñ stays),
// and whether it is one of those accented vowels in either case: a table, as
// every word of a text passes through them.
struct PlainBytes {
    std::array<char, 256> Plain{};
    std::array<bool, 256> Accented{};
};

constexpr PlainBytes MakePlainBytes() {
    PlainBytes table;
    constexpr std::string_view accented = "áéíóúü"_w;
    for (int b = 0; b < 256; ++b)
        table.Plain[static_cast<std::size_t>(b)] = ToLowerByte(static_cast<char>(b));
    for (std::size_t i = 0; i < accented.size(); ++i) {
        const auto lower = static_cast<unsigned char>(accented[i]);
        const auto upper = static_cast<unsigned char>(ToUpperByte(accented[i]));
        table.Plain[lower] = table.Plain[upper] = "aeiouu"[i];
        table.Accented[lower] = table.Accented[upper] = true;
    }
    return table;
}

constexpr PlainBytes kPlainBytes = MakePlainBytes();
static_assert(kPlainBytes.Plain[static_cast<unsigned char>("Ú"_w[0])] == 'u');
static_assert(kPlainBytes.Plain[static_cast<unsigned char>("Ñ"_w[0])] ==
              "ñ"_w[0]); // not an accent: another letter

} // namespace

std::string PlainSpelling(std::string_view word) {
    std::string plain(word);
    for (char& c : plain)
        c = kPlainBytes.Plain[static_cast<unsigned char>(c)];
    return plain;
}

ContextAccents::ContextAccents(const ContextTable& table, const Engine& engine)
    : table_(table), engine_(engine) {
    for (Token& token : window_)
        token.Plain = kSentenceEdge;
    for (const int pool : table_.Pools) {
        const std::string ending =
            table_.Groups[static_cast<std::size_t>(pool)].Members[0].substr(1);
        pools_.push_back({pool, ending, PlainSpelling(ending)});
    }
}

ContextAccents::FoundGroup ContextAccents::Lookup(const std::string& plain) const {
    if (const int group = table_.GroupOf(plain); group >= 0) {
        const ContextGroup& g = table_.Groups[static_cast<std::size_t>(group)];
        return {&g.Members, g.Margin, group, g.Pool, g.PoolMember};
    }
    // Only a word as long as a pooled verb form can be one the counts never met.
    if (plain.size() < kPoolMinLength) return {};
    if (const auto found = verbForms_.find(plain); found != verbForms_.end())
        return found->second.Found;
    if (verbForms_.size() >= kRememberedSpellings) verbForms_.clear();
    VerbForm& form = verbForms_.emplace(plain, FindVerbForm(plain)).first->second;
    if (!form.Members.empty()) form.Found.Members = &form.Members; // where the node stays
    return form.Found;
}

void ContextAccents::AddWord(std::string_view written) {
    // The newest token takes the oldest's place in the ring, and its string:
    // no word is copied twice and, once the strings have grown, none is allocated.
    Token& token = window_[oldest_];
    token.Plain.resize(written.size());
    bool accented = false;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const auto byte = static_cast<unsigned char>(written[i]);
        token.Plain[i] = kPlainBytes.Plain[byte];
        accented |= kPlainBytes.Accented[byte];
    }
    token.WordOrdinal = words_++;
    // A word written with an accent is the writer's choice.
    token.Candidate = !accented;
    Advance();
}

void ContextAccents::AddMark(std::string_view mark) {
    if (At(4).Plain == mark) return; // "..." or "?!" is one edge
    PushMark(mark);
}

void ContextAccents::Finish() {
    AddMark(kSentenceEdge);
    // Beyond the end everything is an edge: two more bring the last word to the middle.
    for (int i = 0; i < 2; ++i)
        PushMark(kSentenceEdge);
}

void ContextAccents::PushMark(std::string_view mark) {
    Token& token = window_[oldest_];
    token.Plain.assign(mark);
    token.Candidate = false;
    Advance();
}

void ContextAccents::Advance() {
    // The slot just written becomes the newest: a ring, nothing moves.
    oldest_ = (oldest_ + 1) % window_.size();
    Decide();
}

void ContextAccents::Decide() {
    const Token& centre = At(2);
    if (!centre.Candidate) return;
    // Most words are in no group, and a group switched off never restores.
    const FoundGroup found = Lookup(centre.Plain);
    if (found.Members == nullptr || found.Margin >= kSwitchedOffMargin) return;
    std::array<std::string_view, 5> plain;
    for (std::size_t i = 0; i < window_.size(); ++i)
        plain[i] = At(i).Plain;
    MemberValues scores{};
    ScoreFound(found, plain, scores);
    std::size_t best = 0;
    for (std::size_t k = 1; k < found.Members->size(); ++k)
        if (scores[k] > scores[best]) best = k;
    if (best != 0 && scores[best] - scores[0] >= found.Margin)
        choices_.push_back({centre.WordOrdinal, (*found.Members)[best]});
}

ContextAccents::VerbForm ContextAccents::FindVerbForm(const std::string& plain) const {
    // A verb form the counts never met whose twin stressed on the last vowel
    // is a word too (mecanografio, mecanografió) is judged by its pooled
    // ending alone.
    VerbForm out;
    for (const PoolEnding& ending : pools_) {
        if (!plain.ends_with(ending.Plain)) continue;
        const std::string accented =
            plain.substr(0, plain.size() - ending.Plain.size()) + ending.Accented;
        if (IsOptionalAccent(accented) || VocabLookup(engine_, "|" + accented + "|") == 0) continue;
        out.Members = {plain, accented};
        out.Found.Margin = table_.Groups[static_cast<std::size_t>(ending.Group)].Margin;
        out.Found.Pool = ending.Group;
        out.Found.PoolMember = 1;
        return out;
    }
    return out;
}

const std::uint32_t* ContextAccents::RowOrOther(int group, ContextFeature feature,
                                                const RowKeys& keys) const {
    if (const std::uint32_t* row = table_.RowOfKey(keys.Neighbour)) return row;
    const bool previous = feature == ContextFeature::PreviousWord;
    if (!previous && feature != ContextFeature::NextWord)
        return nullptr; // the second word refines the first's estimate, or leaves it
    if (const std::uint32_t* row = table_.RowOfKey(keys.LongEnding)) return row;
    if (const std::uint32_t* row = table_.RowOfKey(keys.Ending)) return row;
    const ContextGroup& g = table_.Groups[static_cast<std::size_t>(group)];
    return previous ? g.OtherPrevious.data() : g.OtherNext.data();
}

GroupScores ContextAccents::Score(const std::array<std::string_view, 5>& w) const {
    GroupScores out;
    const FoundGroup found = Lookup(std::string(w[2]));
    if (found.Members == nullptr) return out;
    out.Members = *found.Members;
    out.Margin = found.Margin;
    MemberValues scores{};
    ScoreFound(found, w, scores);
    out.Scores.assign(scores.begin(),
                      scores.begin() + static_cast<std::ptrdiff_t>(found.Members->size()));
    return out;
}

void ContextAccents::ScoreFound(const FoundGroup& found, const std::array<std::string_view, 5>& w,
                                MemberValues& scores) const {
    const int group = found.Group;
    const int pool = found.Pool;
    const std::size_t n = found.Members->size();

    const ContextGroup* poolGroup =
        pool >= 0 ? &table_.Groups[static_cast<std::size_t>(pool)] : nullptr;
    const std::size_t poolMember = poolGroup != nullptr ? found.PoolMember : 0;

    std::array<std::uint32_t, kMaxGroupMembers> totals{};
    double seenTotal = 0;
    if (group >= 0) {
        const std::vector<std::uint32_t>& own =
            table_.Groups[static_cast<std::size_t>(group)].Totals;
        for (std::size_t k = 0; k < n; ++k) {
            totals[k] = own[k];
            seenTotal += own[k];
        }
    } else {
        totals[0] = poolGroup->Totals[0];
        totals[poolMember] = poolGroup->Totals[1];
    }
    const MemberValues prior = Shares(totals.data(), n);
    const MemberValues poolPrior =
        poolGroup != nullptr ? Shares(poolGroup->Totals.data(), 2) : MemberValues{};
    // The pooled ending speaks the louder the less the group has been seen.
    const double poolWeight = kPoolShrink / (kPoolShrink + seenTotal);
    // log P(m) + the sum over the chains of log(estimate / P(m)), taken as
    // the log of the product: one logarithm per member.
    MemberValues product = prior;

    // The context never reaches across a sentence edge. Each side is a
    // chain: the next word's counts are smoothed towards the estimate from the
    // nearer word, which is smoothed towards the pooled ending or the totals.
    const std::string_view l2 = IsEdge(w[1]) ? w[1] : w[0];
    const std::string_view r2 = IsEdge(w[3]) ? w[3] : w[4];
    // Each neighbour is hashed once for all the rows it keys: the group's
    // and its pooled ending's, and its endings' (for a neighbour without a
    // row of its own).
    const auto ending = [](std::string_view word, std::size_t length) {
        return HashWord(word.substr(word.size() - std::min(word.size(), length)));
    };
    const std::uint64_t previous = HashWord(w[1]);
    const std::uint64_t next = HashWord(w[3]);
    const std::uint64_t previousLongEnding = ending(w[1], kLongSuffixLength);
    const std::uint64_t nextLongEnding = ending(w[3], kLongSuffixLength);
    const std::uint64_t previousEnding = ending(w[1], kSuffixLength);
    const std::uint64_t nextEnding = ending(w[3], kSuffixLength);
    const std::uint64_t beforePrevious = HashWord(l2);
    const std::uint64_t afterNext = HashWord(r2);
    const auto keysOf = [&](int g) {
        return std::array<RowKeys, 4>{{
            {ContextRowKey(g, ContextFeature::PreviousWord, previous),
             ContextRowKey(g, ContextFeature::PreviousLongSuffix, previousLongEnding),
             ContextRowKey(g, ContextFeature::PreviousSuffix, previousEnding)},
            {ContextRowKey(g, ContextFeature::NextWord, next),
             ContextRowKey(g, ContextFeature::NextLongSuffix, nextLongEnding),
             ContextRowKey(g, ContextFeature::NextSuffix, nextEnding)},
            {ContextRowKey(g, ContextFeature::PreviousTwoWords, beforePrevious, previous)},
            {ContextRowKey(g, ContextFeature::NextTwoWords, next, afterNext)},
        }};
    };
    const bool leansOnPool = poolGroup != nullptr && poolMember != 0;
    const std::array<RowKeys, 4> poolKeys = leansOnPool ? keysOf(pool) : std::array<RowKeys, 4>{};
    const std::array<RowKeys, 4> groupKeys = group >= 0 ? keysOf(group) : std::array<RowKeys, 4>{};
    constexpr ContextFeature kChains[2][2] = {
        {ContextFeature::PreviousWord, ContextFeature::PreviousTwoWords},
        {ContextFeature::NextWord, ContextFeature::NextTwoWords}};
    for (const auto& chain : kChains) {
        MemberValues estimate = prior;
        for (const ContextFeature feature : chain) {
            const auto f = static_cast<std::size_t>(feature);
            if (leansOnPool)
                if (const std::uint32_t* q = RowOrOther(pool, feature, poolKeys[f]))
                    LeanTowardsPool(estimate, n, q, poolPrior, poolMember, poolWeight);
            const std::uint32_t* row =
                group >= 0 ? RowOrOther(group, feature, groupKeys[f]) : nullptr;
            if (row == nullptr) continue;
            double seen = 0;
            for (std::size_t k = 0; k < n; ++k)
                seen += row[k];
            for (std::size_t k = 0; k < n; ++k)
                estimate[k] = (row[k] + kBackOffWeight * estimate[k]) / (seen + kBackOffWeight);
        }
        for (std::size_t k = 0; k < n; ++k)
            product[k] *= estimate[k] / prior[k];
    }
    for (std::size_t k = 0; k < n; ++k)
        scores[k] = std::log(product[k]);
}

} // namespace vorlen
