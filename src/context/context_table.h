// The counts behind accents restored from context (data/context-accents.txt,
// built by data/generate_context_table.py).
//
// Some accents leave another valid word when they are dropped: mas/más,
// esta/está, el/él, hablo/habló, publico/público/publicó. Each such group of
// spellings, derived from the vocabulary, has its members' totals in running
// text and, for the words that stood beside them, how often each member stood
// there. The neighbours are lower-cased and free of accents; the marks of the
// text count as words of their own (kSentenceEdge and the others below).
//
// Verb forms stressed on a written last vowel (habló, hablé, hablará,
// hablarás, hablarán) are also pooled by ending: "*ó" counts the plain -o
// form against the -ó form over all the verbs, so that a rare verb still
// learns that "ayer" speaks for -ó and "yo" for -o.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorlen {

// Context tokens that are not words (Windows-1252).
inline constexpr std::string_view kSentenceEdge = ".";
inline constexpr std::string_view kPhraseEdge = ",";
inline constexpr std::string_view kQuestionOpening = "\xBF";    // ¿
inline constexpr std::string_view kExclamationOpening = "\xA1"; // ¡
inline constexpr std::string_view kNumber = "0";

// The context features.
enum class ContextFeature : std::uint8_t {
    PreviousWord,     // L1
    NextWord,         // R1
    PreviousTwoWords, // L2: the word before the previous one, then the previous one
    NextTwoWords,     // R2
    // The back-off of a previous or next word without a row of its own: its
    // last kSuffixLength letters, a rough class of word (-ro, -do, -ar).
    PreviousSuffix, // L1S
    NextSuffix,     // R1S
    // Before those, its last kLongSuffixLength letters where they were
    // counted often enough (-ndo gerunds, -aba past tenses).
    PreviousLongSuffix, // L1S3
    NextLongSuffix,     // R1S3
};
inline constexpr int kContextFeatureCount = 8;
inline constexpr std::size_t kSuffixLength = 2;
inline constexpr std::size_t kLongSuffixLength = 3;

// The margin of a group switched off: no score wins by it (its members were
// never told apart well enough on text the counts had not seen).
inline constexpr double kSwitchedOffMargin = 99;
// Spellings with accents in different places are few: a table holding a
// larger group is no table.
inline constexpr std::size_t kMaxGroupMembers = 6;

// Verb endings are pooled for plain spellings this long or longer: shorter
// ones (esta, sera, mas) are common enough to speak for themselves, and their
// neighbours would swamp the rare verbs.
inline constexpr std::size_t kPoolMinLength = 5;

// The ending of a word stressed on a written last-syllable vowel, from that
// vowel on (habló -> ó, hablarán -> án); empty otherwise.
std::string_view FinalAccent(std::string_view word);

struct ContextGroup {
    std::vector<std::string> Members; // Windows-1252, the plain spelling first
    std::vector<std::uint32_t> Totals;
    double Margin = 0; // natural-log units an accented member must win by
    // The pooled verb ending (a group "*ó") this group leans on, or -1, and
    // its member stressed on that ending: see kPoolMinLength.
    int Pool = -1;
    std::size_t PoolMember = 0;
    // The counts beside neighbours without a row of their own, for the
    // previous and the next word: the totals less every row kept. A word
    // rarely seen beside the group (a noun before "este") is judged by what
    // the members did beside such words, not by the group's commonest
    // neighbours ("de este").
    std::vector<std::uint32_t> OtherPrevious;
    std::vector<std::uint32_t> OtherNext;
};

struct ContextTable {
    // The pools among them: "*ó" alone, with two totals (the plain forms and
    // those stressed on the ending).
    std::vector<ContextGroup> Groups;
    // Plain spelling or "*ó" -> index into Groups: open-addressed slots (group
    // -1 free) holding the hash of the spelling, a power of two in size,
    // built once at load; every word of a text is looked up here, and most
    // are in no group: their hash alone tells.
    struct GroupSlot {
        std::uint64_t Hash = 0;
        int Group = -1;
    };
    std::vector<GroupSlot> GroupSlots;
    std::vector<int> Pools; // the pooled verb endings ("*ó") among Groups
    // (group, feature, neighbour) -> the first of the group's counts in
    // Counts: open-addressed slots, a power of two in size and at most half
    // full, filled as the rows are read. A row key's low bits choose its
    // first slot and its high 32 bits are kept to tell it from the others
    // (0 marks a free slot): one probe reads both the check and the start.
    // An uncounted neighbour is taken for a row only when its key meets the
    // row's 32 bits within the row's run of slots (about one lookup in 10^9).
    struct RowSlot {
        std::uint32_t Check = 0;
        std::uint32_t Start = 0;
    };
    std::vector<RowSlot> RowSlots;
    std::vector<std::uint32_t> Counts;
    double DefaultMargin = 2.0;

    // The counts of a row, or null when the neighbour was never counted; a
    // row of two neighbours is found from its two words, never joined.
    const std::uint32_t* Row(int group, ContextFeature feature, std::string_view value) const;
    const std::uint32_t* Row(int group, ContextFeature feature, std::string_view first,
                             std::string_view second) const;
    // The index of the group headed by a plain spelling (or "*ó"), or -1.
    int GroupOf(std::string_view plain) const;

    // The counts of the row of a key (ContextRowKey), or null.
    const std::uint32_t* RowOfKey(std::uint64_t key) const;
};

// A hash of a word (or a mark), its bytes taken eight at a time: every word
// of a text is hashed once to find its group, and a scored word's neighbours
// once for all the rows they key.
std::uint64_t HashWord(std::string_view word);

// The key of a row: a hash of the group, the feature and the neighbour's
// hash (HashWord); of two neighbours, of both hashes in text order.
std::uint64_t ContextRowKey(int group, ContextFeature feature, std::uint64_t neighbour);
std::uint64_t ContextRowKey(int group, ContextFeature feature, std::uint64_t first,
                            std::uint64_t second);

struct ContextTableLoad {
    std::shared_ptr<const ContextTable> Table; // null when the file could not be used
    std::string Error;                         // why, in English, naming the file
};

// Reads a table; a missing, unreadable or malformed file gives an error and no table.
ContextTableLoad LoadContextTable(const std::filesystem::path& file);

// The table read from the text of a file (UTF-8); `name` is used in errors.
ContextTableLoad ParseContextTable(std::string_view text, const std::string& name);

} // namespace vorlen
