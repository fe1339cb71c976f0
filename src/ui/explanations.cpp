#include "ui/explanations.h"

#include "engine/engine.h"
#include "explain/explain_word.h"
#include "vocabulary/cp1252.h"

namespace vorlen::ui {

// What the engine knows of the word (the entry it is a form of, synonyms), in
// the language of the captions.
QString ExplainAlternative(const Engine& engine, const QString& word, bool english) {
    const auto cp1252 = Utf8ToCp1252(word.toStdString());
    if (!cp1252) return {};
    Engine asked;
    asked.Vocabulary = engine.Vocabulary;
    asked.Options.EnglishMessages = english;
    return QString::fromStdString(Cp1252ToUtf8(ExplainWord(asked, *cp1252)));
}

QString AlternativeEntry(const QString& word, const QString& note) {
    if (note.isEmpty()) return word;
    return word + QStringLiteral(" — ") + note;
}

} // namespace vorlen::ui
