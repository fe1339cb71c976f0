// Any bytes as a context table: reading it must refuse what it cannot use with
// an error naming the file, and never crash, hang or read outside the table.
// A table read must answer every lookup, and drive the context pass over a
// text made of the input's own words and marks.
#include "context/context_model.h"
#include "context/context_table.h"
#include "vocabulary/vocabulary_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

const vorlen::Engine& SmallEngine() {
    // Verb forms with a twin stressed on the last vowel (hablo, habló), so
    // that a pooled ending of the input can find one.
    static const vorlen::Engine engine = [] {
        vorlen::VocabularyText text = vorlen::ParseVocabularyText("");
        text.lines.resize(30);
        text.lines[7] = "|hablo|habló|hablara|hablará|";
        vorlen::Engine e;
        e.Vocabulary = vorlen::BuildVocabularyStore(text);
        return e;
    }();
    return engine;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vorlen::ContextTableLoad load = vorlen::ParseContextTable(bytes, "t.txt");
    if (!load.Table) {
        if (!load.Error.starts_with("t.txt")) __builtin_trap();
        return 0;
    }
    const vorlen::ContextTable& table = *load.Table;
    // Every group is found by its head, and its rows by any neighbour.
    for (std::size_t g = 0; g < table.Groups.size(); ++g) {
        const std::string& head = table.Groups[g].Members[0];
        if (table.GroupOf(head) != static_cast<int>(g)) __builtin_trap();
        for (int f = 0; f < vorlen::kContextFeatureCount; ++f)
            (void)table.Row(static_cast<int>(g), static_cast<vorlen::ContextFeature>(f),
                            bytes.substr(g % (size + 1), 3));
    }
    // The input's words and marks through the pass, the table's heads among them.
    vorlen::ContextAccents model(table, SmallEngine());
    std::string word;
    for (const char c : bytes) {
        if (c == ' ' || c == '\n' || c == '.' || c == ',') {
            if (!word.empty()) model.AddWord(word);
            word.clear();
            if (c == '.') model.AddMark(vorlen::kSentenceEdge);
            if (c == ',') model.AddMark(vorlen::kPhraseEdge);
        } else if (c != '@' && c != '_') {
            word.push_back(c);
        }
    }
    if (!word.empty()) model.AddWord(word);
    for (const vorlen::ContextGroup& group : table.Groups)
        model.AddWord(group.Members[0]);
    model.Finish();
    for (const vorlen::AccentChoice& choice : model.Choices())
        if (choice.Accented.empty()) __builtin_trap();
    return 0;
}
