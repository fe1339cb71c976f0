// The File menu: Open, Save, Save As and Exit, and the file error report.
#include "support/test_window.h"
#include "ui/captions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<QString>)

using namespace vorlen;
using namespace vorlen::test;

namespace {

QString ErrorPrefix(const QString& path) {
    return u"There was an error opening the file "_s + path + u" Err#"_s;
}

// Converted text that has not been saved.
void Convert(TestWindow& t) {
    t.Text1()->setPlainText(u"kasa"_s);
    t.Click("Command1");
}

} // namespace

class FileMenuTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void openReadsLinesIntoTheInputBox_data();
    void openReadsLinesIntoTheInputBox();
    void cancelledOrFailedOpenKeepsTheInput();
    void saveWritesTheOpenedFileThenTheLastName();
    void spanishLettersComeBackAsTheyWereRead_data();
    void spanishLettersComeBackAsTheyWereRead();
    void failedSaveIsReportedEvenAfterAnOpen();
    void exitAnswers_data();
    void exitAnswers();
    void exitStaysWhenTheSaveFails();
    void closingTheWindowOffersTheSaveToo();
};

void FileMenuTest::openReadsLinesIntoTheInputBox_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("three lines, CR LF") << QByteArray("a\r\nb\r\nc\r\n") << u"a\nb\nc\n"_s;
    QTest::newRow("last line without its end") << QByteArray("a\r\nb\r\nc") << u"a\nb\nc\n"_s;
    QTest::newRow("CR only, empty line kept") << QByteArray("a\r\rb\r") << u"a\n\nb\n"_s;
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("UTF-8 with a byte order mark") << QByteArray("\xef\xbb\xbf"
                                                                "a\xc3\xb1o\n")
                                                  << u"año\n"_s;
    QTest::newRow("Windows-1252") << QByteArray("a\xf1o \xe1rbol\r\n") << u"año árbol\n"_s;
}

void FileMenuTest::openReadsLinesIntoTheInputBox() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    TestWindow t;
    t.Text1()->setPlainText(u"lo que había"_s);
    const QString path = t.FilePath(u"in.txt"_s);
    WriteBytes(path, bytes);
    t.dialogs().openAnswers.push_back(path);
    t.Trigger("opn");
    QCOMPARE(t.Text1()->toPlainText(), text);
    QCOMPARE(t.window().windowTitle(), path + u" - Vorlen"_s);
    QVERIFY(t.dialogs().messages.isEmpty());
}

void FileMenuTest::cancelledOrFailedOpenKeepsTheInput() {
    TestWindow t;
    t.Text1()->setPlainText(u"texto escrito a mano"_s);
    t.Trigger("opn"); // cancelled: no message
    QVERIFY(t.dialogs().messages.isEmpty());
    const QString path = t.FilePath(u"missing.txt"_s);
    t.dialogs().openAnswers.push_back(path);
    t.Trigger("opn");
    QCOMPARE(t.dialogs().messages.size(), 1);
    QCOMPARE(t.dialogs().messages[0].text, ErrorPrefix(path) + QString::number(ENOENT));
    QCOMPARE(t.Text1()->toPlainText(), u"texto escrito a mano"_s);
    QCOMPARE(t.window().windowTitle(), ui::StartWindowTitle());
}

void FileMenuTest::saveWritesTheOpenedFileThenTheLastName() {
    TestWindow t;
    const QString opened = t.FilePath(u"carta.txt"_s);
    WriteBytes(opened, "aber si yano\r\nay ves\r\n");
    t.dialogs().openAnswers.push_back(opened);
    t.Trigger("opn");
    t.Click("Command1");
    t.Trigger("sv"); // no dialog: the opened file gets the converted text
    QCOMPARE(t.dialogs().saveDialogs, 0);
    QString expected = t.Text2()->toPlainText() + u"\n"_s;
    QCOMPARE(ReadFile(opened), expected.replace(u"\n"_s, u"\r\n"_s));
    QVERIFY(t.window().ConvertedSaved());

    const QString other = t.FilePath(u"otra.txt"_s);
    t.dialogs().saveAnswers = {other, std::nullopt};
    t.Trigger("sa");
    t.Text2()->setPlainText(u"uno\ndos"_s);
    t.Trigger("sv");
    QCOMPARE(ReadFile(other), u"uno\r\ndos\r\n"_s);
    t.Trigger("sa"); // cancelled: the name stays, nothing is said
    QCOMPARE(t.dialogs().saveDialogs, 2);
    QCOMPARE(t.window().windowTitle(), other + u" - Vorlen"_s);
    QVERIFY(t.dialogs().messages.isEmpty());
}

void FileMenuTest::spanishLettersComeBackAsTheyWereRead_data() {
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("Windows-1252 stays Windows-1252")
        << QByteArray("ni\xf1o\r\n") << u"niño"_s << QByteArray("ni\xf1o\r\n");
    QTest::newRow("UTF-8 stays UTF-8")
        << QByteArray("ni\xc3\xb1o\r\n") << u"niño"_s << QByteArray("ni\xc3\xb1o\r\n");
    QTest::newRow("Windows-1252 cannot hold it: UTF-8")
        << QByteArray("ni\xf1o\r\n") << u"niño → ñ"_s
        << QByteArray("ni\xc3\xb1o \xe2\x86\x92 \xc3\xb1\r\n");
}

void FileMenuTest::spanishLettersComeBackAsTheyWereRead() {
    QFETCH(QByteArray, original);
    QFETCH(QString, converted);
    QFETCH(QByteArray, saved);
    TestWindow t;
    const QString path = t.FilePath(u"in.txt"_s);
    WriteBytes(path, original);
    t.dialogs().openAnswers.push_back(path);
    t.Trigger("opn");
    t.Text2()->setPlainText(converted);
    t.Trigger("sv");
    QCOMPARE(ReadBytes(path), saved);
}

void FileMenuTest::failedSaveIsReportedEvenAfterAnOpen() {
    TestWindow t;
    const QString path = t.FilePath(u"in.txt"_s);
    WriteBytes(path, "hola\n");
    t.dialogs().openAnswers.push_back(path);
    t.Trigger("opn");
    // The opened file's name now belongs to a folder: the save cannot replace it.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path));
    Convert(t);
    t.Trigger("sv");
    QCOMPARE(t.dialogs().messages.size(), 1);
    QVERIFY(t.dialogs().messages[0].text.startsWith(ErrorPrefix(path)));
    QVERIFY(!t.window().ConvertedSaved());
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
    QTest::newRow("English yes") << true << true << answer(u"yes") << true;
    QTest::newRow("English Y") << true << true << answer(u"Y") << true;
    QTest::newRow("English si is no") << true << true << answer(u"si") << false;
    QTest::newRow("English cancel") << true << true << std::optional<QString>() << false;
    QTest::newRow("Spanish Sí") << true << false << answer(u"Sí") << true;
    QTest::newRow("Spanish default No") << true << false << answer(u"No") << false;
    QTest::newRow("Spanish empty") << true << false << answer(u"") << false;
}

void FileMenuTest::exitAnswers() {
    QFETCH(bool, convert);
    QFETCH(bool, english);
    QFETCH(std::optional<QString>, answer);
    QFETCH(bool, saves);
    TestWindow t;
    if (english) t.Click("Check2");
    if (convert) Convert(t);
    t.dialogs().askAnswers.push_back(answer);
    const QString path = t.FilePath(u"out.txt"_s);
    t.dialogs().saveAnswers.push_back(path);
    t.Trigger("ex");
    QCOMPARE(t.dialogs().prompts.size(), convert ? 1 : 0);
    if (convert) {
        QCOMPARE(t.dialogs().prompts[0],
                 english ? u"Press Y and Enter to save converted text before exiting."_s
                         : u"Presione S y Enter (<-) para ahorrar."_s);
        QCOMPARE(t.dialogs().promptDefaults[0], u"No"_s);
    }
    QCOMPARE(t.dialogs().saveDialogs, saves ? 1 : 0);
    QCOMPARE(QFile::exists(path), saves);
    QVERIFY(!t.window().isVisible());
}

void FileMenuTest::exitStaysWhenTheSaveFails() {
    TestWindow t;
    Convert(t);
    t.dialogs().askAnswers.push_back(u"s"_s);
    const QString path = t.FilePath(u"no/such/folder/out.txt"_s);
    t.dialogs().saveAnswers.push_back(path);
    t.Trigger("ex");
    QCOMPARE(t.dialogs().messages.size(), 1);
    QVERIFY(t.dialogs().messages[0].text.startsWith(ErrorPrefix(path)));
    QVERIFY(t.window().isVisible());
}

void FileMenuTest::closingTheWindowOffersTheSaveToo() {
    TestWindow t;
    Convert(t);
    t.dialogs().askAnswers.push_back(u"No"_s);
    t.window().close();
    QCOMPARE(t.dialogs().prompts.size(), 1);
    QVERIFY(!t.window().isVisible());
}

QTEST_MAIN(FileMenuTest)
#include "tst_file_menu.moc"
