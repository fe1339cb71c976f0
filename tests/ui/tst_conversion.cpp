// Convert, Find next bar, choosing an alternative by clicking in the converted
// text, and the colours of the marks.
#include "support/test_window.h"
#include "ui/bar_marks.h"

#include <QApplication>
#include <QProgressBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <utility>

using namespace vorlen;
using namespace vorlen::test;

namespace {

// One click on "Find next bar": the index of the bar selected, or -1 when the
// click ended with a message.
int FindNext(TestWindow& t) {
    const auto shown = t.dialogs().messages.size();
    t.Click("findNextBarButton");
    if (t.dialogs().messages.size() != shown) return -1;
    const QTextCursor cursor = t.OutputBox()->textCursor();
    if (cursor.selectedText() != u"|"_s) return -2;
    return cursor.selectionStart();
}

} // namespace

class ConversionTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void convertAgreesWithTheEngine_data();
    void convertAgreesWithTheEngine();
    void longTextsEndWithBeepAndMessage_data();
    void longTextsEndWithBeepAndMessage();
    void closingWhileConvertingStopsThenOffersTheSave();
    void clickChoosesAnAlternative_data();
    void clickChoosesAnAlternative();
    void findNextBarWalksFromBarToBar();
    void marksAreFoundByKind();
    void marksAreColouredInTheOutputBox();
};

void ConversionTest::convertAgreesWithTheEngine_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::newRow("defaults") << QStringList{};
    QTest::newRow("no diacritics: the other vocabulary") << QStringList{u"ignoreDiacriticsBox"_s};
}

void ConversionTest::convertAgreesWithTheEngine() {
    // A long text: the window handles its events while converting (a timer
    // fires), with the controls greyed, the progress shown and Convert not
    // re-entered.
    QFETCH(QStringList, clicks);
    TestWindow t;
    t.Click(clicks);
    const QString input = u"aber si yano ay ves. Kasa de Perro, 3 Gato\nel ninio y el añyo "_s;
    bool fired = false;
    QTimer::singleShot(0, &t.window(), [&] {
        fired = true;
        QVERIFY(!t.Get<QWidget>("convertButton")->isEnabled() && !t.OutputBox()->isEnabled());
        QVERIFY(t.Get<QProgressBar>("progress")->isVisible());
        QCOMPARE(t.Get<QProgressBar>("progress")->maximum(), 14 * 40);
        t.window().convertText();
    });
    t.Convert(input.repeated(40));
    QVERIFY(fired);
    QCOMPARE(t.OutputBox()->toPlainText(), t.Reference(input.repeated(40)));
    QCOMPARE(t.InputBox()->toPlainText(), input.repeated(40));
    QCOMPARE(t.dialogs().messages, QStringList{u"Listo."_s}); // one conversion
    QVERIFY(!t.window().convertedSaved());
    QVERIFY(t.OutputBox()->isEnabled() && !t.Get<QProgressBar>("progress")->isVisible());
}

void ConversionTest::longTextsEndWithBeepAndMessage_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("message");
    QTest::newRow("1000 characters: no message") << 1000 << false << QString();
    QTest::newRow("1001 characters in English: Finished.") << 1001 << true << u"Finished."_s;
}

void ConversionTest::longTextsEndWithBeepAndMessage() {
    QFETCH(int, length);
    QFETCH(bool, english);
    QFETCH(QString, message);
    TestWindow t;
    if (english) t.Click("englishBox");
    t.Convert(u"casa "_s.repeated(length).left(length));
    QCOMPARE(t.dialogs().beeps, message.isEmpty() ? 0 : 1);
    QCOMPARE(t.dialogs().messages, message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(t.OutputBox()->toPlainText().startsWith(u"casa casa"_s));
}

void ConversionTest::closingWhileConvertingStopsThenOffersTheSave() {
    TestWindow t;
    const QString input = u"kasa ves aber "_s.repeated(300);
    QTimer::singleShot(0, &t.window(), [&] { t.window().close(); });
    t.dialogs().askAnswers.push_back(u"No"_s);
    t.Convert(input);
    QVERIFY(t.dialogs().messages.isEmpty()); // stopped: no "Listo."
    QCOMPARE(t.dialogs().prompts.size(), 1);
    QVERIFY(!t.window().isVisible());
    const QString shown = t.OutputBox()->toPlainText();
    QVERIFY(shown.size() < input.size() && t.Reference(input).startsWith(shown));
}

void ConversionTest::clickChoosesAnAlternative_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("click");
    QTest::addColumn<QString>("expected");
    const QString three = u"y ves|vez|bes de"_s;
    QTest::newRow("middle of three") << three << 7 << u"y vez de"_s;
    QTest::newRow("a word without bars") << three << 15 << three;
    QTest::newRow("accented candidate") << u"no año|anyo sí"_s << 4 << u"no año sí"_s;
    QTest::newRow("second line") << u"uno\ndos ves|vez"_s << 13 << u"uno\ndos vez"_s;
}

void ConversionTest::clickChoosesAnAlternative() {
    QFETCH(QString, text);
    QFETCH(int, click);
    QFETCH(QString, expected);
    TestWindow t;
    t.OutputBox()->setPlainText(text);
    ClickCharacter(t.OutputBox(), click);
    QCOMPARE(t.OutputBox()->toPlainText(), expected);
}

void ConversionTest::findNextBarWalksFromBarToBar() {
    TestWindow t;
    // The bars each click selects (-1: the end-of-text message instead).
    const auto walk = [&t](const QList<int>& bars) {
        QList<int> found;
        for (qsizetype k = 0; k < bars.size(); ++k)
            found.append(FindNext(t));
        QCOMPARE(found, bars);
    };
    t.Click("findNextBarButton"); // an empty text: nothing happens, no message either
    QVERIFY(t.dialogs().messages.isEmpty());
    t.OutputBox()->setPlainText(u"|ves|vez| y |kasa"_s);
    walk({0});
    QCOMPARE(t.window().focusWidget(), static_cast<QWidget*>(t.OutputBox()));
    walk({4, 8, 12, -1});
    QCOMPARE(t.dialogs().messages.last(), u"Fin de texto."_s);
    walk({0});
    t.Click("englishBox"); // the language changes, the position stays
    walk({4, 8, 12, -1});
    QCOMPARE(t.dialogs().messages.last(), u"End of text."_s);
    // A new conversion goes on from the old position, here past its end.
    walk({0, 4});
    t.Convert(u"brrmp"_s); // "|brrmp"
    walk({-1, 0});
}

void ConversionTest::marksAreFoundByKind() {
    // Under each line, what is marked: A alternatives, N not found, O one candidate.
    const std::pair<QString, QString> lines[] = {
        {u"el perro, 3 gatos."_s, u""_s},
        {u"haber si yano|llano ay"_s, u"         AAAAAAAAAA"_s},
        {u"ves|vez|bes,|brrmp año|"_s, u"AAAAAAAAAAA NNNNNN OOOO"_s},
        {u"a | b"_s, u"  N"_s},
    };
    for (const auto& [line, marks] : lines) {
        QString found;
        for (const ui::MarkedRun& run : ui::FindBarMarks(line))
            found = found.leftJustified(run.start) + QString(run.length, u"ANO"[int(run.mark)]);
        QCOMPARE(found, marks);
    }
}

void ConversionTest::marksAreColouredInTheOutputBox() {
    TestWindow t;
    t.Click("changeFoundWordsOption"); // every word becomes the list of its spellings
    t.Convert(u"ves brrmp"_s);
    QCOMPARE(t.OutputBox()->toPlainText(), u"ves|vez |brrmp"_s);
    const auto formats = t.OutputBox()->document()->firstBlock().layout()->formats();
    QCOMPARE(formats.size(), 2);
    QCOMPARE(formats[0].start, 0);
    QCOMPARE(formats[0].format, ui::BarHighlighter::Format(ui::BarMark::Alternatives));
    QCOMPARE(formats[1].start, 8);
    QCOMPARE(formats[1].format, ui::BarHighlighter::Format(ui::BarMark::NotFound));
    QVERIFY(formats[0].format.background() != formats[1].format.background());
}

QTEST_MAIN(ConversionTest)
#include "tst_conversion.moc"
