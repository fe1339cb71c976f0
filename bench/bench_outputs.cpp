// bench_outputs: the engine's results on fixed inputs, as fingerprints, so
// that a change made for speed can be shown to change no result.
//
//   bench_outputs [--write] [--dump DIR]
//
// Converts the whole fortunes-es text under four sets of options (and on two
// threads, which must give the same text), each word of
// bench/data/misspellings-dev.tsv, random bytes, and looks for the similar
// words of words with one typing error; then compares the fingerprint of every
// output with bench/data/golden-outputs.txt. --write makes that file anew
// (only when a change of results is meant); --dump writes every output in full
// into DIR, to compare two builds with diff.
//
// Exit status: 0 when every output agrees, 1 when one differs, 77 when the
// golden file was made from another vocabulary or fortunes-es text (there is
// nothing to compare with), 2 on an error.
#include "bench_support.h"
#include "conversion/parallel_text.h"
#include "conversion/text_driver.h"
#include "conversion/word_pipeline.h"
#include "variants/similar_words.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kDiffers = 1;
constexpr int kError = 2;
constexpr int kNothingToCompare = 77;

const fs::path kGoldenFile = fs::path(VORLEN_BENCH_DATA_DIR) / "golden-outputs.txt";

struct Output {
    std::string name;
    std::string text; // UTF-8
};

vorlen::Engine EngineWith(const vorlen::Engine& loaded,
                          const std::function<void(vorlen::EngineOptions&)>& set) {
    vorlen::Engine engine;
    engine.Vocabulary = loaded.Vocabulary;
    engine.Paths = loaded.Paths;
    // The golden outputs are those of the original rules.
    engine.Options.Classic = true;
    set(engine.Options);
    return engine;
}

// What ConvertWord leaves for one word: the result, the not-found tag and the
// similar words, one tab-separated line.
std::string ConvertEach(vorlen::Engine& engine, const std::vector<std::string>& words) {
    std::string out;
    for (const auto& word : words) {
        engine.CurrentWord = word;
        engine.SimilarWords.clear();
        vorlen::ConvertWord(engine);
        out += vorlen::Cp1252ToUtf8(word + '\t' + engine.WordResult + '\t' + engine.NotFoundTag +
                                    '\t' + engine.SimilarWords + '\n');
    }
    return out;
}

std::string SimilarEach(vorlen::Engine& engine, const std::vector<std::string>& words) {
    std::string out;
    for (const auto& word : words) {
        engine.SourceWord = word;
        engine.WordResult = "<none>";
        vorlen::FindSimilarWords(engine);
        out += vorlen::Cp1252ToUtf8(word + '\t' + engine.SimilarWords + '\n');
    }
    return out;
}

std::vector<Output> ComputeOutputs(const std::string& fortunes) {
    const bench::ScratchDirectory scratch;
    const vorlen::Engine loaded = bench::LoadShippedEngine(scratch);
    std::vector<Output> outputs;
    const auto convert = [&](const std::string& name, vorlen::Engine engine) {
        std::fprintf(stderr, "  %s\n", name.c_str());
        outputs.push_back({name, vorlen::ConvertText(engine, fortunes).Text});
    };
    convert("fortunes-default", EngineWith(loaded, [](auto&) {}));
    std::fprintf(stderr, "  fortunes-default-two-threads\n");
    outputs.push_back(
        {"fortunes-default-two-threads",
         vorlen::ConvertTextInParallel(EngineWith(loaded, [](auto&) {}), fortunes, 2).Text});
    convert("fortunes-change", EngineWith(loaded, [](auto& o) { o.ChangeFoundWords = true; }));
    convert("fortunes-no-caps-rule-bar-after-change", EngineWith(loaded, [](auto& o) {
                o.CapsRule = false;
                o.BarAfterChange = true;
            }));
    vorlen::Engine plain = EngineWith(loaded, [](auto&) {});
    vorlen::ReloadVocabulary(plain, true);
    convert("fortunes-ignore-diacritics", plain);

    std::vector<std::string> misspelled;
    for (const auto& m : bench::ReadMisspellings())
        misspelled.push_back(m.Written);
    std::fprintf(stderr, "  misspelled words\n");
    vorlen::Engine engine = EngineWith(loaded, [](auto&) {});
    outputs.push_back({"misspelled-default", ConvertEach(engine, misspelled)});
    outputs.push_back({"misspelled-ignore-diacritics", ConvertEach(plain, misspelled)});

    std::fprintf(stderr, "  similar words\n");
    const auto typos = bench::TypoWords(bench::CutWords(fortunes), 4);
    outputs.push_back({"similar-typos", SimilarEach(engine, typos)});
    outputs.push_back({"similar-typos-ignore-diacritics", SimilarEach(plain, typos)});

    std::fprintf(stderr, "  random bytes\n");
    engine = EngineWith(loaded, [](auto&) {});
    outputs.push_back(
        {"random-bytes", vorlen::ConvertText(engine, bench::RandomBytesText(1 << 17)).Text});
    return outputs;
}

std::string Line(const std::string& kind, const std::string& name, std::string_view bytes) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " %016" PRIx64 " %zu", bench::Fingerprint(bytes),
                  bytes.size());
    return kind + ' ' + name + buffer;
}

// name -> the rest of its golden line.
std::map<std::string, std::string> ReadGolden(const std::string& kind) {
    std::map<std::string, std::string> lines;
    std::istringstream in(bench::ReadFile(kGoldenFile));
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with(kind + ' ')) continue;
        const auto name = line.find(' ', kind.size() + 1);
        if (name == std::string::npos) continue;
        lines[line.substr(kind.size() + 1, name - kind.size() - 1)] = line;
    }
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    bool write = false;
    const char* dump = nullptr;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--write") == 0) {
            write = true;
        } else if (std::strcmp(argv[k], "--dump") == 0 && k + 1 < argc) {
            dump = argv[++k];
        } else {
            std::fprintf(stderr, "usage: bench_outputs [--write] [--dump DIR]\n");
            return kError;
        }
    }
    const std::string fortunes = bench::ReadFortunes();
    if (fortunes.empty()) {
        std::fprintf(stderr, "bench_outputs: no text in %s (apt-get install fortunes-es)\n",
                     bench::kFortunesDirectory);
        return kNothingToCompare;
    }
    const std::vector<std::string> inputs = {
        Line("input", "vocabulary", bench::ReadFile(VORLEN_SHIPPED_VOCABULARY)),
        Line("input", "fortunes", fortunes)};
    if (!write) {
        const auto golden = ReadGolden("input");
        for (const auto& line : inputs) {
            const std::string name = line.substr(6, line.find(' ', 6) - 6);
            const auto it = golden.find(name);
            if (it == golden.end() || it->second != line) {
                std::printf("bench_outputs: %s differs from the one %s was made with; "
                            "nothing to compare\n",
                            name.c_str(), kGoldenFile.c_str());
                return kNothingToCompare;
            }
        }
    }

    std::vector<Output> outputs;
    try {
        outputs = ComputeOutputs(fortunes);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_outputs: %s\n", e.what());
        return kError;
    }
    if (dump != nullptr) {
        fs::create_directories(dump);
        for (const auto& output : outputs)
            std::ofstream(fs::path(dump) / (output.name + ".txt"), std::ios::binary) << output.text;
    }

    if (write) {
        std::ofstream out(kGoldenFile, std::ios::binary | std::ios::trunc);
        out << "# Fingerprints (FNV-1a, 64 bits) and sizes of the engine's outputs on fixed\n"
               "# inputs; bench_outputs compares with them and --write makes this file.\n";
        for (const auto& line : inputs)
            out << line << '\n';
        for (const auto& output : outputs)
            out << Line("output", output.name, output.text) << '\n';
        if (!out) {
            std::fprintf(stderr, "bench_outputs: cannot write %s\n", kGoldenFile.c_str());
            return kError;
        }
        std::printf("bench_outputs: wrote %s\n", kGoldenFile.c_str());
        return 0;
    }

    const auto golden = ReadGolden("output");
    int status = 0;
    for (const auto& output : outputs) {
        const std::string line = Line("output", output.name, output.text);
        const auto it = golden.find(output.name);
        const bool same = it != golden.end() && it->second == line;
        std::printf("%-40s %s\n", output.name.c_str(), same ? "same" : "DIFFERS");
        if (!same) status = kDiffers;
    }
    return status;
}
