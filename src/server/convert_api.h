// POST /api/convert, what the web page calls: a text and the window's options
// in, the converted text and every changed or marked word out, with its span
// in the input and in the output (UTF-16 units, as JavaScript indexes strings).
//
//   {"text": "aber si yano", "options": {"classic": false, ...}}
//   -> {"text": "haber si yano|llano",
//       "words": [{"offset": 0, "length": 4, "outputOffset": 0, "outputLength": 5,
//                  "status": "corrected", "candidates": ["haber"], "fromContext": false},
//                 ...]}
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vorlen/speller.h>

namespace vorlen::server {

// The options of a request body; throws RequestError for a body that is not a
// JSON object with a string "text", or an option that is not true or false.
struct ConvertRequest {
    std::string Text;
    ConversionOptions Options;
};
ConvertRequest ParseConvertRequest(const std::string& body);

nlohmann::json ConvertResponse(const Speller& speller, const ConvertRequest& request);

} // namespace vorlen::server
