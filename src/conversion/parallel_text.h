// Converting a long text on several cores, with exactly the result of
// ConvertText. A sentence end ('.', '?' or '!') sets the capitals rule back to
// where it stands at the start of a text, and a word's result depends only on
// the word, the options and the vocabulary (conversion/word_memo.h); so the
// text is cut right after sentence ends into pieces of about equal size, each
// piece is converted from the start by an engine of its own that shares the
// vocabulary, and the outputs are joined in order.
#pragma once

#include "conversion/text_driver.h"
#include "engine/engine.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace vorlen {

// Below this many bytes a text is converted on one core.
inline constexpr std::size_t kParallelTextBytes = 1 << 16;

// Where the text is cut for `pieces` pieces: byte offsets, each right after a
// sentence end that a blank follows, ascending, at most pieces - 1 of them.
std::vector<std::size_t> SentenceCuts(std::string_view input, unsigned pieces);

// ConvertText with engine.Options on up to `threads` threads. `engine` itself
// is only read; the per-word state of the pieces stays in their engines.
ConversionResult ConvertTextInParallel(const Engine& engine, std::string_view input,
                                       unsigned threads);

} // namespace vorlen
