// bench_context: what accents restored from context cost and what they do.
//
//   bench_context [with|without]
//
// Start-up: loading data/context-accents.txt, the median of five. Running
// text: the fortunes-es texts converted whole on one core with the model and
// without it (the option off), the best of three each, after one warm-up, and
// the peak memory of a process that converted only one way (the program runs
// itself once per way). Then the model on the fortunes-es text with every
// accent of a group removed: how many come back, and how many unaccented
// words of those groups were given one (false alarms; its writers themselves
// drop accents, so some of these are real corrections).
#include "bench_support.h"
#include "context/context_load.h"
#include "context/context_model.h"
#include "context/context_table.h"
#include "conversion/context_pass.h"
#include "conversion/text_driver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

template <typename F>
double Seconds(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

fs::path TablePath() {
    return fs::path(VORLEN_SHIPPED_VOCABULARY).parent_path() / vorlen::kContextTableFile;
}

// Converts the text the given way; prints the time and this process's peak memory.
int ConvertOneWay(const std::string& text, bool withModel) {
    const bench::ScratchDirectory scratch;
    vorlen::Engine engine = bench::LoadShippedEngine(scratch);
    engine.Options.ContextAccents = withModel;
    if (withModel && !vorlen::LoadContextAccents(engine).empty()) return 1;
    double best = 1e9;
    std::size_t restored = 0;
    for (int run = 0; run < 4; ++run) {
        engine.Memo = {};
        vorlen::ConversionResult result;
        const double seconds = Seconds([&] { result = vorlen::ConvertText(engine, text); });
        if (run > 0) best = std::min(best, seconds);
        restored = result.ContextRestores.size();
    }
    std::printf("  %-8s %7.3f s  (%5.2f MB/s)  %5zu words restored  peak %6.1f MB\n",
                withModel ? "with" : "without", best, static_cast<double>(text.size()) / best / 1e6,
                restored, bench::PeakMemoryMegabytes());
    return 0;
}

void MeasureRestores(const std::string& text, const vorlen::Engine& engine) {
    const vorlen::ContextTable& table = *engine.Context;
    const std::vector<std::string> words = bench::CutWords(text);
    // The text as the model sees it with every accent removed.
    vorlen::ContextAccents model(table, engine);
    vorlen::ReadContextText(model, engine, text, true);
    std::vector<const std::string*> chosen(words.size(), nullptr);
    for (const vorlen::AccentChoice& choice : model.Choices())
        chosen[choice.WordOrdinal] = &choice.Accented;
    std::size_t accented = 0, restored = 0, plain = 0, falseAlarms = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string written = vorlen::ToLower(words[i]);
        const std::string p = vorlen::PlainSpelling(written);
        const auto group = table.GroupByPlain.find(p);
        const bool inGroup = group != table.GroupByPlain.end();
        const auto& members =
            inGroup ? table.Groups[group->second].Members : std::vector<std::string>{};
        const bool member = std::find(members.begin(), members.end(), written) != members.end();
        if (written == p && (inGroup || chosen[i] != nullptr)) {
            ++plain;
            falseAlarms += chosen[i] != nullptr;
        } else if (member) {
            ++accented;
            restored += chosen[i] != nullptr && *chosen[i] == written;
        }
    }
    std::printf("  accents of a group removed: %zu of %zu restored (%.1f %%); "
                "false alarms %zu of %zu unaccented (%.2f %%)\n",
                restored, accented, 100.0 * restored / std::max<std::size_t>(accented, 1),
                falseAlarms, plain, 100.0 * falseAlarms / std::max<std::size_t>(plain, 1));
}

} // namespace

int main(int argc, char** argv) {
    const std::string text = bench::ReadFortunes();
    if (text.empty()) {
        std::fprintf(stderr, "bench_context: fortunes-es is not installed (%s)\n",
                     bench::kFortunesDirectory);
        return 1;
    }
    if (argc > 1) return ConvertOneWay(text, std::string(argv[1]) == "with");

    std::vector<double> loads;
    for (int run = 0; run < 5; ++run)
        loads.push_back(Seconds([] {
            const auto load = vorlen::LoadContextTable(TablePath());
            if (!load.Table) std::fprintf(stderr, "%s\n", load.Error.c_str());
        }));
    std::sort(loads.begin(), loads.end());
    std::error_code ec;
    std::printf("context table: %s, %ju bytes, loaded in %.1f ms (median of 5)\n",
                TablePath().c_str(), static_cast<std::uintmax_t>(fs::file_size(TablePath(), ec)),
                loads[2] * 1000);

    std::printf("fortunes-es, %zu bytes, converted on one core:\n", text.size());
    for (const char* way : {"without", "with"})
        if (std::system((std::string(argv[0]) + " " + way).c_str()) != 0) return 1;

    const bench::ScratchDirectory scratch;
    vorlen::Engine engine = bench::LoadShippedEngine(scratch);
    if (!vorlen::LoadContextAccents(engine).empty()) return 1;
    MeasureRestores(text, engine);
    return 0;
}
