// Keys typed into the input box (immediate mode); clicks, the menu over a
// marked word and its notes in the output box; files dropped on the window.
#include "conversion/immediate_mode.h"
#include "ui/bar_marks.h"
#include "ui/captions.h"
#include "ui/explanations.h"
#include "ui/immediate_typing.h"
#include "ui/main_window.h"
#include "ui/text_box.h"
#include "ui/written_words.h"

#include <QAccessible>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolTip>
#include <QUrl>
#include <memory>

namespace vorlen::ui {

namespace {

bool Printable(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (!c.isPrint() && !c.isSurrogate()) return false;
    return true;
}

// The one local file a drag carries, if it carries exactly one.
QString DraggedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    return urls.front().toLocalFile();
}

} // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == inputBox && (type == QEvent::KeyPress || type == QEvent::InputMethod))
        return handleInputKey(event);
    if (watched == outputBox && type == QEvent::KeyPress) return handleOutputKey(event);
    if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
        (watched == inputBox->viewport() || watched == outputBox->viewport())) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (DraggedFile(drop->mimeData()).isEmpty()) return false; // text is dropped in
        if (type == QEvent::Drop)
            dropEvent(drop);
        else if (!converting_)
            drop->acceptProposedAction();
        return true;
    }
    if (watched == outputBox->viewport()) {
        if (type == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            chooseAlternativeAtCaret();
        if (type == QEvent::ContextMenu) {
            auto* menu = static_cast<QContextMenuEvent*>(event);
            openAlternativesMenu(menu->pos(), menu->reason() != QContextMenuEvent::Mouse);
            return true;
        }
        if (type == QEvent::ToolTip) return showNoteTip(event);
    }
    return QMainWindow::eventFilter(watched, event);
}

// True when the key has been handled here. Out of immediate mode every key
// goes to the box as usual.
bool MainWindow::handleInputKey(QEvent* event) {
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

// Alt+Down or the menu key open the menu over the marked word at the caret.
bool MainWindow::handleOutputKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool altDown = key->key() == Qt::Key_Down && modifiers == Qt::AltModifier;
    const bool menuKey = key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier;
    if (!altDown && !menuKey) return false;
    openAlternativesMenu(outputBox->cursorRect().bottomLeft(), true);
    return true;
}

void MainWindow::chooseAlternativeAtCaret() {
    const QTextCursor cursor = outputBox->textCursor();
    if (cursor.hasSelection()) return; // a selection made by dragging, not a click
    std::string text = BoxText(outputBox).toStdString();
    if (ChooseAlternative(text, cursor.position())) {
        settleText(QString::fromStdString(text));
        return;
    }
    // A word that took its accent from its neighbours goes back to what was
    // written, as one edit that Ctrl+Z undoes.
    if (const auto restored = ContextRestoreAt(outputBox, cursor.position())) {
        RevertContextRestore(outputBox, *restored);
        PlaceCaret(outputBox, restored->start);
    }
}

// The menu over a marked word: its alternatives (each with its note), then
// "Ignore", then the box's usual edit entries. Choosing an alternative does
// what a click on it does. Elsewhere only the edit entries are offered.
void MainWindow::openAlternativesMenu(const QPoint& viewportPosition, bool fromKeyboard) {
    const qsizetype caret = fromKeyboard
                                ? outputBox->textCursor().position()
                                : outputBox->cursorForPosition(viewportPosition).position();
    const std::optional<MarkAtCaret> mark = FindMarkAt(BoxText(outputBox), caret);
    std::unique_ptr<QMenu> menu(outputBox->createStandardContextMenu());
    menu->setObjectName(QStringLiteral("alternativesMenu"));
    if (mark && !converting_) {
        // Connected rather than read from exec(), so that an entry triggered
        // another way (a screen reader's press) chooses as well.
        QAction* first = menu->actions().value(0);
        QList<QAction*> choices;
        if (mark->run.mark != BarMark::NotFound) {
            for (const MarkedWord& word : mark->words) {
                auto* choice = new QAction(
                    AlternativeEntry(word.text, ExplainAlternative(*engine_, word.text, english())),
                    menu.get());
                choice->setObjectName(QStringLiteral("alternative%1").arg(choices.size() + 1));
                // As a click on the word's first letter.
                connect(choice, &QAction::triggered, this, [this, caret = word.start + 1] {
                    std::string text = BoxText(outputBox).toStdString();
                    if (ChooseAlternative(text, static_cast<int>(caret)))
                        settleText(QString::fromStdString(text));
                });
                menu->insertAction(first, choice);
                choices.append(choice);
            }
        }
        auto* ignore = new QAction(IgnoreCaption(english()), menu.get());
        ignore->setObjectName(QStringLiteral("ignoreAction"));
        connect(ignore, &QAction::triggered, this, [this, found = *mark] { ignoreMark(found); });
        menu->insertAction(first, ignore);
        menu->insertSeparator(first);
        connect(menu.get(), &QMenu::hovered, this, [this, choices](QAction* action) {
            const auto index = choices.indexOf(action);
            if (index >= 0)
                announce(AlternativeAnnouncement(action->text(), static_cast<int>(index + 1),
                                                 static_cast<int>(choices.size()), english()));
        });
        if (fromKeyboard) menu->setActiveAction(choices.isEmpty() ? ignore : choices.front());
    }
    menu->exec(outputBox->viewport()->mapToGlobal(viewportPosition));
}

// "Ignore": the bars go and the word stays as the user wrote it; a list that
// did not come from a conversion keeps its first word.
void MainWindow::ignoreMark(const MarkAtCaret& mark) {
    QString written = WrittenWordAt(outputBox, mark.run.start);
    if (written.isEmpty() && !mark.words.isEmpty()) written = mark.words.front().text;
    const QString text = BoxText(outputBox);
    settleText(text.left(mark.run.start) + written + text.mid(mark.run.start + mark.run.length));
}

// The output box takes `text` as one undoable edit, its view and the rest of
// its text untouched; the caret goes where the change begins. Find next bar
// goes on from there, so a shorter text does not make it skip the next mark.
void MainWindow::settleText(const QString& text) {
    const int scrolled = outputBox->verticalScrollBar()->value();
    const qsizetype start = ReplaceBoxText(outputBox, text);
    PlaceCaret(outputBox, start);
    outputBox->verticalScrollBar()->setValue(scrolled);
    barSearch_.position = std::min(barSearch_.position, start + 1);
}

// Any change the user makes to the converted text, a choice included, is a
// change to save.
void MainWindow::noteOutputEdited() {
    if (!settingOutput_) convertedSaved_ = false;
}

// The word of a marked run at `caret` with its note; empty when the caret is
// on no such word or the word has no note.
QString MainWindow::noteAt(qsizetype caret) const {
    // Marks never span lines: only the caret's line is read.
    const QTextBlock line = outputBox->document()->findBlock(static_cast<int>(caret));
    if (!line.isValid()) return {};
    const auto mark = FindMarkAt(line.text(), caret - line.position());
    if (!mark || mark->current < 0) return {};
    const QString& word = mark->words[mark->current].text;
    const QString note = ExplainAlternative(*engine_, word, english());
    return note.isEmpty() ? QString() : AlternativeEntry(word, note);
}

// The note of the alternative under the caret, in the status bar.
void MainWindow::showNoteAtCaret() {
    if (converting_ || settingOutput_) return;
    const QString note = noteAt(outputBox->textCursor().position());
    if (note.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(note);
}

// The note of the alternative under the mouse pointer, as its tooltip.
bool MainWindow::showNoteTip(QEvent* event) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString note = noteAt(outputBox->cursorForPosition(help->pos()).position());
    if (note.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), note, outputBox->viewport());
    return true;
}

// Shown in the status bar and sent to screen readers as a change of the
// status line's name.
void MainWindow::announce(const QString& text) {
    announcement_->setText(text);
    announcement_->setAccessibleName(text);
    QAccessibleEvent changed(announcement_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    Q_EMIT announced(text);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!converting_ && !DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

// A file dropped on the window opens as Archivo > Abrir would open it.
void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DraggedFile(event->mimeData());
    if (converting_ || path.isEmpty()) return;
    event->acceptProposedAction();
    openPath(path);
}

} // namespace vorlen::ui
