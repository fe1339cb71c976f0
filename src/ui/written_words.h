// What the user wrote behind each marked word of the converted text, so that
// "Ignore" can give it back: `kasa` converted to `casa|caza` is ignored as
// `kasa`, which the list itself does not hold.
#pragma once

#include "conversion/text_driver.h"

#include <QList>
#include <QString>
#include <optional>
#include <string_view>
#include <vector>

class QPlainTextEdit;

namespace vorlen::ui {

struct WrittenWord {
    qsizetype start = 0;  // of the marked output form in the converted text (UTF-16)
    qsizetype length = 0; // of the output form
    QString written;      // the word as the original text has it
    bool operator==(const WrittenWord&) const = default;
};

// The output forms that carry a bar, each with the word it came from, from
// the changed words a conversion reported (UTF-8 offsets) for its input and
// output.
QList<WrittenWord> MarkedWrittenWords(std::string_view input, std::string_view output,
                                      const std::vector<WordSpan>& changed);

// Keeps each written word with the characters of its output form in the box,
// so that edits elsewhere, choices and undo carry it along. Adds nothing to
// the box's undo history.
void AttachWrittenWords(QPlainTextEdit* box, const QList<WrittenWord>& words);

// The written word attached at `position` of the box; empty when none is.
QString WrittenWordAt(const QPlainTextEdit* box, qsizetype position);

// Marks the words of the converted text (`output`, UTF-8) that took an
// accent from their neighbours: shaded as a change, each with the word as
// written attached. Adds nothing to the box's undo history.
void MarkContextRestores(QPlainTextEdit* box, std::string_view output,
                         const std::vector<ContextRestore>& restores);

// The marked restored word the position is in or touches (start, length and
// the word as written); nullopt when there is none.
std::optional<WrittenWord> ContextRestoreAt(const QPlainTextEdit* box, qsizetype position);

// Gives a restored word (as ContextRestoreAt found it) back as written,
// unmarked, in one edit that undo takes back, mark included.
void RevertContextRestore(QPlainTextEdit* box, const WrittenWord& restored);

} // namespace vorlen::ui
