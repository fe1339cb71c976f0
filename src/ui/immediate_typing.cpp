#include "ui/immediate_typing.h"

#include "conversion/immediate_mode.h"
#include "engine/engine.h"
#include "ui/text_box.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace vorlen::ui {

ImmediateTyping::ImmediateTyping(Engine& engine, QPlainTextEdit* box)
    : QObject(box), engine_(engine), box_(box) {
    connect(box_->document(), &QTextDocument::contentsChanged, this,
            &ImmediateTyping::OnContentsChanged);
}

bool ImmediateTyping::Active() const {
    return engine_.Options.ImmediateMode;
}

void ImmediateTyping::SetActive(bool on) {
    if (!on) {
        engine_.Options.ImmediateMode = false;
        return;
    }
    editing_ = true;
    box_->clear();
    editing_ = false;
    StartImmediateMode(engine_);
    caretFromEnd_ = 0;
}

void ImmediateTyping::Type(const QString& typed) {
    for (const char32_t c : typed.toUcs4())
        TypeCharacter(QString::fromUcs4(&c, 1));
}

void ImmediateTyping::TypeCharacter(const QString& character) {
    if (!Active() || !AtTypingPosition()) {
        box_->insertPlainText(character); // an ordinary edit: OnContentsChanged follows
        return;
    }
    editing_ = true;
    std::string text = BoxText(box_).toStdString();
    int caret = box_->textCursor().position();
    if (TypeKey(engine_, character.toStdString(), text, caret)) {
        ReplaceBoxText(box_, QString::fromStdString(text));
        PlaceCaret(box_, caret);
    }
    box_->insertPlainText(character);
    caretFromEnd_ = BoxText(box_).size() - box_->textCursor().position();
    editing_ = false;
}

bool ImmediateTyping::Backspace() {
    if (!Active() || engine_.CurrentWord.empty() || !AtTypingPosition()) return false;
    const QString text = BoxText(box_);
    const qsizetype caret = box_->textCursor().position();
    qsizetype start = caret;
    while (start > 0 && IsWordLetter(text[start - 1]))
        --start;
    if (start == caret) return false;
    // Take the pending word and the copy of the separator after it away, and
    // type the word again without its last letter.
    const QString shorter = text.mid(start, caret - start - 1);
    editing_ = true;
    ReplaceBoxText(box_, text.left(start));
    PlaceCaret(box_, start);
    ForgetPendingWord();
    editing_ = false;
    Type(shorter);
    return true;
}

void ImmediateTyping::Restart(bool caretToEnd) {
    if (caretToEnd) PlaceCaret(box_, BoxText(box_).size());
    ForgetPendingWord();
}

bool ImmediateTyping::AtTypingPosition() const {
    const QTextCursor cursor = box_->textCursor();
    return caretFromEnd_ >= 0 && !cursor.hasSelection() &&
           BoxText(box_).size() - cursor.position() == caretFromEnd_;
}

void ImmediateTyping::ForgetPendingWord() {
    StartImmediateMode(engine_);
    caretFromEnd_ = 0;
    const QString text = BoxText(box_);
    if (text.isEmpty()) return;
    if (IsWordLetter(text.back())) {
        // The engine could only go on by cutting into the word at the end;
        // conversion waits until a separator is typed after it.
        caretFromEnd_ = -1;
        return;
    }
    // The separator at the end becomes the last key typed.
    const QString last = text.back().isLowSurrogate() ? text.right(2) : text.right(1);
    std::string scratch;
    int caret = 0;
    TypeKey(engine_, last.toStdString(), scratch, caret);
}

void ImmediateTyping::OnContentsChanged() {
    if (!editing_ && Active()) ForgetPendingWord();
}

} // namespace vorlen::ui
