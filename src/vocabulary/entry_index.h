// The tables built over the vocabulary lines when a store is made, so that
// the hot questions do not scan a line.
//
// EntryIndex: is "|w|" a whole entry of line x, and where does it first
// occur? One open-addressing table for all lines; a slot holds the entry's
// position in its line and its line number with part of its hash, and the
// entry's bytes are read from the line itself, so the table holds no strings.
// Positions are 32-bit, as VocabLookup's answer is.
// Most keys asked about are no entry (the respelling and the inflection rules
// try many spellings for each one that exists), so a small filter in front of
// the table, a bit pattern per entry in a 64-bit word chosen by its hash,
// answers nearly every miss without a visit to the table, from memory that
// stays in the processor's cache.
//
// EntryShapes: the entries of each line grouped by length and by their second
// and third characters, for the similar-word search, which only needs the
// entries of a few lengths that begin like the word.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorlen {

inline constexpr std::size_t kIndexedLineCount = 27;

using VocabularyLines = std::array<std::string, 28>;

class EntryIndex {
  public:
    // Indexes every stretch between two neighbouring bars of lines 0..26.
    void Build(const VocabularyLines& lines);
    // The 1-based position of the first "|entry|" in lines[line], 0 when the
    // line holds no such entry. `entry` holds no bar; `lines` are the ones
    // the index was built from.
    std::int32_t Find(const VocabularyLines& lines, int line, std::string_view entry) const;
    // The length of the longest stretch of lines[line] that follows a bar and
    // ends at the next bar or at the end of the line: no word longer than it
    // is an entry of the line, nor ends the line after a bar.
    std::size_t LongestEntry(int line) const {
        return line >= 0 && static_cast<std::size_t>(line) < kIndexedLineCount
                   ? longest_[static_cast<std::size_t>(line)]
                   : 0;
    }

  private:
    std::size_t FilterWord(std::uint64_t hash) const {
        return filterShift_ == 64 ? 0 : static_cast<std::size_t>(hash >> filterShift_);
    }

    struct Slot {
        std::uint32_t position = 0; // of the entry's opening bar, 1-based; 0: empty
        std::uint32_t lineAndTag = 0;
    };
    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    std::vector<std::uint64_t> filter_;
    int filterShift_ = 64; // a hash's top bits choose its filter word
    std::array<std::size_t, kIndexedLineCount> longest_{};
};

// One step of the similar-word search's walk over a line: the entry whose
// second character is at `second` (1-based) and whose closing bar is at
// `close` (which may be one past the end of a line that lacks its last bar).
struct LineEntry {
    std::size_t second;
    std::size_t close;
};

// The walk itself: the second character of the first entry is at position 3;
// each next one two places after the closing bar of the one before (so a
// doubled bar reads as the first letter of the entry after it), while that
// position lies before the end of the line read as if it ended with a bar.
// Calls `visit(LineEntry)` for each, in line order.
template <typename Visit>
void WalkLineEntries(std::string_view line, Visit&& visit) {
    const std::size_t length = line.ends_with('|') ? line.size() : line.size() + 1;
    for (std::size_t second = 3; second < length;) {
        const auto bar = line.find('|', second - 1);
        const std::size_t close = bar == std::string_view::npos ? length : bar + 1;
        visit(LineEntry{second, close});
        second = close + 2;
    }
}

class EntryShapes {
  public:
    // Entries of this many letters after the first, or more, share one group.
    static constexpr std::size_t kLongTail = 32;

    void Build(const VocabularyLines& lines);

    // The `second` positions of the walk's entries of line `line` whose tail
    // (the characters from the second one up to the closing bar) is `tail`
    // long (kLongTail: that long or longer) and whose character at `offset`
    // (0: the second one, 1: the third one, the closing bar when the tail is
    // one letter) is `c`; in line order. Entries with an empty tail (a
    // doubled bar) are not listed.
    std::span<const std::uint32_t> Entries(int line, std::size_t tail, int offset,
                                           unsigned char c) const;

  private:
    static constexpr std::size_t kBuckets = kIndexedLineCount * (kLongTail + 1);
    // The entries sorted by (line, tail), where each (line, tail) begins,
    // and, for each of the two offsets, within each (line, tail) by c and
    // then by position: their positions and their characters c. The size of
    // the tables does not depend on the number of letters, so a small
    // vocabulary makes small tables.
    std::vector<std::uint32_t> bucketStarts_;
    std::array<std::vector<std::uint32_t>, 2> positions_;
    std::array<std::vector<unsigned char>, 2> letters_;
};

} // namespace vorlen
