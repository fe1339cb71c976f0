// Converting while typing, and settling an alternative with a click.
//
// Units: texts are UTF-8 (QString::toStdString / QString::fromStdString), and
// every caret position is counted in UTF-16 code units, exactly as Qt counts
// (QTextCursor::position, QString indices): the window passes and applies
// positions without converting them. All the letters of a word are single
// UTF-16 units, so only characters outside the Basic Multilingual Plane (emoji)
// count as two.
#pragma once

#include "engine/engine.h"

#include <string>

namespace vorlen {

// Turns immediate mode on (its box ticked): sets Options.ImmediateMode and
// forgets any pending word and the last key. The window empties the input box.
void StartImmediateMode(Engine& engine);

// Called for every character typed into the input box, before the box inserts
// it at its caret (the key is never cancelled). `typed` is that one character
// (UTF-8); `text` is the box's whole text (UTF-8). Does nothing unless
// Options.ImmediateMode is 1. When a word has just ended (a non-letter typed
// after letters), the word as typed is replaced by its converted form.
//
// The box keeps a copy of the last non-letter after the caret while a word is
// being typed; it is cut off again when the word is replaced, so the text
// always ends in the character that ended the last word.
//
// Returns true when it rewrote `text`; `caret` (UTF-16 units) then receives the
// position where the box must put its caret before inserting the typed key.
// A non-letter typed with no word pending converts nothing.
bool TypeKey(Engine& engine, const std::string& typed, std::string& text, int& caret);

// A click in the output box with the caret at `caret` (UTF-16 units before the
// caret, 0 = before the first character). A bar-joined list around the caret
// is replaced by the clicked word, and the bar of a not-found or changed mark
// next to a word is removed the same way. Returns true when `text` changed.
bool ChooseAlternative(std::string& text, int caret);

} // namespace vorlen
