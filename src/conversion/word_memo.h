// Converting a word that was converted before, from memory. A word's result
// depends only on the word, the options and the vocabulary, so the driver
// keeps what each word left and restores it the next time the word comes up.
#pragma once

#include "engine/engine.h"

#include <cstddef>

namespace vorlen {

// Beyond this many words the memo starts afresh, so that a huge text of
// distinct "words" (a binary file) cannot grow it without bound.
inline constexpr std::size_t kWordMemoCapacity = 200'000;

// ConvertWord on engine.CurrentWord, answered from the memo when the word was
// converted before under the same options and vocabulary. Restores everything
// the output form of the word reads (WordResult, NotFoundTag, SimilarWords,
// SourceWord, the casing flags, the report word and the work word); the
// diagnostic state of the analyses (EncliticStem, FoundKey, the respelling
// table) is left as the last real conversion left it. The memo is only used
// when SimilarWords is empty on entry, as the text driver leaves it between
// words, and no candidate observer is watching the respelling.
void ConvertWordRemembered(Engine& engine);

// Empties the memo (it also empties itself when the options or the
// vocabulary change).
void ForgetConvertedWords(Engine& engine);

} // namespace vorlen
