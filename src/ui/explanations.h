// The short note that helps to choose between alternatives (`ves`: de «ver»;
// `vez`: tiempo, ocasión), shown beside each alternative in the menu over a
// marked word, as its tooltip and in the status bar. Every place the window
// shows a note asks here.
#pragma once

#include <QString>

namespace vorlen {
struct Engine;
}

namespace vorlen::ui {

// The note for one alternative, in the language of the captions; empty when
// there is nothing to say about the word.
QString ExplainAlternative(const Engine& engine, const QString& word, bool english);

// An entry of the menu over a marked word: the word, then its note if any.
QString AlternativeEntry(const QString& word, const QString& note);

} // namespace vorlen::ui
