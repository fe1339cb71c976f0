// Immediate mode: words typed into the input box (as key events) are replaced
// by their converted form as soon as the character after them is typed.
#include "support/test_window.h"

#include <QTest>
#include <QTextCursor>

using namespace vorlen;
using namespace vorlen::test;

namespace {

// What the typing leaves once every Backspace has taken its character away.
QString Typed(const QString& keys) {
    QString text;
    for (const QChar c : keys)
        if (c == u'\b')
            text.chop(1);
        else
            text += c;
    return text;
}

} // namespace

class ImmediateModeTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void typedWordsAreConverted_data();
    void typedWordsAreConverted();
    void typingElsewhereCutsNothing();
    void typingGoesOnAfterAnOpenedFile();
};

void ImmediateModeTest::typedWordsAreConverted_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("keys");
    QTest::newRow("punctuation, two spaces, Enter") << QStringList{} << u"hola,  mundo.\nya "_s;
    QTest::newRow("a separator first converts nothing") << QStringList{} << u" ,kasa "_s;
    QTest::newRow("Spanish letters") << QStringList{} << u"el niño y el año "_s;
    QTest::newRow("capitals are converted too") << QStringList{} << u"Kasa. Perro gato "_s;
    QTest::newRow("bar after a change") << QStringList{u"barAfterChangeBox"_s} << u"kasa ves "_s;
    QTest::newRow("Backspace inside a word") << QStringList{} << u"hola kasx\ba "_s;
    QTest::newRow("Backspace over a whole word") << QStringList{} << u"hola ves\b\b\bkasa "_s;
    QTest::newRow("Backspace over ñ") << QStringList{} << u"niñ\bño "_s;
    QTest::newRow("Backspace over a separator") << QStringList{} << u"kasa ,\bves "_s;
}

void ImmediateModeTest::typedWordsAreConverted() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, keys);
    TestWindow t;
    t.Click(clicks);
    t.Click("immediateModeBox");
    TypeText(t.InputBox(), keys);
    // Every word ended with its separator; a separator ends none of the
    // words that follow it, so the capitals rule protects nothing here.
    EngineOptions options = t.window().engine().Options;
    options.CapsRule = false;
    QCOMPARE(t.InputBox()->toPlainText(), t.Reference(Typed(keys), options));
    QVERIFY(t.OutputBox()->toPlainText().isEmpty());
    QVERIFY(t.window().convertedSaved());
}

void ImmediateModeTest::typingElsewhereCutsNothing() {
    TestWindow t;
    t.Click("immediateModeBox");
    TypeText(t.InputBox(), u"kasa "_s);
    const QString first = t.InputBox()->toPlainText();
    t.InputBox()->moveCursor(QTextCursor::Start);
    TypeText(t.InputBox(), u"y "_s);
    t.InputBox()->moveCursor(QTextCursor::End);
    TypeText(t.InputBox(), u"ves "_s);
    QCOMPARE(t.InputBox()->toPlainText(), u"y "_s + first + t.Reference(u"ves "_s));
}

void ImmediateModeTest::typingGoesOnAfterAnOpenedFile() {
    TestWindow t;
    t.Click("immediateModeBox");
    WriteBytes(t.FilePath(u"in.txt"_s), "hola\r\nmundo");
    t.dialogs().openAnswers.push_back(t.FilePath(u"in.txt"_s));
    t.Trigger("openAction");
    TypeText(t.InputBox(), u"kasa "_s);
    QCOMPARE(t.InputBox()->toPlainText(), u"hola\nmundo\n"_s + t.Reference(u"kasa "_s));
}

QTEST_MAIN(ImmediateModeTest)
#include "tst_immediate_mode.moc"
