#include "ui/text_file.h"

#include "vocabulary/cp1252.h"

#include <QByteArray>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlen::ui {

namespace {

// Errors are reported by their system code, which QFile does not keep; read
// through the system calls so that errno is the one of the failing call. The
// file is closed on every path.
int ReadAllBytes(const QString& path, QByteArray& bytes) {
    const QByteArray name = path.toLocal8Bit();
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = 0;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            break;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<qsizetype>(n));
    }
    ::close(fd);
    return error;
}

QString Decode(const QByteArray& bytes, TextEncoding& encoding) {
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (IsValidUtf8(view)) {
        encoding = TextEncoding::Utf8;
        return QString::fromUtf8(bytes);
    }
    encoding = TextEncoding::Windows1252;
    return QString::fromStdString(Cp1252ToUtf8(view));
}

QByteArray Encode(const QString& text, const TextFormat& format) {
    const std::string utf8 = text.toStdString();
    if (format.encoding == TextEncoding::Windows1252)
        if (auto bytes = Utf8ToCp1252(utf8))
            return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QByteArray bytes(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (format.byteOrderMark) bytes.prepend("\xef\xbb\xbf");
    return bytes;
}

// QSaveFile refuses a folder or a read-only file without an error code of the
// system; ask the system first, so the report names the real cause.
int CheckWritable(const QString& path) {
    const QByteArray name = path.toLocal8Bit();
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) return 0; // a new file
    if (S_ISDIR(status.st_mode)) return EISDIR;
    return ::access(name.constData(), W_OK) == 0 ? 0 : errno;
}

int ErrorOf(const QSaveFile& file) {
    if (errno != 0) return errno;
    return file.error() == QFileDevice::NoError ? 0 : EIO;
}

} // namespace

QString LinesFromBytes(const QByteArray& bytes, TextFormat& format) {
    format = TextFormat{};
    QString text = Decode(bytes, format.encoding);
    format.byteOrderMark =
        format.encoding == TextEncoding::Utf8 && bytes.startsWith("\xef\xbb\xbf");
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k] != u'\r' && text[k] != u'\n') continue;
        format.lineEnd = text.mid(k, 2) == QStringLiteral("\r\n") ? text.mid(k, 2) : text.mid(k, 1);
        break;
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    if (!text.isEmpty() && !text.endsWith(u'\n')) text += u'\n';
    return text;
}

ReadTextResult ReadTextFile(const QString& path) {
    ReadTextResult result;
    QByteArray bytes;
    result.error = ReadAllBytes(path, bytes);
    if (result.error == 0) result.text = LinesFromBytes(bytes, result.format);
    return result;
}

int WriteTextFile(const QString& path, const QString& text, const TextFormat& format) {
    // A text that already ends with a line end gets no second one, so opening
    // and saving a file does not add an empty line to it each time.
    QString withEnds = text.endsWith(u'\n') ? text : text + u'\n';
    withEnds.replace(QChar(u'\n'), format.lineEnd);
    const QByteArray bytes = Encode(withEnds, format);

    if (const int error = CheckWritable(path); error != 0) return error;
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return ErrorOf(file);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = ErrorOf(file);
        file.cancelWriting();
        return error;
    }
    errno = 0;
    if (!file.commit()) return ErrorOf(file);
    return 0;
}

} // namespace vorlen::ui
