// The LanguageTool HTTP API, as its clients (browser add-ons, LibreOffice's
// remote grammar checker, editor plug-ins) call it: POST /v2/check with a form
// and GET /v2/languages. Vorlen answers for Spanish only; its corrections come
// back as spelling matches.
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vorlen/speller.h>

namespace vorlen::server {

// The form fields of a request (httplib::Params is this map).
using FormFields = std::multimap<std::string, std::string>;

// GET /v2/languages: the Spanish variants served.
nlohmann::json LanguagesResponse();

// POST /v2/check. Throws RequestError for a form that is missing the text or
// the language, malformed annotated text, text that is not UTF-8, or a
// language other than Spanish.
nlohmann::json CheckResponse(const Speller& speller, const FormFields& form);

// A response lists at most this many matches (and then says its results are
// incomplete), so that its size stays bounded whatever the text.
inline constexpr std::size_t kMaxMatches = 20000;

} // namespace vorlen::server
