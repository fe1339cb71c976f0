#include "server/languagetool_api.h"

#include "server/document_text.h"
#include "server/request_error.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>

namespace vorlen::server {

namespace {

using nlohmann::json;

struct LanguageVariant {
    std::string_view Name;
    std::string_view Code;
    std::string_view LongCode;
};

// LibreOffice asks for "es-ES" exactly; the add-ons send "es" or "auto" and
// the reader's own variant.
constexpr std::array<LanguageVariant, 12> kSpanishVariants = {{
    {"Spanish", "es", "es"},
    {"Spanish (Spain)", "es", "es-ES"},
    {"Spanish (Mexico)", "es", "es-MX"},
    {"Spanish (Argentina)", "es", "es-AR"},
    {"Spanish (Colombia)", "es", "es-CO"},
    {"Spanish (Chile)", "es", "es-CL"},
    {"Spanish (Peru)", "es", "es-PE"},
    {"Spanish (Venezuela)", "es", "es-VE"},
    {"Spanish (United States)", "es", "es-US"},
    {"Spanish (Latin America)", "es", "es-419"},
    {"Spanish (Cuba)", "es", "es-CU"},
    {"Spanish (Uruguay)", "es", "es-UY"},
}};

bool SameCode(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The variant a `language` field names; "auto" is Spanish, the only language
// served. Underscores (es_ES) are taken for hyphens.
const LanguageVariant* FindLanguage(std::string code) {
    std::replace(code.begin(), code.end(), '_', '-');
    if (SameCode(code, "auto")) return &kSpanishVariants[0];
    for (const LanguageVariant& variant : kSpanishVariants)
        if (SameCode(code, variant.LongCode)) return &variant;
    return nullptr;
}

json LanguageJson(const LanguageVariant& variant) {
    return {{"name", variant.Name}, {"code", variant.Code}, {"longCode", variant.LongCode}};
}

const std::string* Field(const FormFields& form, const std::string& name) {
    const auto it = form.find(name);
    return it == form.end() ? nullptr : &it->second;
}

// The annotated text of the `data` field:
// {"annotation": [{"text": "Hola "}, {"markup": "<b>", "interpretAs": ""}, ...]}
DocumentText ParseAnnotatedText(const std::string& data) {
    const auto bad = [](const std::string& spanish, const std::string& english) {
        return RequestError(400, "El campo data no es texto anotado válido: " + spanish,
                            "The data field is not valid annotated text: " + english);
    };
    RequireUtf8(data);
    json parsed;
    try {
        parsed = json::parse(data);
    } catch (const json::parse_error& e) {
        throw bad("JSON mal formado.", std::string("malformed JSON (") + e.what() + ").");
    }
    if (!parsed.is_object() || !parsed.contains("annotation") || !parsed["annotation"].is_array())
        throw bad("falta la lista «annotation».", "no \"annotation\" list.");
    DocumentText document;
    for (const json& part : parsed["annotation"]) {
        if (!part.is_object()) throw bad("una parte no es un objeto.", "a part is not an object.");
        const auto text = part.find("text");
        const auto markup = part.find("markup");
        const auto interpretAs = part.find("interpretAs");
        if (text != part.end() && text->is_string() && markup == part.end()) {
            document.AddText(text->get_ref<const std::string&>());
        } else if (markup != part.end() && markup->is_string() && text == part.end()) {
            if (interpretAs != part.end() && !interpretAs->is_string())
                throw bad("«interpretAs» no es una cadena.", "\"interpretAs\" is not a string.");
            document.AddMarkup(markup->get_ref<const std::string&>(),
                               interpretAs == part.end()
                                   ? std::string_view()
                                   : interpretAs->get_ref<const std::string&>());
        } else {
            throw bad("cada parte lleva «text» o «markup».",
                      "each part has either \"text\" or \"markup\".");
        }
    }
    return document;
}

// One kind of match, each with its own rule so that a client can turn it off.
struct MatchRule {
    std::string_view Id;
    std::string_view Description;
    std::string_view ShortMessage;
};

constexpr MatchRule kCorrectedRule = {"VORLEN_SOUND_SPELLING", "Ortografía por el sonido",
                                      "Ortografía"};
constexpr MatchRule kAlternativesRule = {"VORLEN_SOUND_ALTERNATIVES", "Palabras que suenan igual",
                                         "Según el sentido"};
constexpr MatchRule kNotFoundRule = {"VORLEN_NOT_FOUND", "Palabra que nada explica",
                                     "Palabra desconocida"};
constexpr MatchRule kContextAccentRule = {"VORLEN_CONTEXT_ACCENT",
                                          "Tildes según las palabras vecinas", "Tilde"};

const MatchRule& RuleFor(const ConvertedWord& word) {
    if (word.FromContext) return kContextAccentRule;
    switch (word.Status) {
    case WordStatus::Alternatives:
        return kAlternativesRule;
    case WordStatus::NotFound:
        return kNotFoundRule;
    default:
        return kCorrectedRule;
    }
}

std::string Quoted(std::string_view word) {
    return "«" + std::string(word) + "»";
}

// "«a»", "«a» o «b»", "«a», «b» o «c»".
std::string QuotedList(const std::vector<std::string>& words) {
    std::string list;
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (k > 0) list += k + 1 == words.size() ? " o " : ", ";
        list += Quoted(words[k]);
    }
    return list;
}

std::string MessageFor(const ConvertedWord& word, std::string_view written) {
    if (word.FromContext)
        return "Probablemente falta la tilde: " + QuotedList(word.Candidates) + ".";
    switch (word.Status) {
    case WordStatus::Alternatives:
        return "Suena como " + QuotedList(word.Candidates) + ": elija según el sentido.";
    case WordStatus::NotFound:
        return "Ninguna palabra del vocabulario se escribe ni suena como " + Quoted(written) + ".";
    default:
        return "Por el sonido, se escribe " + QuotedList(word.Candidates) + ".";
    }
}

std::set<std::string, std::less<>> DisabledRules(const FormFields& form) {
    std::set<std::string, std::less<>> rules;
    if (const std::string* list = Field(form, "disabledRules")) {
        std::size_t start = 0;
        while (start <= list->size()) {
            std::size_t comma = list->find(',', start);
            if (comma == std::string::npos) comma = list->size();
            if (comma > start) rules.insert(list->substr(start, comma - start));
            start = comma + 1;
        }
    }
    return rules;
}

} // namespace

json LanguagesResponse() {
    json list = json::array();
    for (const LanguageVariant& variant : kSpanishVariants)
        list.push_back(LanguageJson(variant));
    return list;
}

json CheckResponse(const Speller& speller, const FormFields& form) {
    const std::string* text = Field(form, "text");
    const std::string* data = Field(form, "data");
    const std::string* language = Field(form, "language");
    if (text == nullptr && data == nullptr)
        throw RequestError(400, "Falta el campo text (o data) con el texto que revisar.",
                           "Missing the text (or data) field with the text to check.");
    if (language == nullptr)
        throw RequestError(400, "Falta el campo language (es, es-ES, ... o auto).",
                           "Missing the language field (es, es-ES, ... or auto).");
    const LanguageVariant* variant = FindLanguage(*language);
    if (variant == nullptr)
        throw RequestError(400,
                           "Vorlen solo revisa español: el idioma «" + *language +
                               "» no está disponible (use es, es-ES, ... o auto).",
                           "Vorlen checks Spanish only: language '" + *language +
                               "' is not supported (use es, es-ES, ... or auto).");
    if (text != nullptr) RequireUtf8(*text);
    const DocumentText document =
        text != nullptr ? DocumentText::Plain(*text) : ParseAnnotatedText(*data);
    const std::string& checked = document.Checked();

    const TextConversion conversion = speller.Convert(checked);
    const auto disabled = DisabledRules(form);
    json matches = json::array();
    bool incomplete = false;
    for (const ConvertedWord& word : conversion.Words) {
        // A word shown with a bar but offered as written ("casa|") has nothing to correct.
        if (word.Status == WordStatus::Found) continue;
        const MatchRule& rule = RuleFor(word);
        if (disabled.contains(rule.Id)) continue;
        if (matches.size() == kMaxMatches) {
            incomplete = true;
            break;
        }
        const std::string_view written =
            std::string_view(checked).substr(word.InputOffset, word.InputLength);
        json replacements = json::array();
        for (const std::string& candidate : word.Candidates)
            if (candidate != written) replacements.push_back({{"value", candidate}});
        const std::size_t offset = document.DocumentOffset(word.InputOffset);
        const std::size_t end = document.DocumentOffset(word.InputOffset + word.InputLength, true);
        const MatchSurroundings around =
            SurroundingsOf(checked, word.InputOffset, word.InputLength);
        matches.push_back({
            {"message", MessageFor(word, written)},
            {"shortMessage", rule.ShortMessage},
            {"replacements", std::move(replacements)},
            {"offset", offset},
            {"length", end - offset},
            {"context",
             {{"text", around.Context},
              {"offset", around.ContextOffset},
              {"length", Utf16Length(written)}}},
            {"sentence", around.Sentence},
            {"type", {{"typeName", "UnknownWord"}}},
            {"rule",
             {{"id", rule.Id},
              {"description", rule.Description},
              {"issueType", "misspelling"},
              {"category", {{"id", "TYPOS"}, {"name", "Ortografía"}}}}},
            {"ignoreForIncompleteSentence", false},
            {"contextForSureMatch", 0},
        });
    }
    json languageJson = {{"name", variant->Name}, {"code", variant->LongCode}};
    languageJson["detectedLanguage"] = languageJson;
    languageJson["detectedLanguage"]["confidence"] = 1.0;
    return {
        {"software",
         {{"name", "Vorlen"},
          {"version", Speller::Version()},
          {"buildDate", ""},
          {"apiVersion", 1},
          {"premium", false},
          {"status", ""}}},
        {"warnings", {{"incompleteResults", incomplete}}},
        {"language", std::move(languageJson)},
        {"matches", std::move(matches)},
    };
}

} // namespace vorlen::server
