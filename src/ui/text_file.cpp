#include "ui/text_file.h"

#include "vocabulary/cp1252.h"

#include <QByteArray>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace vorlen::ui {

namespace {

// Errors are reported by their system code, which QFile does not keep; read
// through the system calls so that errno is the one of the failing call.
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

QByteArray Encode(const QString& text, TextEncoding encoding) {
    const std::string utf8 = text.toStdString();
    if (encoding == TextEncoding::Windows1252)
        if (auto bytes = Utf8ToCp1252(utf8))
            return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
    return QByteArray(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

int ErrorOf(const QSaveFile& file) {
    if (errno != 0) return errno;
    return file.error() == QFileDevice::NoError ? 0 : EIO;
}

} // namespace

QString LinesFromBytes(const QByteArray& bytes, TextEncoding& encoding) {
    QString text = Decode(bytes, encoding);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    if (!text.isEmpty() && !text.endsWith(u'\n')) text += u'\n';
    return text;
}

ReadTextResult ReadTextFile(const QString& path) {
    ReadTextResult result;
    QByteArray bytes;
    result.error = ReadAllBytes(path, bytes);
    if (result.error == 0) result.text = LinesFromBytes(bytes, result.encoding);
    return result;
}

int WriteTextFile(const QString& path, const QString& text, TextEncoding encoding) {
    QString withEnds = text + u'\n';
    withEnds.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    const QByteArray bytes = Encode(withEnds, encoding);

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
