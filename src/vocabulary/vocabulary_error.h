// Loading problems are typed (vorlen/error.h, the library's one exception);
// one function turns them into the message a person reads.
#pragma once

#include <string>
#include <vorlen/error.h>

namespace vorlen {

using VocabularyErrorCode = ErrorCode;
using VocabularyError = Error;

// The message for a person, UTF-8, naming the file and what is wrong.
std::string DescribeVocabularyError(const VocabularyError& error, bool english);

} // namespace vorlen
