// Immediate mode in the input box: every word typed there is replaced by its
// converted form as soon as the character after it is typed.
//
// The engine keeps the word being typed and the last key, and expects the
// keys at the end of the text (while a word is pending, just before the copy
// of the last separator that it keeps at the very end). Keys typed elsewhere,
// and edits that are not keys (paste, cut, undo), are ordinary edits: the
// engine then forgets the pending word and carries on from the end of the
// text, so that no later replacement cuts into text it does not know about.
#pragma once

#include <QObject>
#include <QString>

class QPlainTextEdit;

namespace vorlen {
struct Engine;
}

namespace vorlen::ui {

class ImmediateTyping : public QObject {
    Q_OBJECT
  public:
    ImmediateTyping(Engine& engine, QPlainTextEdit* box);

    bool Active() const;
    // The immediate mode box: on empties the box and forgets the pending word; off stops.
    void SetActive(bool on);

    // Characters typed into the box (one key, or what an input method commits).
    void Type(const QString& typed);
    // Backspace at the end of the pending word takes its last letter away;
    // false when the box should handle the key as usual.
    bool Backspace();
    // The box's text was replaced from outside (Clear, Open): typing goes on at
    // its end.
    void Restart(bool caretToEnd);

  private:
    void TypeCharacter(const QString& character);
    bool AtTypingPosition() const;
    void ForgetPendingWord();
    void OnContentsChanged();

    Engine& engine_;
    QPlainTextEdit* box_;
    // Characters after the caret where the engine expects the next key: 1 while
    // a word is pending behind the copy of the last separator, else 0.
    qsizetype caretFromEnd_ = 0;
    bool editing_ = false;
};

} // namespace vorlen::ui
