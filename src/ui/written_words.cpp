#include "ui/written_words.h"

#include "ui/text_box.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace vorlen::ui {

namespace {

// The character property that holds the written word.
constexpr int kWrittenWordProperty = QTextFormat::UserProperty + 1;

bool InOutputForm(QChar c) {
    return c == u'|' || IsWordLetter(c);
}

} // namespace

QList<WrittenWord> PairMarkedWords(const QString& original, const QString& converted) {
    QList<WrittenWord> words;
    qsizetype in = 0, out = 0;
    while (in < original.size() && out < converted.size()) {
        if (!IsWordLetter(original[in])) {
            if (original[in] != converted[out]) break;
            ++in;
            ++out;
            continue;
        }
        qsizetype wordEnd = in;
        while (wordEnd < original.size() && IsWordLetter(original[wordEnd]))
            ++wordEnd;
        if (wordEnd < original.size() && original[wordEnd] == u'|') break;
        qsizetype formEnd = out;
        bool marked = false;
        while (formEnd < converted.size() && InOutputForm(converted[formEnd])) {
            marked = marked || converted[formEnd] == u'|';
            ++formEnd;
        }
        if (formEnd == out) break;
        if (marked) words.append({out, formEnd - out, original.mid(in, wordEnd - in)});
        in = wordEnd;
        out = formEnd;
    }
    return words;
}

void AttachWrittenWords(QPlainTextEdit* box, const QList<WrittenWord>& words) {
    QTextDocument* document = box->document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    for (const WrittenWord& word : words) {
        QTextCharFormat format;
        format.setProperty(kWrittenWordProperty, word.written);
        cursor.setPosition(static_cast<int>(word.start));
        cursor.setPosition(static_cast<int>(word.start + word.length), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    document->setUndoRedoEnabled(undo);
}

QString WrittenWordAt(const QPlainTextEdit* box, qsizetype position) {
    QTextCursor cursor(box->document());
    cursor.setPosition(static_cast<int>(position));
    // The format of the character after the position.
    if (!cursor.movePosition(QTextCursor::NextCharacter)) return {};
    return cursor.charFormat().property(kWrittenWordProperty).toString();
}

} // namespace vorlen::ui
