// Reading and rewriting the window's plain text boxes.
#pragma once

#include <QString>

class QPlainTextEdit;

namespace vorlen::ui {

// The box's text with "\n" between lines, position for position the same as
// the box's caret positions (non-breaking spaces are kept as they are).
QString BoxText(const QPlainTextEdit* box);

// Replaces only the part of the box's text that differs from `text`, so that
// the scroll position, the undo history and the unchanged lines stay. Returns
// the position where the change begins (the length of the common start).
qsizetype ReplaceBoxText(QPlainTextEdit* box, const QString& text);

// True for the letters words are made of (the engine's letter set).
bool IsWordLetter(QChar c);

// Puts the caret at `position` with nothing selected.
void PlaceCaret(QPlainTextEdit* box, qsizetype position);

} // namespace vorlen::ui
