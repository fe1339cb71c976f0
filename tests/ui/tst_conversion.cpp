// Convert, Find next bar, and choosing an alternative by clicking in the
// converted text.
#include "support/test_window.h"

#include <QCheckBox>
#include <QTest>

using namespace vorlen;
using namespace vorlen::test;

namespace {

// One click on "Find next bar": the index of the bar selected, or -1 when the
// click ended with a message.
int FindNext(TestWindow& t) {
    const auto shown = t.dialogs().messages.size();
    t.Click("Command3");
    if (t.dialogs().messages.size() != shown) return -1;
    const QTextCursor cursor = t.Text2()->textCursor();
    if (cursor.selectionEnd() - cursor.selectionStart() != 1) return -2;
    if (cursor.selectedText() != u"|"_s) return -3;
    return cursor.selectionStart();
}

} // namespace

class ConversionTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void convertAgreesWithTheEngine_data();
    void convertAgreesWithTheEngine();
    void longTextsEndWithBeepAndMessage_data();
    void longTextsEndWithBeepAndMessage();
    void clickChoosesAnAlternative_data();
    void clickChoosesAnAlternative();
    void choosingMarksTheTextUnsaved();
    void findNextBarWalksFromBarToBar();
    void findNextBarInAnEmptyTextDoesNothing();
    void findNextBarGoesOnInANewText();
};

void ConversionTest::convertAgreesWithTheEngine_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("input");
    const QString text = u"aber si yano ay ves. Kasa de Perro, 3 Gato\nel ninio y el añyo"_s;
    QTest::newRow("defaults") << QStringList{} << text;
    QTest::newRow("capitals rule off") << QStringList{u"Check3"_s} << text;
    QTest::newRow("bar after a change") << QStringList{u"Check4"_s} << text;
    QTest::newRow("change mode C") << QStringList{u"Option2"_s} << text;
    QTest::newRow("no diacritics") << QStringList{u"Check1"_s} << text;
    QTest::newRow("empty text") << QStringList{} << QString();
}

void ConversionTest::convertAgreesWithTheEngine() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, input);
    TestWindow t;
    for (const QString& name : clicks)
        t.Click(name.toLatin1().constData());
    t.Text1()->setPlainText(input);
    t.Click("Command1");
    const QString expected = ReferenceConversion(t.Paths(), t.window().engine().Options, input);
    QCOMPARE(t.Text2()->toPlainText(), expected);
    QCOMPARE(t.Text1()->toPlainText(), input);
    QVERIFY(t.dialogs().messages.isEmpty());
    QVERIFY(!t.window().ConvertedSaved());
}

void ConversionTest::longTextsEndWithBeepAndMessage_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("message");
    QTest::newRow("1000 characters: no message") << 1000 << false << 0 << QString();
    QTest::newRow("1001 characters: Listo.") << 1001 << false << 1 << u"Listo."_s;
    QTest::newRow("1001 characters in English: Finished.") << 1001 << true << 1 << u"Finished."_s;
}

void ConversionTest::longTextsEndWithBeepAndMessage() {
    QFETCH(int, length);
    QFETCH(bool, english);
    QFETCH(int, beeps);
    QFETCH(QString, message);
    TestWindow t;
    if (english) t.Click("Check2");
    QString input;
    while (input.size() < length)
        input += u"casa "_s;
    input.truncate(length);
    t.Text1()->setPlainText(input);
    t.Click("Command1");
    QCOMPARE(t.dialogs().beeps, beeps);
    if (message.isEmpty()) {
        QVERIFY(t.dialogs().messages.isEmpty());
    } else {
        QCOMPARE(t.dialogs().messages.size(), 1);
        QCOMPARE(t.dialogs().messages[0].text, message);
    }
    QVERIFY(t.Text2()->toPlainText().startsWith(u"casa casa"_s));
}

void ConversionTest::clickChoosesAnAlternative_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("click");
    QTest::addColumn<QString>("expected");
    const QString three = u"y ves|vez|bes de"_s;
    QTest::newRow("middle of three") << three << 7 << u"y vez de"_s;
    QTest::newRow("first of three") << three << 3 << u"y ves de"_s;
    QTest::newRow("a word without bars") << three << 15 << three;
    QTest::newRow("not-found mark") << u"el |kasa bonita"_s << 5 << u"el kasa bonita"_s;
    QTest::newRow("changed mark") << u"el casa| bonita"_s << 4 << u"el casa bonita"_s;
    QTest::newRow("first character of the text") << u"sí|si no"_s << 0 << u"sí no"_s;
    QTest::newRow("accented candidate") << u"no año|anyo sí"_s << 4 << u"no año sí"_s;
    QTest::newRow("second line") << u"uno\ndos ves|vez"_s << 13 << u"uno\ndos vez"_s;
}

void ConversionTest::clickChoosesAnAlternative() {
    QFETCH(QString, text);
    QFETCH(int, click);
    QFETCH(QString, expected);
    TestWindow t;
    t.Text2()->setPlainText(text);
    ClickCharacter(t.Text2(), click);
    QCOMPARE(t.Text2()->toPlainText(), expected);
}

void ConversionTest::choosingMarksTheTextUnsaved() {
    // Saved, then an alternative settled: leaving must still offer the save,
    // or the choice is lost.
    TestWindow t;
    t.Text2()->setPlainText(u"ves|vez"_s);
    t.dialogs().saveAnswers.push_back(t.FilePath(u"out.txt"_s));
    t.Trigger("sa");
    QVERIFY(t.window().ConvertedSaved());
    ClickCharacter(t.Text2(), 5);
    QCOMPARE(t.Text2()->toPlainText(), u"vez"_s);
    QVERIFY(!t.window().ConvertedSaved());
}

void ConversionTest::findNextBarWalksFromBarToBar() {
    TestWindow t;
    t.Text2()->setPlainText(u"|ves|vez| y |kasa"_s);
    QCOMPARE(FindNext(t), 0);
    QCOMPARE(t.window().focusWidget(), static_cast<QWidget*>(t.Text2()));
    QCOMPARE(FindNext(t), 4);
    QCOMPARE(FindNext(t), 8);
    QCOMPARE(FindNext(t), 12);
    QCOMPARE(FindNext(t), -1);
    QCOMPARE(t.dialogs().messages.last().text, u"Fin de texto."_s);
    QCOMPARE(FindNext(t), 0);
    t.Click("Check2"); // the language changes, the position stays
    QCOMPARE(FindNext(t), 4);
    QCOMPARE(FindNext(t), 8);
    QCOMPARE(FindNext(t), 12);
    QCOMPARE(FindNext(t), -1);
    QCOMPARE(t.dialogs().messages.last().text, u"End of text."_s);
}

void ConversionTest::findNextBarInAnEmptyTextDoesNothing() {
    TestWindow t;
    t.Click("Command3");
    t.Click("Command3");
    QVERIFY(t.dialogs().messages.isEmpty());
}

void ConversionTest::findNextBarGoesOnInANewText() {
    TestWindow t;
    t.Text2()->setPlainText(u"uno dos tres cuatro |cinco"_s);
    QCOMPARE(FindNext(t), 20);
    // A shorter text: the old position lies past its end.
    t.Text1()->setPlainText(u"ay|"_s);
    t.Text2()->setPlainText(u"|ay"_s);
    QCOMPARE(FindNext(t), -1);
    QCOMPARE(FindNext(t), 0);
}

QTEST_MAIN(ConversionTest)
#include "tst_conversion.moc"
