// bench_context: what accents restored from context cost and what they do.
//
//   bench_context [with|without|pass|load]
//
// Times are processor time. Start-up: loading data/context-accents.txt once
// the vocabulary is loaded, as a program does, then five loads more (median).
// Running text: the fortunes-es texts converted whole on one core with the
// model and without it (the option off), in turn, the best of five each; and
// the peak memory of a process that converted only one way (the program runs
// itself once per way). Then the model on the fortunes-es text with every
// accent of a group removed: how many come back, and how many unaccented words
// of those groups were given one (false alarms; its writers themselves drop
// accents, so some of these are real corrections). `pass` runs only the
// context pass, fifty times, and `load` only the loading of the table, fifty
// times (for a profiler; each prints the best and the median).
#include "bench_support.h"
#include "context/context_load.h"
#include "context/context_model.h"
#include "context/context_table.h"
#include "conversion/context_pass.h"
#include "conversion/text_driver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Processor time of this process: on a machine shared with other work the
// wall clock measures the others too.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <typename F>
double Seconds(F&& f) {
    const double start = CpuSeconds();
    f();
    return CpuSeconds() - start;
}

fs::path TablePath() {
    return fs::path(VORLEN_SHIPPED_VOCABULARY).parent_path() / vorlen::kContextTableFile;
}

// Converts the text the given way once; prints this process's peak memory.
int ConvertOneWay(const std::string& text, bool withModel) {
    const bench::ScratchDirectory scratch;
    vorlen::Engine engine = bench::LoadShippedEngine(scratch);
    engine.Options.ContextAccents = withModel;
    if (withModel && !vorlen::LoadContextAccents(engine).empty()) return 1;
    const std::size_t restored = vorlen::ConvertText(engine, text).ContextRestores.size();
    std::printf("  %-8s %5zu words restored, peak memory %6.1f MB\n",
                withModel ? "with" : "without", restored, bench::PeakMemoryMegabytes());
    return 0;
}

// Converts the text with and without the model in turn, five times each, and
// prints the best time of each way.
void CompareSpeeds(const std::string& text, vorlen::Engine& engine) {
    double best[2] = {1e9, 1e9};
    for (int run = 0; run < 10; ++run) {
        const int way = run % 2;
        engine.Options.ContextAccents = way == 1;
        engine.Memo = {};
        best[way] = std::min(best[way], Seconds([&] { (void)vorlen::ConvertText(engine, text); }));
    }
    engine.Options.ContextAccents = true;
    for (int way = 0; way < 2; ++way)
        std::printf("  %-8s %7.3f s  (%5.2f MB/s)\n", way == 1 ? "with" : "without", best[way],
                    static_cast<double>(text.size()) / best[way] / 1e6);
    std::printf("  cost of the model: %+.1f %%\n", 100.0 * (best[1] - best[0]) / best[0]);
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
        const int group = table.GroupOf(p);
        const bool inGroup = group >= 0;
        const auto& members = inGroup ? table.Groups[static_cast<std::size_t>(group)].Members
                                      : std::vector<std::string>{};
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

int PassOnly(const std::string& text) {
    const bench::ScratchDirectory scratch;
    vorlen::Engine engine = bench::LoadShippedEngine(scratch);
    if (!vorlen::LoadContextAccents(engine).empty()) return 1;
    std::size_t choices = 0;
    std::vector<double> passes;
    for (int run = 0; run < 50; ++run)
        passes.push_back(
            Seconds([&] { choices += vorlen::FindContextAccents(engine, text).size(); }));
    std::sort(passes.begin(), passes.end());
    std::printf("%zu accents called for; a pass: best %.1f ms, median %.1f ms\n", choices,
                passes[0] * 1000, passes[25] * 1000);
    return 0;
}

int LoadOnly() {
    std::vector<double> loads;
    for (int run = 0; run < 50; ++run) {
        bool loaded = false;
        loads.push_back(
            Seconds([&] { loaded = vorlen::LoadContextTable(TablePath()).Table != nullptr; }));
        if (!loaded) return 1;
    }
    std::sort(loads.begin(), loads.end());
    std::printf("context table loaded 50 times: best %.1f ms, median %.1f ms\n", loads[0] * 1000,
                loads[25] * 1000);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string text = bench::ReadFortunes();
    if (text.empty()) {
        std::fprintf(stderr, "bench_context: fortunes-es is not installed (%s)\n",
                     bench::kFortunesDirectory);
        return 1;
    }
    if (argc > 1 && std::string(argv[1]) == "pass") return PassOnly(text);
    if (argc > 1 && std::string(argv[1]) == "load") return LoadOnly();
    if (argc > 1) return ConvertOneWay(text, std::string(argv[1]) == "with");

    // Start-up as a program pays it: the table read once the vocabulary is
    // in memory (vorlen-cli, the server and the window read it in that order).
    const bench::ScratchDirectory scratch;
    vorlen::Engine engine = bench::LoadShippedEngine(scratch);
    bool loaded = false;
    const double startup = Seconds([&] { loaded = vorlen::LoadContextAccents(engine).empty(); });
    if (!loaded) return 1;
    std::vector<double> loads;
    for (int run = 0; run < 5; ++run)
        loads.push_back(Seconds([] {
            const auto load = vorlen::LoadContextTable(TablePath());
            if (!load.Table) std::fprintf(stderr, "%s\n", load.Error.c_str());
        }));
    std::sort(loads.begin(), loads.end());
    std::error_code ec;
    std::printf("context table: %s, %ju bytes, loaded after the vocabulary in %.1f ms "
                "(then again: median of 5 %.1f ms)\n",
                TablePath().c_str(), static_cast<std::uintmax_t>(fs::file_size(TablePath(), ec)),
                startup * 1000, loads[2] * 1000);
    std::printf("fortunes-es, %zu bytes, converted on one core (best of 5, processor time):\n",
                text.size());
    CompareSpeeds(text, engine);
    std::fflush(stdout);
    for (const char* way : {"without", "with"})
        if (std::system((std::string(argv[0]) + " " + way).c_str()) != 0) return 1;
    std::size_t choices = 0;
    double pass = 1e9;
    for (int run = 0; run < 5; ++run)
        pass = std::min(
            pass, Seconds([&] { choices = vorlen::FindContextAccents(engine, text).size(); }));
    std::printf("  the context pass alone: %.3f s (best of 5), %zu accents called for\n", pass,
                choices);
    MeasureRestores(text, engine);
    return 0;
}
