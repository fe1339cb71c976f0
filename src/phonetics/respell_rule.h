// The record of the respelling tables. A rule applies at a position of the
// framed word ("|" + word + "|") when the word, read from there, begins with
// its pattern and, for a rule with next letters, the character after the
// pattern's single letter is one of them. The segment at that position then
// gets the rule's alternatives, in column order, and the position moves on by
// the advance. The part of the pattern beyond the advance is only context: it
// is segmented again, so "ee" in leer offers "e" or "eh" for its first e and
// leaves the second to the next rule.
#pragma once

#include "engine/engine.h"
#include "vocabulary/cp1252.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace vorlen {

struct RespellRule {
    std::string_view Pattern;
    std::string_view NextLetters; // empty: no condition on the next character
    std::array<std::string_view, kMaxSegmentAlternatives> Alternatives;
    int Advance;
};

// The letters that may follow a bare c, g (also k and z), i, j or s for their
// one-letter rule to apply. Each holds the closing bar, so a letter at the end
// of the word qualifies. What a set leaves out is taken by a longer rule
// listed earlier or later: ce, ci, ch, cs for c; ge, gi, gue for g; and so on.
inline constexpr std::string_view kCSet = "abcdfgjklmnñopqrtuvwxyz|áóú"_w;
inline constexpr std::string_view kGSet = "abcdfghjklmnñopqrstuvwxyz|áóú"_w;
inline constexpr std::string_view kISet = "aeiou|áéíóú"_w;
inline constexpr std::string_view kJSet = "abcdfghjklmnñopqrstvwxyz|áó"_w;
inline constexpr std::string_view kSSet = "abcdfghjklmnñopqrtuvwxyz|áóú"_w;

// Only column 0 may be the empty spelling (a silent h, one s of a double s);
// the columns after the last alternative are unused.
constexpr int AlternativeCount(const RespellRule& rule) {
    int count = 0;
    for (int column = 0; column < kMaxSegmentAlternatives; ++column)
        if (!rule.Alternatives[static_cast<std::size_t>(column)].empty()) count = column + 1;
    return count;
}

constexpr bool IsWellFormed(const RespellRule& rule) {
    const int count = AlternativeCount(rule);
    if (rule.Pattern.empty() || count == 0) return false;
    if (rule.Advance < 1 || static_cast<std::size_t>(rule.Advance) > rule.Pattern.size())
        return false;
    if (!rule.NextLetters.empty() && rule.Pattern.size() != 1) return false;
    for (int column = 1; column < count; ++column)
        if (rule.Alternatives[static_cast<std::size_t>(column)].empty()) return false;
    return true;
}

template <std::size_t N>
constexpr bool AllWellFormed(const std::array<RespellRule, N>& rules) {
    for (const auto& rule : rules)
        if (!IsWellFormed(rule)) return false;
    return true;
}

} // namespace vorlen
