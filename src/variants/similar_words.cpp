// When nothing explains a word, offer the vocabulary words one typing error
// away from it. Three scans of the vocabulary line of the word's first letter
// forgive a letter left out, a letter too many and a wrong letter; a fourth
// step tries each pair of neighbouring letters swapped. A feminine or plural
// ending on a masculine or singular entry (bonitas, casas, meses) is forgiven
// at the end of the word.
//
// Each scan compares the word with the entries of the line one by one, by
// position; the first letter only chooses the line and is never compared, so
// arbol finds árbol. Only entries that could be one error away are compared:
// those whose length and first letters fit the word, which the store's
// EntryShapes lists in line order (see ScanLine).
#include "variants/similar_words.h"

#include "variants/positions.h"
#include "vocabulary/lookup.h"
#include "vocabulary/text_search.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorlen {

namespace {

using variants::CharAt;
using variants::FindFrom;

// A vocabulary line read as if a bar followed its end when it lacks one, so
// that every entry, even in a line damaged by hand, has a closing bar.
class ClosedLine {
  public:
    explicit ClosedLine(std::string_view text)
        : text_(text), length_(text.ends_with('|') ? text.size() : text.size() + 1) {}

    std::size_t Length() const { return length_; }
    int At(std::size_t pos) const {
        return pos == text_.size() + 1 && length_ > text_.size() ? '|' : CharAt(text_, pos);
    }
    // The first bar at or after pos (pos <= Length()).
    std::size_t BarFrom(std::size_t pos) const {
        const std::size_t bar = FindFrom(text_, '|', pos);
        return bar != 0 ? bar : length_;
    }
    // Positions first..last, both within the text.
    std::string_view Slice(std::size_t first, std::size_t last) const {
        return text_.substr(first - 1, last - first + 1);
    }

  private:
    std::string_view text_;
    std::size_t length_;
};

enum class Forgiven { MissingLetter, ExtraLetter, WrongLetter };

// Compares the word, from its second letter, with the entry whose second
// letter is at s and whose closing bar is at `close`. Returns the position of
// the entry's last letter when the two are one error of the given kind apart
// (or the word is the entry with -s, -es or o -> -as), else 0. The comparison
// never leaves the entry: reaching its bar with the word not used up fails.
std::size_t MatchEntry(const ClosedLine& line, std::size_t s, std::size_t close,
                       std::string_view word, Forgiven forgiven) {
    const std::size_t length = word.size();
    const std::size_t end = length + 1; // the word is used up
    std::size_t i = s;
    std::size_t j = 2;
    int mismatches = 0;
    for (;;) {
        const int e = line.At(i);
        const int w = CharAt(word, j);
        // A masculine entry answers a feminine word: bonita finds bonito.
        const bool equal = (e == 'o' && w == 'a' && j == length) || w == e;
        if (!equal) {
            if (++mismatches == 2) return 0;
            if (forgiven != Forgiven::ExtraLetter) {
                if (i == close) return 0;
                ++i;
            }
            if (forgiven != Forgiven::MissingLetter) ++j;
            continue;
        }
        if (i == close) return 0; // a bar in the word itself

        ++i;
        ++j;
        const int e0 = line.At(i);
        const int e1 = line.At(i + 1);
        const int w0 = CharAt(word, j);
        const int w1 = CharAt(word, j + 1);
        if (e0 == '|' &&
            (j == end || (w0 == 's' && j == length) || (w0 == 'e' && w1 == 's' && j + 1 == length)))
            return i - 1; // the same word, or its plural in -s or -es
        if (e0 == 'o' && e1 == '|' && w0 == 'a' && w1 == 's' && j + 1 == length)
            return i;                                           // bonitas for bonito
        if (mismatches == 0 && j == end && e1 == '|') return i; // the last letter left out
    }
}

// "|w" followed by a bar or the end in a list of the form "|w1|w2".
bool Listed(std::string_view list, std::string_view barWord) {
    for (auto at = list.find(barWord); at != std::string_view::npos;
         at = list.find(barWord, at + 1)) {
        const std::size_t after = at + barWord.size();
        if (after == list.size() || list[after] == '|') return true;
    }
    return false;
}

struct Search {
    Engine& engine;
    std::string_view word;
    int line;              // the line's number
    std::string candidate; // "|" + entry, reused
};

// An entry that a scan accepts: the scan, and the positions of its second and
// last letters in the line.
struct Accepted {
    Forgiven forgiven;
    std::uint32_t second;
    std::size_t last;
    auto operator<=>(const Accepted&) const = default;
};

// The three scans at once, over only the entries of the line that they can
// accept; returns what they accept in the order of the scans, each in line
// order.
//
// A match ends on an equal step with the word and the entry both used up (one
// letter left for an -s, two for -es or -as, one letter of the entry left
// over for the last letter left out), after at most one mismatch, which passes
// over one letter of the entry (a letter left out), of the word (one too many)
// or of both (a wrong one). So the tail of an accepted entry (its letters
// after the first) is between the word's length minus 4 and the word's
// length. And the first comparison, of the entry's second letter with the
// word's, is equal, or it is the mismatch and the next one is equal: the
// entry's third letter with the word's second (letter left out), its second
// with the word's third (one too many), its third with the word's third
// (wrong letter). "Equal" counts an entry's o as the word's a in the word's
// last place. EntryShapes lists the entries by tail length and by their
// second or third letter, in line order.
std::vector<Accepted> ScanLine(const Search& search, const ClosedLine& line) {
    const std::string_view word = search.word;
    const std::size_t length = word.size();
    const auto equalTo = [&](std::size_t j) {
        std::vector<unsigned char> bytes;
        const int w = CharAt(word, j);
        if (w < 0) return bytes;
        bytes.push_back(static_cast<unsigned char>(w));
        if (w == 'a' && j == length) bytes.push_back('o');
        return bytes;
    };
    const auto second = equalTo(2); // the entry's letter where the word's second is
    const auto third = equalTo(3);
    const EntryShapes& shapes = search.engine.Vocabulary->Shapes;
    std::vector<Accepted> accepted;
    const auto scan = [&](std::size_t tail, int offset, const std::vector<unsigned char>& bytes,
                          std::initializer_list<Forgiven> scans) {
        for (const unsigned char c : bytes) {
            for (const std::uint32_t s : shapes.Entries(search.line, tail, offset, c)) {
                const std::size_t close =
                    tail < EntryShapes::kLongTail ? s + tail : line.BarFrom(s);
                for (const Forgiven forgiven : scans)
                    if (const std::size_t last = MatchEntry(line, s, close, word, forgiven))
                        accepted.push_back({forgiven, s, last});
            }
        }
    };
    // The group of long tails holds every length from kLongTail on.
    const std::size_t longest = std::min(length, EntryShapes::kLongTail);
    const std::size_t shortest = std::min(length > 5 ? length - 4 : 1, longest);
    for (std::size_t tail = shortest; tail <= longest; ++tail) {
        scan(tail, 0, second,
             {Forgiven::MissingLetter, Forgiven::ExtraLetter, Forgiven::WrongLetter});
        scan(tail, 1, second, {Forgiven::MissingLetter});
        scan(tail, 0, third, {Forgiven::ExtraLetter});
        scan(tail, 1, third, {Forgiven::WrongLetter});
    }
    // An entry may be listed under more than one letter.
    std::sort(accepted.begin(), accepted.end());
    accepted.erase(std::unique(accepted.begin(), accepted.end()), accepted.end());
    return accepted;
}

void OfferAccepted(Search& search, const ClosedLine& line, const std::vector<Accepted>& accepted) {
    const std::string_view extraWords = search.engine.Vocabulary->ExtraWordLine;
    for (const Accepted& a : accepted) {
        search.candidate.assign(1, '|');
        search.candidate.append(line.Slice(a.second - 1, a.last));
        // The extra words are never offered (nor words they begin with).
        if (!Listed(search.engine.SimilarWords, search.candidate) &&
            !Contains(extraWords, search.candidate))
            search.engine.SimilarWords += search.candidate;
    }
}

// A bar-framed word without inner bars that is an entry of the line; the last
// entry of a line without its closing bar counts too.
bool IsEntry(const Engine& engine, std::string_view line, std::string_view framed) {
    if (VocabLookup(engine, framed) > 0) return true;
    return !line.ends_with('|') && line.ends_with(framed.substr(0, framed.size() - 1));
}

// Two neighbouring letters typed the wrong way round: csaa for casa.
void TrySwaps(Search& search) {
    const std::string_view word = search.word;
    if (word.find('|') != std::string_view::npos) return; // no swap of it is a word
    std::string framed;
    framed.reserve(word.size() + 2);
    framed.append(1, '|').append(word).append(1, '|');
    const VocabularyStore& store = *search.engine.Vocabulary;
    const auto& lines = store.VocabLines;
    for (std::size_t k = 1; k < word.size(); ++k) {
        std::swap(framed[k], framed[k + 1]);
        // Swapping the first two letters moves the word to another line; a
        // swap that puts a letter without a line (ü) first is just skipped.
        // A word longer than every entry of the line is not looked up, so
        // that a word of a million letters costs no million lookups of it.
        const int x = LineIndexOf(framed[1]);
        if (x >= 0 && word.size() <= store.Entries.LongestEntry(x)) {
            const std::string_view line = lines[static_cast<std::size_t>(x)];
            const std::string_view barWord(framed.data(), framed.size() - 1);
            if (framed.size() <= line.size() + 1 && IsEntry(search.engine, line, framed) &&
                !Listed(search.engine.SimilarWords, barWord))
                search.engine.SimilarWords += barWord;
        }
        std::swap(framed[k], framed[k + 1]);
    }
}

} // namespace

void FindSimilarWords(Engine& engine) {
    engine.SimilarWords.clear();
    const std::string_view word = engine.SourceWord;
    if (word.empty()) return;
    const int x = LineIndexOf(word[0]);
    if (x < 0) return; // a digit, ü or a sign: no line to look in

    Search search{engine, word, x, {}};
    const ClosedLine line(engine.Vocabulary->VocabLines[static_cast<std::size_t>(x)]);
    OfferAccepted(search, line, ScanLine(search, line));
    TrySwaps(search);

    if (!engine.SimilarWords.empty()) engine.WordResult = engine.SourceWord + engine.SimilarWords;
}

} // namespace vorlen
