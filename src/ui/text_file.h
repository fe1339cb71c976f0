// The user's text files: read line by line into the input box, written whole
// from the output box. A file is read as UTF-8 when its bytes are valid UTF-8,
// else as Windows-1252, and saved in the form of the last file opened (its
// encoding, line ends and byte order mark; UTF-8 with CR LF when none was
// opened), so a file opened and saved comes back with its letters as they were.
#pragma once

#include <QString>

namespace vorlen::ui {

enum class TextEncoding { Utf8, Windows1252 };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    QString lineEnd = QStringLiteral("\r\n"); // the file's first line end; CR LF when it had none
    bool byteOrderMark = false;               // UTF-8 only
};

struct ReadTextResult {
    QString text; // each line followed by "\n", the last one included
    TextFormat format;
    int error = 0; // errno; 0 on success
};

ReadTextResult ReadTextFile(const QString& path);

// The lines of `bytes` (line ends LF, CR LF or CR), decoded; each followed by
// "\n". `format` receives what the bytes were written in.
QString LinesFromBytes(const QByteArray& bytes, TextFormat& format);

// Writes `text` ("\n" line breaks), ending with one line end, in `format`,
// replacing the file only once it has been written in full. Falls back to
// UTF-8 when Windows-1252 cannot hold a character. Returns errno, 0 on success.
int WriteTextFile(const QString& path, const QString& text, const TextFormat& format);

} // namespace vorlen::ui
