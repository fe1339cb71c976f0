// What the user wrote behind each marked word of the converted text, so that
// "Ignore" can give it back: `kasa` converted to `casa|caza` is ignored as
// `kasa`, which the list itself does not hold.
//
// The conversion copies everything between words unchanged and writes each
// word as its output form, letters and bars only. Walking the original and
// the converted text together therefore pairs every word with its output. A
// bar written in the original right after a word would make the end of that
// word's output ambiguous; the pairing stops there (and at any other
// mismatch), leaving the rest unpaired.
#pragma once

#include <QList>
#include <QString>

class QPlainTextEdit;

namespace vorlen::ui {

struct WrittenWord {
    qsizetype start = 0;  // of the marked output form in the converted text
    qsizetype length = 0; // of the output form
    QString written;      // the word as the original text has it
    bool operator==(const WrittenWord&) const = default;
};

// The output forms that carry a bar, each with the word it came from.
QList<WrittenWord> PairMarkedWords(const QString& original, const QString& converted);

// Keeps each written word with the characters of its output form in the box,
// so that edits elsewhere, choices and undo carry it along. Adds nothing to
// the box's undo history.
void AttachWrittenWords(QPlainTextEdit* box, const QList<WrittenWord>& words);

// The written word attached at `position` of the box; empty when none is.
QString WrittenWordAt(const QPlainTextEdit* box, qsizetype position);

} // namespace vorlen::ui
