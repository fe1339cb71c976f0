#include "ui/written_words.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace vorlen::ui {

namespace {

// The character property that holds the written word.
constexpr int kWrittenWordProperty = QTextFormat::UserProperty + 1;

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

} // namespace vorlen::ui
