#include "conversion/parallel_text.h"

#include "conversion/utf8_text.h"

#include <algorithm>
#include <thread>

namespace vorlen {

std::vector<std::size_t> SentenceCuts(std::string_view input, unsigned pieces) {
    std::vector<std::size_t> cuts;
    std::size_t from = 0;
    for (unsigned k = 1; k < pieces; ++k) {
        // ASCII bytes are never part of a longer UTF-8 sequence, not even of
        // a malformed one, so a cut after one falls between two characters.
        // The sentence end must be followed by a blank: a full stop inside a
        // web address or a path (www.ejemplo.com) does not end the token.
        std::size_t end = std::max(from, input.size() / pieces * k);
        while ((end = input.find_first_of(".?!", end)) != std::string_view::npos &&
               end + 1 < input.size() && input.find_first_of(" \t\r\n", end + 1) != end + 1)
            ++end;
        if (end == std::string_view::npos) break;
        from = end + 1;
        if (from < input.size()) cuts.push_back(from);
    }
    return cuts;
}

ConversionResult ConvertTextInParallel(const Engine& engine, std::string_view input,
                                       unsigned threads) {
    std::vector<std::size_t> bounds = {0};
    if (threads > 1 && input.size() >= kParallelTextBytes)
        for (const std::size_t cut : SentenceCuts(input, threads))
            bounds.push_back(cut);
    bounds.push_back(input.size());

    const std::size_t pieces = bounds.size() - 1;
    std::vector<ConversionResult> outputs(pieces);
    const auto convertPiece = [&](std::size_t k) {
        Engine own;
        own.Vocabulary = engine.Vocabulary;
        own.Paths = engine.Paths;
        own.Options = engine.Options;
        own.Context = engine.Context;
        own.IgnoreDiacritics = engine.IgnoreDiacritics;
        own.LetterSet = engine.LetterSet;
        outputs[k] = ConvertText(own, input.substr(bounds[k], bounds[k + 1] - bounds[k]));
    };
    std::vector<std::thread> workers;
    for (std::size_t k = 1; k < pieces; ++k)
        workers.emplace_back(convertPiece, k);
    convertPiece(0);
    for (auto& worker : workers)
        worker.join();

    ConversionResult result;
    for (std::size_t k = 0; k < pieces; ++k) {
        for (ContextRestore& restore : outputs[k].ContextRestores) {
            restore.InputOffset += bounds[k];
            restore.OutputOffset += result.Text.size();
            result.ContextRestores.push_back(std::move(restore));
        }
        result.Text += outputs[k].Text;
    }
    result.AnnounceEnd = CountCharacters(input) > kAnnouncedLength;
    return result;
}

} // namespace vorlen
