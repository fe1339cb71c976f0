#include "context/context_table.h"

#include "vocabulary/cp1252.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <fstream>
#include <memory>

namespace vorlen {

namespace {

constexpr std::string_view kHeader = "vorlen-context 1";
// A table is a few megabytes; a larger file is not one.
constexpr std::uintmax_t kMaxTableBytes = 64u << 20;

// Feature names as the file writes them, in ContextFeature order.
constexpr std::string_view kFeatureNames[kContextFeatureCount] = {"L1",  "R1",  "L2",   "R2",
                                                                  "L1S", "R1S", "L1S3", "R1S3"};

bool ParseNumber(std::string_view text, std::uint32_t& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// A margin as the generator writes it, digits with at most one point ("2.5").
// Read by hand: floating-point from_chars is missing from some standard
// libraries (the browser build's), and strtod follows the locale.
bool ParseMargin(std::string_view text, double& value) {
    const auto point = text.find('.');
    std::uint32_t whole = 0;
    std::uint32_t fraction = 0;
    const std::string_view wholeText = text.substr(0, point);
    if (wholeText.empty() || !ParseNumber(wholeText, whole)) return false;
    double scale = 1;
    if (point != std::string_view::npos) {
        const std::string_view fractionText = text.substr(point + 1);
        if (fractionText.empty() || fractionText.size() > 6 || !ParseNumber(fractionText, fraction))
            return false;
        for (std::size_t k = 0; k < fractionText.size(); ++k)
            scale *= 10;
    }
    value = whole + fraction / scale;
    return value < 100;
}

void SplitSpaces(std::string_view line, std::vector<std::string_view>& fields) {
    // A byte at a time: the fields are a few bytes long, shorter than a
    // search routine's call.
    fields.clear();
    std::size_t start = 0;
    for (std::size_t pos = 0; pos <= line.size(); ++pos) {
        if (pos < line.size() && line[pos] != ' ') continue;
        if (pos > start) fields.push_back(line.substr(start, pos - start));
        start = pos + 1;
    }
}

// The Windows-1252 bytes of UTF-8 text made of ASCII and Latin-1 characters
// (all a table holds), into `out`; false for anything else.
bool Latin1FromUtf8(std::string_view utf8, std::string& out) {
    // Never longer than the UTF-8: written in place, then cut to its length.
    out.resize(utf8.size());
    std::size_t length = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out[length++] = static_cast<char>(lead);
            continue;
        }
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 == utf8.size()) return false;
        const auto trail = static_cast<unsigned char>(utf8[++i]);
        if ((trail & 0xC0) != 0x80) return false;
        out[length++] = static_cast<char>(((lead & 0x1F) << 6) | (trail & 0x3F));
    }
    out.resize(length);
    return true;
}

bool IsVowel(char c) {
    return "aeiouáéíóú"_w.find(c) != std::string_view::npos;
}

bool IsAccentedVowel(char c) {
    return "áéíóú"_w.find(c) != std::string_view::npos;
}

// Slots for `rows` keys at most half full.
std::size_t SlotCount(std::size_t rows) {
    std::size_t slots = 16;
    while (slots < 2 * rows)
        slots *= 2;
    return slots;
}

// The part of a row key its slot keeps: the high bits, never 0 (a free slot).
std::uint32_t RowCheck(std::uint64_t key) {
    const auto check = static_cast<std::uint32_t>(key >> 32);
    return check == 0 ? 1 : check;
}

// The lines that could be rows: not a group's, and as long as the shortest
// row ("L1 a 0", of a group of one member). Blank lines or stray bytes in a
// damaged file make no slots (a file of newlines would otherwise ask for a
// slot per byte).
std::size_t RowLines(std::string_view text) {
    constexpr std::size_t kShortestRow = 6;
    std::size_t rows = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        if (end - pos >= kShortestRow && text[pos] != '@') ++rows;
        pos = end + 1;
    }
    return rows;
}

class TableParser {
  public:
    explicit TableParser(std::string name) : name_(std::move(name)) {}

    ContextTableLoad Parse(std::string_view text) {
        auto table = std::make_shared<ContextTable>();
        table_ = table.get();
        // The slots are made once, for every line that could be a row, and
        // each row goes to its slot as it is read.
        const std::size_t rows = RowLines(text);
        table_->RowSlots.resize(SlotCount(rows));
        table_->Counts.reserve(3 * rows);
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t end = std::min(text.find('\n', pos), text.size());
            ++line_;
            if (!Line(text.substr(pos, end - pos))) return {nullptr, error_};
            pos = end + 1;
        }
        if (line_ == 0) return {nullptr, name_ + ": empty context table"};
        table->GroupSlots.assign(SlotCount(table->Groups.size()), {});
        const std::size_t groupMask = table->GroupSlots.size() - 1;
        for (std::size_t g = 0; g < table->Groups.size(); ++g) {
            const std::string& head = table->Groups[g].Members[0];
            const std::uint64_t hash = HashWord(head);
            std::size_t slot = hash & groupMask;
            for (; table->GroupSlots[slot].Group >= 0; slot = (slot + 1) & groupMask) {
                const ContextTable::GroupSlot& taken = table->GroupSlots[slot];
                if (taken.Hash == hash &&
                    table->Groups[static_cast<std::size_t>(taken.Group)].Members[0] == head) {
                    line_ = groupLines_[g];
                    Fail("a group listed twice");
                    return {nullptr, error_};
                }
            }
            table->GroupSlots[slot] = {hash, static_cast<int>(g)};
            if (table->Groups[g].Members[0][0] == '*') table->Pools.push_back(static_cast<int>(g));
        }
        // A group of a long plain spelling with a member stressed on its last
        // vowel leans on that ending's pool, when the table has one.
        for (ContextGroup& group : table->Groups) {
            if (group.Members[0].size() < kPoolMinLength) continue;
            for (std::size_t k = 1; k < group.Members.size(); ++k)
                if (const std::string_view ending = FinalAccent(group.Members[k]);
                    !ending.empty()) {
                    group.Pool = table->GroupOf("*" + std::string(ending));
                    group.PoolMember = k;
                    break;
                }
        }
        return {std::move(table), {}};
    }

  private:
    bool Fail(const std::string& why) {
        error_ = name_ + ", line " + std::to_string(line_) + ": " + why;
        return false;
    }

    bool Line(std::string_view line) {
        if (line_ == 1) return line == kHeader || Fail("not a context table (no header)");
        if (line.empty()) return true;
        SplitSpaces(line, fields_);
        const std::vector<std::string_view>& fields = fields_;
        if (fields.size() == 2 && fields[0] == "margin")
            return ParseMargin(fields[1], table_->DefaultMargin) || Fail("bad margin");
        if (line.front() == '@') return Group(fields);
        return Row(fields);
    }

    // "@plain accented... margin total..." ("@*ó margin total total" for a pool).
    bool Group(const std::vector<std::string_view>& fields) {
        std::size_t words = 0;
        while (words < fields.size() && (fields[words][0] < '0' || fields[words][0] > '9'))
            ++words;
        if (words == 0 || words == fields.size()) return Fail("group without a margin");
        ContextGroup group;
        for (std::size_t i = 0; i < words; ++i) {
            if (!Latin1FromUtf8(i == 0 ? fields[i].substr(1) : fields[i], value_) || value_.empty())
                return Fail("a member that is no word");
            group.Members.push_back(value_);
        }
        if (group.Members.size() > kMaxGroupMembers) return Fail("a group of too many members");
        if (!ParseMargin(fields[words], group.Margin)) return Fail("bad margin");
        // A pooled ending ("*ó") has no members of its own, and two totals:
        // the plain forms' and those stressed on the ending.
        const bool pool = group.Members[0][0] == '*';
        if (pool && group.Members.size() != 1) return Fail("a pooled ending with members");
        const std::size_t expected = pool ? 2 : group.Members.size();
        if (fields.size() - words - 1 != expected) return Fail("totals do not match the members");
        for (std::size_t i = words + 1; i < fields.size(); ++i) {
            std::uint32_t total = 0;
            if (!ParseNumber(fields[i], total)) return Fail("bad total");
            group.Totals.push_back(total);
        }
        group.OtherPrevious = group.Totals;
        group.OtherNext = group.Totals;
        table_->Groups.push_back(std::move(group));
        groupLines_.push_back(line_);
        return true;
    }

    // "feature neighbour count..." under the last group; "_" joins two neighbours.
    bool Row(const std::vector<std::string_view>& fields) {
        if (table_->Groups.empty()) return Fail("a row before any group");
        const int groupIndex = static_cast<int>(table_->Groups.size()) - 1;
        const std::size_t members = table_->Groups.back().Totals.size();
        if (fields.size() != members + 2) return Fail("a row with the wrong number of counts");
        int feature = 0;
        while (feature < kContextFeatureCount && kFeatureNames[feature] != fields[0])
            ++feature;
        if (feature == kContextFeatureCount) return Fail("unknown feature");
        if (!Latin1FromUtf8(fields[1], value_)) return Fail("a neighbour that is not Latin-1 text");
        for (char& c : value_)
            if (c == '_') c = ' ';
        const auto first = static_cast<std::uint32_t>(table_->Counts.size());
        ContextGroup& group = table_->Groups.back();
        std::vector<std::uint32_t>* other = nullptr;
        switch (static_cast<ContextFeature>(feature)) {
        case ContextFeature::PreviousWord:
        case ContextFeature::PreviousSuffix:
        case ContextFeature::PreviousLongSuffix:
            other = &group.OtherPrevious;
            break;
        case ContextFeature::NextWord:
        case ContextFeature::NextSuffix:
        case ContextFeature::NextLongSuffix:
            other = &group.OtherNext;
            break;
        default:
            break;
        }
        for (std::size_t i = 2; i < fields.size(); ++i) {
            std::uint32_t count = 0;
            if (!ParseNumber(fields[i], count)) return Fail("bad count");
            if (other != nullptr) {
                // Every occurrence has one previous and one next word.
                std::uint32_t& left = (*other)[i - 2];
                if (count > left) return Fail("the rows count more than the totals");
                left -= count;
            }
            table_->Counts.push_back(count);
        }
        return Place(RowKeyOf(groupIndex, static_cast<ContextFeature>(feature)), first);
    }

    // The key of the current row; two neighbours are keyed word by word, as
    // the pass finds them.
    std::uint64_t RowKeyOf(int group, ContextFeature feature) const {
        const std::string_view value = value_;
        const std::size_t space = value.find(' ');
        if ((feature != ContextFeature::PreviousTwoWords &&
             feature != ContextFeature::NextTwoWords) ||
            space == std::string_view::npos)
            return ContextRowKey(group, feature, HashWord(value));
        return ContextRowKey(group, feature, HashWord(value.substr(0, space)),
                             HashWord(value.substr(space + 1)));
    }

    bool Place(std::uint64_t key, std::uint32_t start) {
        std::vector<ContextTable::RowSlot>& slots = table_->RowSlots;
        const std::size_t mask = slots.size() - 1;
        // RowLines counted every line that can be a row: the slots stay at
        // most half full, and a probe always ends at a free one.
        if (2 * ++placed_ > slots.size()) return Fail("more rows than the lines counted");
        const std::uint32_t check = RowCheck(key);
        std::size_t slot = key & mask;
        for (; slots[slot].Check != 0; slot = (slot + 1) & mask)
            if (slots[slot].Check == check) return Fail("a row listed twice");
        slots[slot] = {check, start};
        return true;
    }

    std::string name_;
    std::string error_;
    ContextTable* table_ = nullptr;
    int line_ = 0;
    std::vector<std::string_view> fields_; // of the current line
    std::string value_;                    // the current row's neighbour
    std::vector<int> groupLines_;          // the line of each group read, for errors
    std::size_t placed_ = 0;               // rows in their slots
};

} // namespace

namespace {

// splitmix64's finaliser: every bit of the input moves about half the bits
// of the output, so the low bits choose a slot and the high ones check it.
constexpr std::uint64_t Mix(std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

std::uint64_t GroupAndFeatureSeed(int group, ContextFeature feature) {
    return Mix((static_cast<std::uint64_t>(static_cast<std::uint32_t>(group)) << 8) |
               static_cast<std::uint64_t>(feature));
}

} // namespace

std::uint64_t HashWord(std::string_view word) {
    const auto load = [](const char* p, auto bytes) {
        decltype(bytes) value;
        std::memcpy(&value, p, sizeof value);
        return static_cast<std::uint64_t>(value);
    };
    const char* p = word.data();
    std::size_t n = word.size();
    // The length tells apart the words whose bytes the loads below overlap.
    std::uint64_t hash = n * 0x9e3779b97f4a7c15ULL;
    if (n >= 8) {
        for (; n > 8; p += 8, n -= 8)
            hash = Mix(hash ^ load(p, std::uint64_t{}));
        hash ^= load(p + n - 8, std::uint64_t{}); // the last eight bytes
    } else if (n >= 4) {
        hash ^= load(p, std::uint32_t{}) << 32 | load(p + n - 4, std::uint32_t{});
    } else if (n > 0) {
        const auto byte = [&](std::size_t i) {
            return static_cast<std::uint64_t>(static_cast<unsigned char>(p[i]));
        };
        hash ^= byte(0) << 16 | byte(n / 2) << 8 | byte(n - 1);
    }
    return Mix(hash);
}

std::uint64_t ContextRowKey(int group, ContextFeature feature, std::uint64_t neighbour) {
    return Mix(GroupAndFeatureSeed(group, feature) ^ neighbour);
}

std::uint64_t ContextRowKey(int group, ContextFeature feature, std::uint64_t first,
                            std::uint64_t second) {
    return Mix(ContextRowKey(group, feature, first) ^ second);
}

std::string_view FinalAccent(std::string_view word) {
    for (std::size_t i = word.size(); i-- > 0;)
        if (IsVowel(word[i])) return IsAccentedVowel(word[i]) ? word.substr(i) : std::string_view();
    return {};
}

int ContextTable::GroupOf(std::string_view plain) const {
    if (GroupSlots.empty()) return -1;
    const std::size_t mask = GroupSlots.size() - 1;
    const std::uint64_t hash = HashWord(plain);
    for (std::size_t slot = hash & mask; GroupSlots[slot].Group >= 0; slot = (slot + 1) & mask) {
        const GroupSlot& found = GroupSlots[slot];
        if (found.Hash == hash && Groups[static_cast<std::size_t>(found.Group)].Members[0] == plain)
            return found.Group;
    }
    return -1;
}

const std::uint32_t* ContextTable::RowOfKey(std::uint64_t key) const {
    if (RowSlots.empty()) return nullptr;
    const std::size_t mask = RowSlots.size() - 1;
    const std::uint32_t check = RowCheck(key);
    for (std::size_t slot = key & mask; RowSlots[slot].Check != 0; slot = (slot + 1) & mask)
        if (RowSlots[slot].Check == check) return Counts.data() + RowSlots[slot].Start;
    return nullptr;
}

const std::uint32_t* ContextTable::Row(int group, ContextFeature feature,
                                       std::string_view value) const {
    return RowOfKey(ContextRowKey(group, feature, HashWord(value)));
}

const std::uint32_t* ContextTable::Row(int group, ContextFeature feature, std::string_view first,
                                       std::string_view second) const {
    return RowOfKey(ContextRowKey(group, feature, HashWord(first), HashWord(second)));
}

ContextTableLoad ParseContextTable(std::string_view text, const std::string& name) {
    return TableParser(name).Parse(text);
}

ContextTableLoad LoadContextTable(const std::filesystem::path& file) {
    const std::string unreadable = file.string() + ": cannot read the context table";
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxTableBytes)
        return {nullptr, ec ? unreadable : file.string() + ": too large"};
    std::ifstream in(file, std::ios::binary);
    const std::unique_ptr<char[]> text(new char[static_cast<std::size_t>(size)]);
    if (!in || !in.read(text.get(), static_cast<std::streamsize>(size)))
        return {nullptr, unreadable};
    return ParseContextTable(std::string_view(text.get(), static_cast<std::size_t>(size)),
                             file.string());
}

} // namespace vorlen
