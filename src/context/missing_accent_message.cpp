#include "context/missing_accent_message.h"

#include "vocabulary/cp1252.h"

namespace vorlen {

namespace {

using namespace vorlen::literals;

struct WordRole {
    std::string_view Word; // Windows-1252, lower case
    std::string_view Role; // UTF-8
};

// Words whose accent tells them from an unstressed twin of another class.
constexpr WordRole kDiacriticAccents[] = {
    {"él"_w, "pronombre"},
    {"tú"_w, "pronombre"},
    {"mí"_w, "pronombre"},
    {"sí"_w, "adverbio o pronombre"},
    {"más"_w, "adverbio"},
    {"aún"_w, "adverbio"},
    {"sé"_w, "verbo"},
    {"dé"_w, "verbo"},
    {"té"_w, "nombre"},
    {"qué"_w, "interrogativo o exclamativo"},
    {"quién"_w, "interrogativo o exclamativo"},
    {"quiénes"_w, "interrogativo o exclamativo"},
    {"cuál"_w, "interrogativo o exclamativo"},
    {"cuáles"_w, "interrogativo o exclamativo"},
    {"cómo"_w, "interrogativo o exclamativo"},
    {"dónde"_w, "interrogativo o exclamativo"},
    {"adónde"_w, "interrogativo o exclamativo"},
    {"cuándo"_w, "interrogativo o exclamativo"},
    {"cuánto"_w, "interrogativo o exclamativo"},
    {"cuánta"_w, "interrogativo o exclamativo"},
    {"cuántos"_w, "interrogativo o exclamativo"},
    {"cuántas"_w, "interrogativo o exclamativo"},
};

// Verb endings stressed on a written last vowel: the preterite (habló,
// hablé, comí), the future (hablará, hablarás, hablarán) and the forms of
// estar (está, estás, están, esté).
bool IsStressedVerbEnding(std::string_view word) {
    if (word.starts_with("est"_w) && word.size() <= 6) return true;
    for (const std::string_view ending : {"rá"_w, "rás"_w, "rán"_w, "ré"_w, "ó"_w, "é"_w})
        if (word.size() >= ending.size() + 2 && word.ends_with(ending)) return true;
    return false;
}

std::string_view RoleOf(std::string_view word) {
    for (const WordRole& entry : kDiacriticAccents)
        if (entry.Word == word) return entry.Role;
    if (IsStressedVerbEnding(word)) return "verbo";
    return {};
}

} // namespace

std::string MissingAccentMessage(std::string_view accented) {
    std::string message = "Probablemente falta la tilde: «" + std::string(accented) + "»";
    const auto word = Utf8ToCp1252(accented);
    const std::string_view role = word ? RoleOf(ToLower(*word)) : std::string_view();
    if (!role.empty()) message += " (" + std::string(role) + ")";
    return message;
}

} // namespace vorlen
