#include "ui/written_words.h"

#include <QColor>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace vorlen::ui {

namespace {

// The character property that holds the written word.
constexpr int kWrittenWordProperty = QTextFormat::UserProperty + 1;
// The character property of a word whose accent came from its neighbours.
constexpr int kContextRestoreProperty = QTextFormat::UserProperty + 2;

bool IsRestoredAt(const QTextDocument* document, qsizetype position) {
    if (position < 0 || position >= document->characterCount() - 1) return false;
    QTextCursor cursor(const_cast<QTextDocument*>(document));
    cursor.setPosition(static_cast<int>(position));
    cursor.movePosition(QTextCursor::NextCharacter);
    return cursor.charFormat().boolProperty(kContextRestoreProperty);
}

QString FromUtf8(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

QList<WrittenWord> MarkedWrittenWords(std::string_view input, std::string_view output,
                                      const std::vector<WordSpan>& changed) {
    QList<WrittenWord> words;
    std::size_t bytesDone = 0; // of the output, counted so far in UTF-16 units
    qsizetype units = 0;
    for (const WordSpan& span : changed) {
        if (span.OutputOffset < bytesDone ||
            span.OutputOffset + span.OutputLength > output.size() ||
            span.InputOffset + span.InputLength > input.size())
            break;
        units += FromUtf8(output.substr(bytesDone, span.OutputOffset - bytesDone)).size();
        const QString form = FromUtf8(output.substr(span.OutputOffset, span.OutputLength));
        if (form.contains(u'|'))
            words.append(
                {units, form.size(), FromUtf8(input.substr(span.InputOffset, span.InputLength))});
        units += form.size();
        bytesDone = span.OutputOffset + span.OutputLength;
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

void MarkContextRestores(QPlainTextEdit* box, std::string_view output,
                         const std::vector<ContextRestore>& restores) {
    QTextDocument* document = box->document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    std::size_t bytesDone = 0; // of the output, counted so far in UTF-16 units
    qsizetype units = 0;
    for (const ContextRestore& restore : restores) {
        const std::size_t end = restore.OutputOffset + restore.Restored.size();
        if (restore.OutputOffset < bytesDone || end > output.size()) break;
        units += FromUtf8(output.substr(bytesDone, restore.OutputOffset - bytesDone)).size();
        const qsizetype length =
            FromUtf8(output.substr(restore.OutputOffset, restore.Restored.size())).size();
        QTextCharFormat format;
        format.setProperty(kContextRestoreProperty, true);
        format.setProperty(kWrittenWordProperty, FromUtf8(restore.Written));
        format.setBackground(QColor(0xD8, 0xF0, 0xD8)); // the green of a change made for you
        cursor.setPosition(static_cast<int>(units));
        cursor.setPosition(static_cast<int>(units + length), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
        units += length;
        bytesDone = end;
    }
    document->setUndoRedoEnabled(undo);
}

std::optional<WrittenWord> ContextRestoreAt(const QPlainTextEdit* box, qsizetype position) {
    const QTextDocument* document = box->document();
    // A click on the right half of the last letter puts the caret after it.
    if (!IsRestoredAt(document, position)) --position;
    if (!IsRestoredAt(document, position)) return std::nullopt;
    qsizetype start = position;
    while (IsRestoredAt(document, start - 1))
        --start;
    qsizetype end = position + 1;
    while (IsRestoredAt(document, end))
        ++end;
    return WrittenWord{start, end - start, WrittenWordAt(box, start)};
}

void RevertContextRestore(QPlainTextEdit* box, const WrittenWord& restored) {
    QTextCursor cursor(box->document());
    cursor.setPosition(static_cast<int>(restored.start));
    cursor.setPosition(static_cast<int>(restored.start + restored.length), QTextCursor::KeepAnchor);
    QTextCharFormat plain = cursor.charFormat();
    plain.clearProperty(kContextRestoreProperty);
    plain.clearProperty(kWrittenWordProperty);
    plain.clearBackground();
    // Text and mark change in one edit, so that undo brings both back.
    cursor.beginEditBlock();
    cursor.insertText(restored.written, plain);
    cursor.endEditBlock();
}

} // namespace vorlen::ui
