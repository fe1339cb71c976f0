#include "ui/captions.h"

namespace vorlen::ui {

const std::array<Caption, 15> kCaptions = {{
    {"optionsFrame", "Opciones de conversión:", "Conversion options:"},
    {"ignoreDiacriticsBox", "No importan acentos, tildes, y cremas.",
     "Ignore diacritics (accent marks, etc.)."},
    {"englishBox", "English captions. Capciones en inglés.",
     "Capciones en inglés. English captions."},
    {"capsRuleBox", "No cambie una palabra con mayúscula salvo al principio de la frase.",
     "Don't change capitalized words except at the start of the sentence."},
    {"barAfterChangeBox", "Ponga barra | tras palabra cambiada si la lista es de una palabra.",
     "Put a bar | after a changed word if the list has only one word."},
    {"similarWordsBox", "Si no se encuentra, cambie una palabra a una lista de palabra parecidas.",
     "If not found, change it to a list of similar words."},
    {"immediateModeBox", "Modo inmediato", "Immediate mode"},
    {"changeFoundWordsOption",
     "Cambie una palabra a una lista de palabras parecidas, p. ej.: ves|vez.",
     "Change a word to a list of similar words, e.g. ves|vez."},
    {"keepFoundWordsOption", "No cambie una palabra si una forma se encontró en el vocabulario.",
     "Don't change words found in vocabulary or by changing inflection."},
    {"inputLabel", "Texto original:", "Original text:"},
    {"outputLabel", "Texto convertido:", "Converted text:"},
    {"convertButton", "Convertir", "Convert"},
    {"clearButton", "Borrar", "Clear"},
    {"findNextBarButton", "Buscar próxima barra |", "Find next bar |"},
    {"instructionsButton", "Instructivo", "Instructions"},
}};

const std::array<Caption, 17> kDescriptions = {{
    {"inputBox", "El texto escrito de oído que se va a convertir.",
     "The text written by ear, to be converted."},
    {"outputBox",
     "El texto convertido. Una palabra con barras tiene alternativas: F8 lleva a la próxima, "
     "Alt+Abajo o la tecla de menú las ofrece.",
     "The converted text. A word with bars has alternatives: F8 goes to the next one, Alt+Down "
     "or the menu key offers them."},
    {"convertButton", "Convierte todo el texto original.", "Converts the whole original text."},
    {"clearButton", "Borra el texto original y el convertido.",
     "Clears the original and the converted text."},
    {"findNextBarButton", "Selecciona la próxima barra del texto convertido (F8).",
     "Selects the next bar of the converted text (F8)."},
    {"instructionsButton", "Muestra cómo se usa el programa.", "Shows how to use the program."},
    {"ignoreDiacriticsBox", "Busca las palabras sin acentos ni tildes.",
     "Looks words up without accent marks."},
    {"englishBox", "Cambia los textos de la ventana al inglés.",
     "Switches the window's texts to English."},
    {"capsRuleBox", "Deja como están los nombres con mayúscula dentro de la frase.",
     "Leaves capitalised names inside a sentence as written."},
    {"barAfterChangeBox", "Marca con una barra la palabra cambiada que tiene una sola forma.",
     "Marks a changed word that has a single spelling with a bar."},
    {"similarWordsBox", "Ofrece palabras parecidas cuando una palabra no se encuentra.",
     "Offers similar words when a word is not found."},
    {"immediateModeBox", "Convierte cada palabra al escribirla.",
     "Converts each word as it is typed."},
    {"optionsFrame", "Qué hacer con las palabras que se encuentran.",
     "What to do with words that are found."},
    {"keepFoundWordsOption", "Deja como está una palabra que se encuentra.",
     "Leaves a word that is found as it is."},
    {"changeFoundWordsOption", "Da todas las formas de cada palabra.",
     "Gives every spelling of each word."},
    {"inputLabel", "Título del texto original.", "Title of the original text."},
    {"outputLabel", "Título del texto convertido.", "Title of the converted text."},
}};

const std::array<Caption, 7> kMenuCaptions = {{
    {"viewMenu", "&Ver", "&View"},
    {"zoomInAction", "&Ampliar texto", "Zoom &in"},
    {"zoomOutAction", "&Reducir texto", "Zoom &out"},
    {"zoomResetAction", "Tamaño &normal", "&Normal size"},
    {"rulesMenu", "&Reglas", "&Rules"},
    {"classicModeAction", "Modo &clásico", "&Classic mode"},
    {"contextAccentsAction", "&Tildes por contexto", "&Accents from context"},
}};

QString IgnoreCaption(bool english) {
    return english ? QStringLiteral("Ignore") : QStringLiteral("Ignorar");
}

QString ConvertedAnnouncement(int marks, bool english) {
    if (english) {
        if (marks == 0) return QStringLiteral("Converted: no word marked.");
        if (marks == 1) return QStringLiteral("Converted: 1 word marked.");
        return QStringLiteral("Converted: %1 words marked.").arg(marks);
    }
    if (marks == 0) return QStringLiteral("Convertido: ninguna palabra marcada.");
    if (marks == 1) return QStringLiteral("Convertido: 1 palabra marcada.");
    return QStringLiteral("Convertido: %1 palabras marcadas.").arg(marks);
}

QString MarkAnnouncement(BarMark mark, const QStringList& words, bool english) {
    const QString joined = words.join(english ? QStringLiteral(" or ") : QStringLiteral(" o "));
    switch (mark) {
    case BarMark::Alternatives:
        return (english ? QStringLiteral("Alternatives: ") : QStringLiteral("Alternativas: ")) +
               joined;
    case BarMark::NotFound:
        return (english ? QStringLiteral("Not found: ") : QStringLiteral("No se encuentra: ")) +
               joined;
    case BarMark::OneCandidate:
        break;
    }
    return (english ? QStringLiteral("Changed: ") : QStringLiteral("Cambiada: ")) + joined;
}

QString AlternativeAnnouncement(const QString& entry, int index, int count, bool english) {
    return english ? QStringLiteral("%1, alternative %2 of %3").arg(entry).arg(index).arg(count)
                   : QStringLiteral("%1, alternativa %2 de %3").arg(entry).arg(index).arg(count);
}

QString StartWindowTitle() {
    return QStringLiteral("Vorlenta de Deletreo / Spanish Spelling Vorlenter");
}

QString FileWindowTitle(const QString& path) {
    return path + QStringLiteral(" - Vorlen");
}

} // namespace vorlen::ui
