// Keys typed into the input box (immediate mode) and clicks in the output box
// (choosing an alternative).
#include "conversion/immediate_mode.h"
#include "ui/immediate_typing.h"
#include "ui/main_window.h"
#include "ui/text_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace vorlen::ui {

namespace {

bool Printable(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (!c.isPrint() && !c.isSurrogate()) return false;
    return true;
}

} // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod))
        return Text1_KeyPress(event);
    if (watched == Text2->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Text2_Click();
    return QMainWindow::eventFilter(watched, event);
}

// True when the key has been handled here. Out of immediate mode every key
// goes to the box as usual.
bool MainWindow::Text1_KeyPress(QEvent* event) {
    if (!typing_->Active()) return false;
    if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (!input->preeditString().isEmpty() || input->replacementLength() != 0 ||
            !Printable(input->commitString()))
            return false;
        typing_->Type(input->commitString());
        return true;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const auto modifiers = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (key->key() == Qt::Key_Backspace && modifiers == Qt::NoModifier) return typing_->Backspace();
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier) {
        typing_->Type(QStringLiteral("\n"));
        return true;
    }
    if ((modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0 ||
        !Printable(key->text()))
        return false;
    typing_->Type(key->text());
    return true;
}

void MainWindow::Text2_Click() {
    QTextCursor cursor = Text2->textCursor();
    if (cursor.hasSelection()) return; // a selection made by dragging, not a click
    std::string text = BoxText(Text2).toStdString();
    if (!ChooseAlternative(text, cursor.position())) return;
    const int scrolled = Text2->verticalScrollBar()->value();
    const qsizetype start = ReplaceBoxText(Text2, QString::fromStdString(text));
    PlaceCaret(Text2, start);
    Text2->verticalScrollBar()->setValue(scrolled);
}

// Any change the user makes to the converted text, a click that settles an
// alternative included, is a change to save.
void MainWindow::Text2_Change() {
    if (!settingOutput_) convertedSaved_ = false;
}

} // namespace vorlen::ui
