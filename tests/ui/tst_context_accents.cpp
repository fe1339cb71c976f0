// Accents the neighbouring words call for, in the window: a restored word is
// shaded as a change, a click on it gives back what was written, and Ctrl+Z
// takes the click back.
#include "support/test_window.h"

#include <QApplication>
#include <QTest>
#include <QTextCursor>

using namespace vorlen;
using namespace vorlen::test;

namespace {

// The background of the character at `index` of the box, as its own format has it.
QBrush BackgroundAt(QPlainTextEdit* box, int index) {
    QTextCursor cursor(box->document());
    cursor.setPosition(index + 1);
    return cursor.charFormat().background();
}

class ContextAccentsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void aRestoreIsMarkedAndAClickOrUndoSettlesIt();
};

void ContextAccentsTest::aRestoreIsMarkedAndAClickOrUndoSettlesIt() {
    TestWindow t;
    // "de el": after a preposition the pronoun, él; the accent on the first
    // letter, the hardest case for an edit that keeps the rest of the word.
    t.Convert(u"el perro de el"_s);
    QCOMPARE(t.OutputBox()->toPlainText(), u"el perro de él"_s);
    QVERIFY(BackgroundAt(t.OutputBox(), 12).style() != Qt::NoBrush); // él is marked
    QCOMPARE(BackgroundAt(t.OutputBox(), 0).style(), Qt::NoBrush);   // the article is not

    // A click on its last letter gives back what was written, unmarked.
    ClickCharacter(t.OutputBox(), 13);
    QCOMPARE(t.OutputBox()->toPlainText(), u"el perro de el"_s);
    QCOMPARE(BackgroundAt(t.OutputBox(), 12).style(), Qt::NoBrush);
    // Clicks elsewhere and on the word given back change nothing.
    ClickCharacter(t.OutputBox(), 3);
    ClickCharacter(t.OutputBox(), 12);
    QCOMPARE(t.OutputBox()->toPlainText(), u"el perro de el"_s);

    // Ctrl+Z brings the accent back with its mark; a second click settles it again.
    QTest::keyClick(t.OutputBox(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(t.OutputBox()->toPlainText(), u"el perro de él"_s);
    QVERIFY(BackgroundAt(t.OutputBox(), 13).style() != Qt::NoBrush);
    ClickCharacter(t.OutputBox(), 12);
    QCOMPARE(t.OutputBox()->toPlainText(), u"el perro de el"_s);

    // Without the option the text is converted word by word: nothing marked.
    t.Trigger("contextAccentsAction");
    t.Convert(u"el perro de el"_s);
    QCOMPARE(t.OutputBox()->toPlainText(), u"el perro de el"_s);
    QCOMPARE(BackgroundAt(t.OutputBox(), 12).style(), Qt::NoBrush);
}

} // namespace

QTEST_MAIN(ContextAccentsTest)
#include "tst_context_accents.moc"
