#include "server/convert_api.h"

#include "server/document_text.h"
#include "server/request_error.h"

#include <array>
#include <string_view>

namespace vorlen::server {

namespace {

using nlohmann::json;

// Each option of the page, by its JSON name.
struct OptionField {
    std::string_view Name;
    bool ConversionOptions::*Member;
};

constexpr std::array<OptionField, 7> kOptionFields = {{
    {"ignoreDiacritics", &ConversionOptions::IgnoreDiacritics},
    {"keepCapitalisedWords", &ConversionOptions::KeepCapitalisedWords},
    {"barAfterChange", &ConversionOptions::BarAfterChange},
    {"similarWordsWhenNotFound", &ConversionOptions::SimilarWordsWhenNotFound},
    {"changeFoundWords", &ConversionOptions::ChangeFoundWords},
    {"classic", &ConversionOptions::Classic},
    {"contextAccents", &ConversionOptions::ContextAccents},
}};

std::string_view StatusName(WordStatus status) {
    switch (status) {
    case WordStatus::Alternatives:
        return "alternatives";
    case WordStatus::NotFound:
        return "notFound";
    default:
        // A word offered as written but marked ("casa|") counts as corrected:
        // its output differs from what was typed.
        return "corrected";
    }
}

// Turns ascending byte offsets of one text into UTF-16 offsets, counting each
// stretch once.
class Utf16Cursor {
  public:
    explicit Utf16Cursor(std::string_view text) : text_(text) {}
    std::size_t At(std::size_t byte) {
        if (byte < byte_) byte_ = units_ = 0;
        units_ += Utf16Length(text_.substr(byte_, byte - byte_));
        byte_ = byte;
        return units_;
    }

  private:
    std::string_view text_;
    std::size_t byte_ = 0;
    std::size_t units_ = 0;
};

} // namespace

ConvertRequest ParseConvertRequest(const std::string& body) {
    RequireUtf8(body);
    json parsed;
    try {
        parsed = json::parse(body);
    } catch (const json::parse_error& e) {
        // nlohmann reports ill-formed UTF-8 inside strings as a parse error too.
        throw RequestError(400, "El cuerpo no es JSON válido: " + std::string(e.what()),
                           "The body is not valid JSON: " + std::string(e.what()));
    }
    if (!parsed.is_object() || !parsed.contains("text") || !parsed["text"].is_string())
        throw RequestError(400, "Se espera un objeto JSON con el texto en «text».",
                           "Expected a JSON object with the text in \"text\".");
    ConvertRequest request;
    request.Text = parsed["text"].get<std::string>();
    if (const auto options = parsed.find("options"); options != parsed.end()) {
        if (!options->is_object())
            throw RequestError(400, "«options» debe ser un objeto.",
                               "\"options\" must be an object.");
        for (const OptionField& field : kOptionFields) {
            const auto value = options->find(field.Name);
            if (value == options->end()) continue;
            if (!value->is_boolean())
                throw RequestError(
                    400, "La opción «" + std::string(field.Name) + "» debe ser true o false.",
                    "Option \"" + std::string(field.Name) + "\" must be true or false.");
            request.Options.*field.Member = value->get<bool>();
        }
    }
    return request;
}

json ConvertResponse(const Speller& speller, const ConvertRequest& request) {
    const TextConversion conversion = speller.Convert(request.Text, request.Options);
    Utf16Cursor input(request.Text);
    Utf16Cursor output(conversion.Text);
    json words = json::array();
    for (const ConvertedWord& word : conversion.Words) {
        const std::size_t offset = input.At(word.InputOffset);
        const std::size_t outputOffset = output.At(word.OutputOffset);
        words.push_back({
            {"offset", offset},
            {"length", input.At(word.InputOffset + word.InputLength) - offset},
            {"outputOffset", outputOffset},
            {"outputLength", output.At(word.OutputOffset + word.OutputLength) - outputOffset},
            {"status", StatusName(word.Status)},
            {"candidates", word.Candidates},
            {"fromContext", word.FromContext},
        });
    }
    return {{"text", conversion.Text}, {"words", std::move(words)}};
}

} // namespace vorlen::server
