#include "ui/text_box.h"

#include "engine/engine.h"
#include "vocabulary/cp1252.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace vorlen::ui {

QString BoxText(const QPlainTextEdit* box) {
    QString text = box->document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
    return text;
}

qsizetype ReplaceBoxText(QPlainTextEdit* box, const QString& text) {
    const QString old = BoxText(box);
    const qsizetype shorter = std::min(old.size(), text.size());
    qsizetype start = 0;
    while (start < shorter && old[start] == text[start])
        ++start;
    qsizetype end = 0; // characters kept at the end of both
    while (end < shorter - start && old[old.size() - 1 - end] == text[text.size() - 1 - end])
        ++end;
    if (start == old.size() && start == text.size()) return start;

    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(old.size() - end), QTextCursor::KeepAnchor);
    cursor.insertText(text.mid(start, text.size() - end - start));
    cursor.endEditBlock();
    return start;
}

bool IsWordLetter(QChar c) {
    static const QString letters = QString::fromStdString(Cp1252ToUtf8(kLetterSet));
    return letters.contains(c);
}

void PlaceCaret(QPlainTextEdit* box, qsizetype position) {
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(static_cast<int>(std::clamp<qsizetype>(position, 0, BoxText(box).size())));
    box->setTextCursor(cursor);
}

} // namespace vorlen::ui
