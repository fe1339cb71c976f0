#include "context/context_table.h"

#include "vocabulary/cp1252.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace vorlen {

namespace {

constexpr std::string_view kHeader = "vorlen-context 1";

// Feature names as the file writes them, in ContextFeature order.
constexpr std::string_view kFeatureNames[kContextFeatureCount] = {"L1", "R1", "L2", "R2"};

std::uint64_t Fnv1a(std::uint64_t hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

bool ParseNumber(std::string_view text, std::uint32_t& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool ParseMargin(std::string_view text, double& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 0 && value < 100;
}

std::vector<std::string_view> SplitSpaces(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t end = std::min(line.find(' ', pos), line.size());
        if (end > pos) fields.push_back(line.substr(pos, end - pos));
        pos = end + 1;
    }
    return fields;
}

class TableParser {
  public:
    explicit TableParser(std::string name) : name_(std::move(name)) {}

    ContextTableLoad Parse(std::string_view text) {
        auto table = std::make_shared<ContextTable>();
        table_ = table.get();
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t end = std::min(text.find('\n', pos), text.size());
            ++line_;
            if (!Line(text.substr(pos, end - pos))) return {nullptr, error_};
            pos = end + 1;
        }
        if (line_ == 0) return {nullptr, name_ + ": empty context table"};
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
        const std::vector<std::string_view> fields = SplitSpaces(line);
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
            auto member = Utf8ToCp1252(i == 0 ? fields[i].substr(1) : fields[i]);
            if (!member || member->empty()) return Fail("a member that is no word");
            group.Members.push_back(std::move(*member));
        }
        if (!ParseMargin(fields[words], group.Margin)) return Fail("bad margin");
        const bool pool = group.Members[0][0] == '*';
        const std::size_t expected = pool ? 2 : group.Members.size();
        if (fields.size() - words - 1 != expected) return Fail("totals do not match the members");
        for (std::size_t i = words + 1; i < fields.size(); ++i) {
            std::uint32_t total = 0;
            if (!ParseNumber(fields[i], total)) return Fail("bad total");
            group.Totals.push_back(total);
        }
        if (!table_->GroupByPlain.emplace(group.Members[0], static_cast<int>(table_->Groups.size()))
                 .second)
            return Fail("a group listed twice");
        table_->Groups.push_back(std::move(group));
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
        auto value = Utf8ToCp1252(fields[1]);
        if (!value) return Fail("a neighbour that is not Windows-1252 text");
        for (char& c : *value)
            if (c == '_') c = ' ';
        const auto first = static_cast<std::uint32_t>(table_->Counts.size());
        for (std::size_t i = 2; i < fields.size(); ++i) {
            std::uint32_t count = 0;
            if (!ParseNumber(fields[i], count)) return Fail("bad count");
            table_->Counts.push_back(count);
        }
        const auto key = ContextRowKey(groupIndex, static_cast<ContextFeature>(feature), *value);
        if (!table_->Rows.emplace(key, first).second) return Fail("a row listed twice");
        return true;
    }

    std::string name_;
    std::string error_;
    ContextTable* table_ = nullptr;
    int line_ = 0;
};

} // namespace

std::uint64_t ContextRowKey(int group, ContextFeature feature, std::string_view value) {
    const char head[] = {static_cast<char>(group & 0xFF), static_cast<char>((group >> 8) & 0xFF),
                         static_cast<char>((group >> 16) & 0xFF), static_cast<char>(feature)};
    return Fnv1a(Fnv1a(0xcbf29ce484222325ULL, std::string_view(head, sizeof head)), value);
}

const std::uint32_t* ContextTable::Row(int group, ContextFeature feature,
                                       std::string_view value) const {
    const auto found = Rows.find(ContextRowKey(group, feature, value));
    return found == Rows.end() ? nullptr : Counts.data() + found->second;
}

ContextTableLoad ParseContextTable(std::string_view text, const std::string& name) {
    return TableParser(name).Parse(text);
}

ContextTableLoad LoadContextTable(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {nullptr, file.string() + ": cannot read the context table"};
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return {nullptr, file.string() + ": cannot read the context table"};
    return ParseContextTable(text.str(), file.string());
}

} // namespace vorlen
