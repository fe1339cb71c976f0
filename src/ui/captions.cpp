#include "ui/captions.h"

namespace vorlen::ui {

const std::array<Caption, 15> kCaptions = {{
    {"Frame1", "Opciones de conversión:", "Conversion options:"},
    {"Check1", "No importan acentos, tildes, y cremas.", "Ignore diacritics (accent marks, etc.)."},
    {"Check2", "English captions. Capciones en inglés.", "Capciones en inglés. English captions."},
    {"Check3", "No cambie una palabra con mayúscula salvo al principio de la frase.",
     "Don't change capitalized words except at the start of the sentence."},
    {"Check4", "Ponga barra | tras palabra cambiada si la lista es de una palabra.",
     "Put a bar | after a changed word if the list has only one word."},
    {"Check5", "Si no se encuentra, cambie una palabra a una lista de palabra parecidas.",
     "If not found, change it to a list of similar words."},
    {"Check6", "Modo inmediato", "Immediate mode"},
    {"Option2", "Cambie una palabra a una lista de palabras parecidas, p. ej.: ves|vez.",
     "Change a word to a list of similar words, e.g. ves|vez."},
    {"Option1", "No cambie una palabra si una forma se encontró en el vocabulario.",
     "Don't change words found in vocabulary or by changing inflection."},
    {"Label1", "Texto original:", "Original text:"},
    {"Label2", "Texto convertido:", "Converted text:"},
    {"Command1", "Convertir", "Convert"},
    {"Command2", "Borrar", "Clear"},
    {"Command3", "Buscar próxima barra |", "Find next bar |"},
    {"Command4", "Instructivo", "Instructions"},
}};

QString StartWindowTitle() {
    return QStringLiteral("Vorlenta de Deletreo / Spanish Spelling Vorlenter");
}

QString FileWindowTitle(const QString& path) {
    return path + QStringLiteral(" - Vorlen");
}

} // namespace vorlen::ui
