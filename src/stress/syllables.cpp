#include "stress/syllables.h"

#include "stress/vowels.h"

namespace vorlen::stress {

namespace {

bool IsFrontVowel(char c) {
    return c == 'e' || c == 'i' || c == "é"_w[0] || c == "í"_w[0];
}

// Whether the letter at `k` is a vowel that is pronounced.
bool SoundsAsVowel(std::string_view word, std::size_t k) {
    const char c = word[k];
    if (c == 'y') {
        if (word.size() == 1) return true;
        return k + 1 == word.size() && k > 0 && FindVowel(word[k - 1]).has_value();
    }
    if (!FindVowel(c)) return false;
    if (c == 'u' && k > 0 && k + 1 < word.size()) {
        if (word[k - 1] == 'q') return false;
        if (word[k - 1] == 'g' && IsFrontVowel(word[k + 1])) return false;
    }
    return true;
}

struct Sounded {
    bool Open = false;
    bool StressedClosed = false; // í or ú: never in a diphthong
    char Plain = 0;
};

Sounded Classify(char c) {
    if (c == 'y') return {false, false, 'i'};
    const VowelLetter v = *FindVowel(c);
    return {v.Open, !v.Open && v.WrittenAccent, v.Plain};
}

// Two vowels next to each other (or across an h) are parted when both are
// open (le-er), when a closed one beside an open one is stressed (o-ír,
// ba-úl), or when they are the same closed vowel (chi-i-ta). Two different
// closed vowels stay together even with an accent (cuí-da-te).
bool Hiatus(char before, char after) {
    const Sounded a = Classify(before);
    const Sounded b = Classify(after);
    if (a.Open && b.Open) return true;
    if (a.Open != b.Open) return a.StressedClosed || b.StressedClosed;
    return a.Plain == b.Plain;
}

} // namespace

std::vector<Nucleus> SyllableNuclei(std::string_view word) {
    std::vector<Nucleus> nuclei;
    bool open = false; // a nucleus is being extended
    std::size_t lastVowel = 0;
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (!SoundsAsVowel(word, k)) {
            // Only an h between two vowels leaves the nucleus open.
            const bool silentH =
                word[k] == 'h' && open && k + 1 < word.size() && SoundsAsVowel(word, k + 1);
            if (!silentH) open = false;
            continue;
        }
        if (open && !Hiatus(word[lastVowel], word[k])) {
            nuclei.back().Last = k;
        } else {
            nuclei.push_back({k, k});
        }
        open = true;
        lastVowel = k;
    }
    return nuclei;
}

std::size_t StressedVowelOf(std::string_view word, const Nucleus& nucleus) {
    std::size_t stressed = nucleus.Last;
    for (std::size_t k = nucleus.First; k <= nucleus.Last; ++k) {
        const auto v = FindVowel(word[k]);
        if (!v) continue;
        if (v->WrittenAccent) return k;
        if (v->Open) stressed = k;
    }
    // Two closed vowels: the second (cui-da); with an open one, the open one.
    return stressed;
}

} // namespace vorlen::stress
