// The user's text files: read line by line into the input box, written whole
// from the output box with CR LF line ends. A file is read as UTF-8 when its
// bytes are valid UTF-8, else as Windows-1252, and written back the same way,
// so a file's Spanish letters come back as they were.
#pragma once

#include <QString>

namespace vorlen::ui {

enum class TextEncoding { Utf8, Windows1252 };

struct ReadTextResult {
    QString text; // each line followed by "\n", the last one included
    TextEncoding encoding = TextEncoding::Utf8;
    int error = 0; // errno; 0 on success
};

ReadTextResult ReadTextFile(const QString& path);

// Writes `text` ("\n" line breaks) followed by one line end, every line end as
// CR LF, replacing the file only once it has been written in full. Falls back
// to UTF-8 when Windows-1252 cannot hold a character. Returns errno, 0 on success.
int WriteTextFile(const QString& path, const QString& text, TextEncoding encoding);

// The lines of `bytes` (line ends LF, CR LF or CR), decoded; each followed by "\n".
QString LinesFromBytes(const QByteArray& bytes, TextEncoding& encoding);

} // namespace vorlen::ui
