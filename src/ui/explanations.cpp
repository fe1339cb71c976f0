#include "ui/explanations.h"

#include "engine/engine.h"

namespace vorlen::ui {

QString ExplainAlternative(const Engine& engine, const QString& word, bool english) {
    // The engine does not describe its words yet: nothing to add.
    (void)engine;
    (void)word;
    (void)english;
    return {};
}

QString AlternativeEntry(const QString& word, const QString& note) {
    if (note.isEmpty()) return word;
    return word + QStringLiteral(" — ") + note;
}

} // namespace vorlen::ui
