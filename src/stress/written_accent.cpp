#include "stress/written_accent.h"

#include "stress/syllables.h"
#include "stress/vowels.h"

namespace vorlen::stress {

namespace {

bool IsVowelLetter(char c) {
    return FindVowel(c).has_value();
}

// A vowel, or an n or s after a vowel: the endings that make the next-to-last
// syllable the natural place of the stress.
bool EndsLikeAParoxytone(std::string_view word) {
    if (word.empty()) return false;
    const char last = word.back();
    if (IsVowelLetter(last)) return true;
    return (last == 'n' || last == 's') && word.size() >= 2 && IsVowelLetter(word[word.size() - 2]);
}

// The vowel sounded next to position k, across one h, in the given direction.
std::optional<VowelLetter> Neighbour(std::string_view word, std::size_t k, bool forward) {
    for (int step = 1; step <= 2; ++step) {
        const auto offset = static_cast<std::size_t>(step);
        if (!forward && k < offset) return std::nullopt;
        const std::size_t at = forward ? k + offset : k - offset;
        if (at >= word.size()) return std::nullopt;
        if (const auto v = FindVowel(word[at])) return v;
        if (word[at] != 'h') return std::nullopt;
    }
    return std::nullopt;
}

// `word` has its accent mark on the stressed vowel at `stressed`.
bool AccentIsWritten(std::string_view word, std::size_t stressed) {
    const std::vector<Nucleus> nuclei = SyllableNuclei(word);
    if (nuclei.size() <= 1) return false;
    std::size_t index = 0;
    while (index < nuclei.size() && nuclei[index].Last < stressed)
        ++index;
    const std::size_t fromEnd = nuclei.size() - 1 - index;
    const VowelLetter vowel = *FindVowel(word[stressed]);
    if (!vowel.Open) {
        const auto before = Neighbour(word, stressed, false);
        const auto after = Neighbour(word, stressed, true);
        if ((before && before->Open) || (after && after->Open)) return true;
    }
    if (fromEnd >= 2) return true;
    return fromEnd == 1 ? !EndsLikeAParoxytone(word) : EndsLikeAParoxytone(word);
}

} // namespace

std::optional<std::size_t> StressedVowel(std::string_view word) {
    for (std::size_t k = 0; k < word.size(); ++k) {
        const auto v = FindVowel(word[k]);
        if (v && v->WrittenAccent) return k;
    }
    const std::vector<Nucleus> nuclei = SyllableNuclei(word);
    if (nuclei.empty()) return std::nullopt;
    const bool penultimate = nuclei.size() >= 2 && EndsLikeAParoxytone(word);
    return StressedVowelOf(word, nuclei[nuclei.size() - (penultimate ? 2 : 1)]);
}

std::string WriteStress(std::string_view word, std::size_t stressed) {
    std::string written(word);
    for (char& c : written)
        if (const auto v = FindVowel(c); v && v->WrittenAccent) c = v->Plain;
    if (stressed >= written.size()) return written;
    const auto vowel = FindVowel(written[stressed]);
    if (!vowel) return written;
    // ü under stress would be ú; the rules never write it there.
    if (written[stressed] == "ü"_w[0]) return written;
    written[stressed] = vowel->Accented;
    if (!AccentIsWritten(written, stressed)) written[stressed] = vowel->Plain;
    return written;
}

std::string AttachPronouns(std::string_view verbForm, std::string_view pronouns) {
    const auto stressed = StressedVowel(verbForm);
    const bool dropsS =
        verbForm.ends_with("mos") && (pronouns.starts_with("nos") || pronouns.starts_with("se"));
    std::string word(dropsS ? verbForm.substr(0, verbForm.size() - 1) : verbForm);
    word.append(pronouns);
    if (!stressed) return word;
    return WriteStress(word, *stressed);
}

} // namespace vorlen::stress
