// Choosing between the members of an accent group from the words around it.
//
// A text reaches the model as a stream of tokens: its words as written and the
// marks between them (sentence and phrase edges, ¿, ¡, numbers). For each word
// whose spelling without accents is the plain member of a group (esta: esta,
// está), the model scores every member from the two tokens on either side,
// never reaching across a sentence edge:
//
//   score(m) = log P(m) + sum over the features f of [log P(m | f) - log P(m)]
//
// where P(m) are the group's smoothed totals and P(m | f) the counts of the
// neighbour smoothed towards the back-off estimate: the pooled verb ending's
// evidence when the group has one, else P(m). A previous or next word without
// a row of its own takes the counts beside the words of its last three
// letters, else of its last two, else beside all such words (a noun before
// "este" is judged by the rare neighbours, not by "de este"). An accented
// member replaces the written word only when its score beats the plain
// member's by the group's margin.
#pragma once

#include "context/context_table.h"
#include "engine/engine.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vorlen {

// A written word the context calls for an accent on.
struct AccentChoice {
    std::size_t WordOrdinal = 0; // 0 for the text's first word
    std::string Accented;        // the member, lower case, Windows-1252
};

// The score of each member of a group (for diagnosis and tests).
struct GroupScores {
    std::vector<std::string> Members; // the plain spelling first
    std::vector<double> Scores;
    double Margin = 0;
};

// A value per member of a group.
using MemberValues = std::array<double, kMaxGroupMembers>;

class ContextAccents {
  public:
    // The engine's vocabulary tells whether a rare verb form never counted has
    // a twin stressed on its last vowel (the pooled endings speak for it).
    ContextAccents(const ContextTable& table, const Engine& engine);

    // A word as written (Windows-1252), and the marks between words; the
    // kSentenceEdge and kPhraseEdge marks and the others of context_table.h.
    void AddWord(std::string_view written);
    void AddMark(std::string_view mark);
    // The text ended: decides the last words.
    void Finish();

    const std::vector<AccentChoice>& Choices() const { return choices_; }

    // The members' scores for the plain word at the centre of the five
    // tokens (plain, lower case), or empty members when it is in no group.
    GroupScores Score(const std::array<std::string_view, 5>& window) const;

  private:
    struct Token {
        std::string Plain; // lower case, without accents; a mark as it is
        std::size_t WordOrdinal = 0;
        bool Candidate = false; // a word written without accents
    };
    // A verb ending pooled in the table: its group, as written (ó, án) and plain (o, an).
    struct PoolEnding {
        int Group = -1;
        std::string Accented;
        std::string Plain;
    };
    // The group of a plain spelling: one of the table's, or one derived for a
    // verb form through a pooled ending; Members null for none.
    struct FoundGroup {
        const std::vector<std::string>* Members = nullptr;
        double Margin = 0;
        int Group = -1; // in the table, or -1 for a derived one
        int Pool = -1;
        std::size_t PoolMember = 0; // the member the pool's accented side speaks for
    };
    // A verb form the counts never met, judged by its pooled ending.
    struct VerbForm {
        std::vector<std::string> Members; // empty when the spelling is none
        FoundGroup Found;                 // pointing into Members
    };
    // A mark as the newest token, even one like the last.
    void PushMark(std::string_view mark);
    // The token written in the oldest slot becomes the newest; decides the one
    // now at the centre.
    void Advance();
    void Decide();
    // The members' scores of a group found for the word at the window's centre.
    void ScoreFound(const FoundGroup& found, const std::array<std::string_view, 5>& window,
                    MemberValues& scores) const;
    // The pair of a verb form and its twin stressed on a pooled ending, or
    // none.
    VerbForm FindVerbForm(const std::string& plain) const;
    // The keys of a group's rows for one feature: the neighbour's (or the
    // two neighbours'), and for a nearer neighbour the keys of its endings.
    struct RowKeys {
        std::uint64_t Neighbour = 0;
        std::uint64_t LongEnding = 0;
        std::uint64_t Ending = 0;
    };
    // The counts of a neighbour's row; for a nearer neighbour without one,
    // those of its longer ending, else of its shorter one, else those beside
    // all such neighbours (ContextGroup::OtherPrevious).
    const std::uint32_t* RowOrOther(int group, ContextFeature feature, const RowKeys& keys) const;
    // The group of a plain spelling: the table's, else a verb form's
    // (remembered by spelling: words repeat).
    FoundGroup Lookup(const std::string& plain) const;

    const ContextTable& table_;
    const Engine& engine_;
    std::vector<PoolEnding> pools_;
    struct WordHasher {
        std::size_t operator()(const std::string& word) const { return HashWord(word); }
    };
    mutable std::unordered_map<std::string, VerbForm, WordHasher> verbForms_;
    // The last five tokens, oldest first from oldest_ on; the one to decide
    // is in the middle.
    const Token& At(std::size_t i) const { return window_[(oldest_ + i) % window_.size()]; }
    std::array<Token, 5> window_;
    std::size_t oldest_ = 0;
    std::size_t words_ = 0;
    std::vector<AccentChoice> choices_;
};

// The plain spelling of a word: lower case, á é í ó ú ü made plain (ñ stays).
std::string PlainSpelling(std::string_view word);

} // namespace vorlen
