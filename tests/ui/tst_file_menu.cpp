// The File menu: Open, Save, Save As and Exit, and the file error report.
#include "support/test_window.h"
#include "ui/captions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <cerrno>

Q_DECLARE_METATYPE(std::optional<QString>)

using namespace vorlen;
using namespace vorlen::test;

namespace {

QString ErrorPrefix(const QString& path) {
    return u"There was an error opening the file "_s + path + u" Err#"_s;
}

void Open(TestWindow& t, const QString& path, const QByteArray& bytes) {
    WriteBytes(path, bytes);
    t.dialogs().openAnswers.push_back(path);
    t.Trigger("openAction");
}

} // namespace

class FileMenuTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void openReadsLinesIntoTheInputBox_data();
    void openReadsLinesIntoTheInputBox();
    void cancelledOrFailedOpenKeepsTheInput();
    void saveAsNamesTheFileThatSaveWrites();
    void openConvertSaveKeepsTheLetters_data();
    void openConvertSaveKeepsTheLetters();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void exitAnswers_data();
    void exitAnswers();
    void closingTheWindowOffersTheSaveAndStaysWhenItFails();
};

void FileMenuTest::openReadsLinesIntoTheInputBox_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("three lines, CR LF") << QByteArray("a\r\nb\r\nc\r\n") << u"a\nb\nc\n"_s;
    QTest::newRow("last line without its end") << QByteArray("a\r\nb\r\nc") << u"a\nb\nc\n"_s;
    QTest::newRow("CR only, empty line kept") << QByteArray("a\r\rb\r") << u"a\n\nb\n"_s;
    QTest::newRow("empty file") << QByteArray() << QString();
}

void FileMenuTest::openReadsLinesIntoTheInputBox() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    TestWindow t;
    t.InputBox()->setPlainText(u"lo que había"_s);
    Open(t, t.FilePath(u"in.txt"_s), bytes);
    QCOMPARE(t.InputBox()->toPlainText(), text);
    QCOMPARE(t.window().windowTitle(), t.FilePath(u"in.txt"_s) + u" - Vorlen"_s);
    QVERIFY(t.dialogs().messages.isEmpty());
}

void FileMenuTest::cancelledOrFailedOpenKeepsTheInput() {
    TestWindow t;
    t.InputBox()->setPlainText(u"texto escrito a mano"_s);
    t.Trigger("openAction"); // cancelled: no message
    QVERIFY(t.dialogs().messages.isEmpty());
    const QString path = t.FilePath(u"missing.txt"_s);
    t.dialogs().openAnswers.push_back(path);
    t.Trigger("openAction");
    QCOMPARE(t.dialogs().messages.size(), 1);
    QCOMPARE(t.dialogs().messages[0], ErrorPrefix(path) + QString::number(ENOENT));
    QCOMPARE(t.InputBox()->toPlainText(), u"texto escrito a mano"_s);
    QCOMPARE(t.window().windowTitle(), ui::StartWindowTitle());
}

void FileMenuTest::saveAsNamesTheFileThatSaveWrites() {
    TestWindow t;
    const QString workingDirectory = QDir::currentPath();
    t.Trigger("saveAction"); // nothing converted: the message, no dialog
    QCOMPARE(t.dialogs().messages.size(), 1);
    QCOMPARE(t.dialogs().messages[0],
             u"No hay ningún texto en la caja de texto convertido para ahorrar."_s);
    QCOMPARE(t.dialogs().saveDialogs, 0);

    const QString other = t.FilePath(u"otra.txt"_s);
    t.OutputBox()->setPlainText(u"ves"_s);
    t.dialogs().saveAnswers = {other, std::nullopt};
    t.Trigger("saveAsAction");
    t.OutputBox()->setPlainText(u"uno\ndos"_s);
    t.Trigger("saveAction"); // no dialog: the name of the last Save As
    QCOMPARE(ReadBytes(other), QByteArray("uno\r\ndos\r\n"));
    t.Trigger("saveAsAction"); // cancelled: the name stays, nothing is said
    QCOMPARE(t.dialogs().saveDialogs, 2);
    QCOMPARE(t.window().windowTitle(), other + u" - Vorlen"_s);
    QCOMPARE(t.dialogs().messages.size(), 1);
    // The first dialog opened in the data directory, the next on the
    // remembered name; the working directory never changed.
    const QString data = QString::fromStdString(t.Paths().DataDirectory->string());
    QCOMPARE(t.dialogs().dialogStarts, QStringList({data, other}));
    QCOMPARE(QDir::currentPath(), workingDirectory);
}

void FileMenuTest::openConvertSaveKeepsTheLetters_data() {
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QString>("typedIntoOutput");
    QTest::addColumn<QByteArray>("saved"); // the original, its letters as they were
    QTest::newRow("UTF-8, CR LF") << QByteArray("el ni\xc3\xb1o\r\ny el a\xc3\xb1o\r\n")
                                  << QString()
                                  << QByteArray("el ni\xc3\xb1o\r\ny el a\xc3\xb1o\r\n");
    QTest::newRow("Windows-1252, CR LF") << QByteArray("el ni\xf1o\r\ny el a\xf1o\r\n") << QString()
                                         << QByteArray("el ni\xf1o\r\ny el a\xf1o\r\n");
    QTest::newRow("UTF-8, LF") << QByteArray("el ni\xc3\xb1o\ny el a\xc3\xb1o") << QString()
                               << QByteArray("el ni\xc3\xb1o\ny el a\xc3\xb1o\n");
    QTest::newRow("UTF-8 with a byte order mark")
        << QByteArray("\xef\xbb\xbfni\xc3\xb1o\r\n") << QString()
        << QByteArray("\xef\xbb\xbfni\xc3\xb1o\r\n");
    QTest::newRow("Windows-1252 cannot hold it: UTF-8")
        << QByteArray("ni\xf1o\r\n") << u" →"_s << QByteArray("ni\xc3\xb1o\r\n \xe2\x86\x92\r\n");
}

void FileMenuTest::openConvertSaveKeepsTheLetters() {
    QFETCH(QByteArray, original);
    QFETCH(QString, typedIntoOutput);
    QFETCH(QByteArray, saved);
    TestWindow t;
    const QString path = t.FilePath(u"in.txt"_s);
    Open(t, path, original);
    t.Click("convertButton");
    t.OutputBox()->moveCursor(QTextCursor::End);
    TypeText(t.OutputBox(), typedIntoOutput);
    t.Trigger("saveAction");
    QCOMPARE(ReadBytes(path), saved);
    QCOMPARE(t.window().windowTitle(), path + u" - Vorlen"_s);
    QVERIFY(t.window().convertedSaved());
}

void FileMenuTest::failedSaveIsReported_data() {
    // Each after an open that read its file through: every failed save is reported.
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("error");
    QTest::newRow("a folder in its place") << u"folder"_s << EISDIR;
    QTest::newRow("Save As into a missing folder") << u"no/such/folder/out.txt"_s << ENOENT;
    // Fails for the superuser too, unlike a read-only file.
    QTest::newRow("Save As under a regular file") << u"in.txt/out.txt"_s << ENOTDIR;
}

void FileMenuTest::failedSaveIsReported() {
    QFETCH(QString, cause);
    QFETCH(int, error);
    TestWindow t;
    QString path = t.FilePath(u"in.txt"_s);
    Open(t, path, "kasa\n");
    t.Click("convertButton");
    if (cause == u"folder"_s) {
        QVERIFY(QFile::remove(path) && QDir().mkdir(path));
        t.Trigger("saveAction");
    } else {
        path = t.FilePath(cause);
        t.dialogs().saveAnswers.push_back(path);
        t.Trigger("saveAsAction");
    }
    QCOMPARE(t.dialogs().messages.size(), 1);
    QCOMPARE(t.dialogs().messages[0], ErrorPrefix(path) + QString::number(error));
    QVERIFY(!t.window().convertedSaved());
}

void FileMenuTest::exitAnswers_data() {
    QTest::addColumn<bool>("convert");
    QTest::addColumn<bool>("english");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<bool>("saves");
    const auto answer = [](const char16_t* text) {
        return std::optional(QString::fromUtf16(text));
    };
    QTest::newRow("nothing converted: no question") << false << false << answer(u"s") << false;
    QTest::newRow("English Y") << true << true << answer(u"Y") << true;
    QTest::newRow("English empty") << true << true << answer(u"") << false;
    QTest::newRow("English cancel") << true << true << std::optional<QString>() << false;
    QTest::newRow("English si is no") << true << true << answer(u"si") << false;
    QTest::newRow("Spanish Sí") << true << false << answer(u"Sí") << true;
    QTest::newRow("Spanish default No") << true << false << answer(u"No") << false;
    QTest::newRow("Spanish yes is no") << true << false << answer(u"yes") << false;
}

void FileMenuTest::exitAnswers() {
    QFETCH(bool, convert);
    QFETCH(bool, english);
    QFETCH(std::optional<QString>, answer);
    QFETCH(bool, saves);
    TestWindow t;
    if (english) t.Click("englishBox");
    if (convert) t.Convert(u"kasa"_s);
    t.dialogs().askAnswers.push_back(answer);
    const QString path = t.FilePath(u"out.txt"_s);
    t.dialogs().saveAnswers.push_back(path);
    t.Trigger("exitAction");
    QCOMPARE(t.dialogs().prompts.size(), convert ? 1 : 0);
    if (convert) QCOMPARE(t.dialogs().promptDefaults[0], u"No"_s);
    QCOMPARE(t.dialogs().saveDialogs, saves ? 1 : 0);
    QCOMPARE(QFile::exists(path), saves);
    QVERIFY(!t.window().isVisible());
}

void FileMenuTest::closingTheWindowOffersTheSaveAndStaysWhenItFails() {
    // Through the window's frame, as through "&Terminar": a failed save keeps
    // the window open, a cancelled dialog closes it.
    TestWindow t;
    t.Convert(u"kasa"_s);
    t.dialogs().askAnswers = {u"s"_s, u"s"_s};
    const QString path = t.FilePath(u"no/such/folder/out.txt"_s);
    t.dialogs().saveAnswers.push_back(path);
    t.window().close();
    QCOMPARE(t.dialogs().messages, QStringList{ErrorPrefix(path) + QString::number(ENOENT)});
    QVERIFY(t.window().isVisible()); // nothing is lost
    t.window().close();              // this time the save dialog is cancelled: the program ends
    QCOMPARE(t.dialogs().saveDialogs, 2);
    QVERIFY(!t.window().isVisible());
}

QTEST_MAIN(FileMenuTest)
#include "tst_file_menu.moc"
