#include "vocabulary/entry_index.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace vorlen {

namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;

std::uint64_t Load64(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::uint64_t Load32(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::uint64_t Finish(std::uint64_t h) {
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93ull;
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93ull;
    h ^= h >> 32;
    return h;
}

// A hash of the entry and its line. The bytes are read in 8-byte words (the
// last word overlapping the one before), so a word costs a few multiplies.
std::uint64_t HashEntry(int line, std::string_view s) {
    const char* p = s.data();
    const std::size_t n = s.size();
    std::uint64_t h = (static_cast<std::uint64_t>(line) << 32 | n) * kMultiplier;
    if (n >= 8) {
        for (std::size_t k = 0; k + 8 < n; k += 8)
            h = (h ^ Load64(p + k)) * kMultiplier;
        h = (h ^ Load64(p + n - 8)) * kMultiplier;
    } else if (n >= 4) {
        h = (h ^ (Load32(p) | Load32(p + n - 4) << 32)) * kMultiplier;
    } else if (n > 0) {
        const auto byte = [&](std::size_t k) {
            return static_cast<std::uint64_t>(static_cast<unsigned char>(p[k]));
        };
        h = (h ^ (byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16)) * kMultiplier;
    }
    return Finish(h);
}

std::uint32_t LineAndTag(int line, std::uint64_t hash) {
    return static_cast<std::uint32_t>(line) << 24 | static_cast<std::uint32_t>(hash >> 40);
}

// Three bits of a filter word, from hash bits that choose neither the word
// nor the slot.
std::uint64_t FilterBits(std::uint64_t hash) {
    return std::uint64_t{1} << (hash >> 24 & 63) | std::uint64_t{1} << (hash >> 30 & 63) |
           std::uint64_t{1} << (hash >> 36 & 63);
}

// The entry "|entry|" whose opening bar is at 1-based `position`.
bool EntryAt(std::string_view line, std::size_t position, std::string_view entry) {
    const std::size_t first = position; // 0-based index of its first character
    return first + entry.size() < line.size() && line[first + entry.size()] == '|' &&
           line.compare(first, entry.size(), entry) == 0;
}

template <typename Visit>
void ForEachEntry(std::string_view line, Visit&& visit) {
    // Every bar is an entry boundary, so "|w|" (w without bars) first occurs
    // where the first entry equal to w begins.
    auto open = line.find('|');
    while (open != std::string_view::npos) {
        const auto close = line.find('|', open + 1);
        if (close == std::string_view::npos) break;
        visit(open, line.substr(open + 1, close - open - 1));
        open = close;
    }
}

} // namespace

void EntryIndex::Build(const VocabularyLines& lines) {
    std::size_t entries = 0;
    for (std::size_t k = 0; k < kIndexedLineCount; ++k)
        entries += static_cast<std::size_t>(std::count(lines[k].begin(), lines[k].end(), '|'));
    // At most two thirds full: the table is visited by hits and by the few
    // misses that the filter lets through, which end within a probe or two.
    const std::size_t capacity = std::bit_ceil(std::max<std::size_t>(entries + entries / 2, 16));
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    // Eight to sixteen bits per entry: about one miss in a hundred gets through.
    const std::size_t filterWords = std::bit_ceil(std::max<std::size_t>(entries / 8, 1));
    filter_.assign(filterWords, 0);
    filterShift_ = 64 - std::countr_zero(filterWords);
    // The slots are written at random across the table, so each entry's slot
    // is fetched into the cache a few entries before it is written.
    struct Pending {
        std::uint64_t hash;
        std::uint32_t position;
        std::uint32_t line;
        std::string_view entry;
    };
    constexpr std::size_t kAhead = 16;
    std::array<Pending, kAhead> pending;
    std::size_t count = 0;
    const auto insert = [&](const Pending& p) {
        const std::uint32_t lineAndTag = LineAndTag(static_cast<int>(p.line), p.hash);
        filter_[FilterWord(p.hash)] |= FilterBits(p.hash);
        for (std::size_t i = p.hash & mask_;; i = (i + 1) & mask_) {
            Slot& slot = slots_[i];
            if (slot.position == 0) {
                slot = {p.position, lineAndTag};
                return;
            }
            // The first occurrence stays.
            if (slot.lineAndTag == lineAndTag && EntryAt(lines[p.line], slot.position, p.entry))
                return;
        }
    };
    for (std::size_t k = 0; k < kIndexedLineCount; ++k) {
        const std::string_view text = lines[k];
        const auto lastBar = text.rfind('|');
        longest_[k] = lastBar == std::string_view::npos ? 0 : text.size() - lastBar - 1;
        ForEachEntry(text, [&](std::size_t open, std::string_view entry) {
            longest_[k] = std::max(longest_[k], entry.size());
            const std::uint64_t hash = HashEntry(static_cast<int>(k), entry);
            __builtin_prefetch(&slots_[hash & mask_], 1);
            __builtin_prefetch(&filter_[FilterWord(hash)], 1);
            Pending& p = pending[count++ % kAhead];
            if (count > kAhead) insert(p);
            p = {hash, static_cast<std::uint32_t>(open + 1), static_cast<std::uint32_t>(k), entry};
        });
    }
    // Entries go in in line order, so a repeated entry finds the first in place.
    for (std::size_t n = count > kAhead ? count - kAhead : 0; n < count; ++n)
        insert(pending[n % kAhead]);
}

std::int32_t EntryIndex::Find(const VocabularyLines& lines, int line,
                              std::string_view entry) const {
    if (slots_.empty()) return 0;
    const std::uint64_t hash = HashEntry(line, entry);
    const std::uint64_t bits = FilterBits(hash);
    if ((filter_[FilterWord(hash)] & bits) != bits) return 0;
    const std::uint32_t lineAndTag = LineAndTag(line, hash);
    const std::string_view text = lines[static_cast<std::size_t>(line)];
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
        const Slot& slot = slots_[i];
        if (slot.position == 0) return 0;
        if (slot.lineAndTag == lineAndTag && EntryAt(text, slot.position, entry))
            return static_cast<std::int32_t>(slot.position);
    }
}

void EntryShapes::Build(const VocabularyLines& lines) {
    // Each entry once: its position, its (line, tail) bucket, and its second
    // and third characters.
    struct Listed {
        std::uint32_t second;
        std::uint32_t bucket;
        std::array<unsigned char, 2> letters;
    };
    std::vector<Listed> listed;
    for (std::size_t k = 0; k < kIndexedLineCount; ++k) {
        const std::string_view line = lines[k];
        WalkLineEntries(line, [&](const LineEntry& e) {
            const std::size_t tail = e.close - e.second;
            if (tail == 0) return;
            // 1-based; the closing bar may lie one past the end.
            const auto at = [&](std::size_t pos) -> unsigned char {
                return pos <= line.size() ? static_cast<unsigned char>(line[pos - 1]) : '|';
            };
            listed.push_back(
                {static_cast<std::uint32_t>(e.second),
                 static_cast<std::uint32_t>(k * (kLongTail + 1) + std::min(tail, kLongTail)),
                 {at(e.second), at(e.second + 1)}});
        });
    }
    // Counting sorts, which keep the order they find: line order, then by
    // bucket, then within each bucket by letter.
    bucketStarts_.assign(kBuckets + 1, 0);
    for (const Listed& l : listed)
        ++bucketStarts_[l.bucket + 1];
    for (std::size_t b = 1; b <= kBuckets; ++b)
        bucketStarts_[b] += bucketStarts_[b - 1];
    std::vector<Listed> byBucket(listed.size());
    {
        std::vector<std::uint32_t> next(bucketStarts_.begin(), bucketStarts_.end() - 1);
        for (const Listed& l : listed)
            byBucket[next[l.bucket]++] = l;
    }
    for (std::size_t offset = 0; offset < 2; ++offset) {
        auto& positions = positions_[offset];
        auto& letters = letters_[offset];
        positions.resize(byBucket.size());
        letters.resize(byBucket.size());
        for (std::size_t b = 0; b < kBuckets; ++b) {
            const std::size_t first = bucketStarts_[b];
            const std::size_t last = bucketStarts_[b + 1];
            if (first == last) continue;
            std::array<std::uint32_t, 257> next{};
            for (std::size_t n = first; n < last; ++n)
                ++next[byBucket[n].letters[offset] + 1u];
            for (std::size_t c = 1; c <= 256; ++c)
                next[c] += next[c - 1];
            for (std::size_t n = first; n < last; ++n) {
                const unsigned char c = byBucket[n].letters[offset];
                const std::size_t at = first + next[c]++;
                positions[at] = byBucket[n].second;
                letters[at] = c;
            }
        }
    }
}

std::span<const std::uint32_t> EntryShapes::Entries(int line, std::size_t tail, int offset,
                                                    unsigned char c) const {
    if (bucketStarts_.empty() || line < 0 || static_cast<std::size_t>(line) >= kIndexedLineCount)
        return {};
    const std::size_t bucket =
        static_cast<std::size_t>(line) * (kLongTail + 1) + std::min(tail, kLongTail);
    const auto& letters = letters_[static_cast<std::size_t>(offset)];
    const auto [from, to] = std::equal_range(letters.begin() + bucketStarts_[bucket],
                                             letters.begin() + bucketStarts_[bucket + 1], c);
    const auto* positions = positions_[static_cast<std::size_t>(offset)].data();
    return {positions + (from - letters.begin()), positions + (to - letters.begin())};
}

} // namespace vorlen
