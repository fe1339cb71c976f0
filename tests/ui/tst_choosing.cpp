// Choosing among alternatives from the menu over a marked word and from the
// keyboard: the same result as a click, "Ignore", undo, and Find next bar
// after a choice.
#include "support/test_window.h"
#include "ui/bar_marks.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using namespace vorlen;
using namespace vorlen::test;

namespace {

// The entries of a menu, a separator as "-".
QStringList Entries(const QMenu* menu) {
    QStringList entries;
    for (const QAction* action : menu->actions())
        entries.append(action->isSeparator() ? u"-"_s : action->text());
    return entries;
}

// Runs `use` on the menu that `open` pops up, then closes the menu if `use`
// left it open. False when no menu came up.
bool WithPopup(const std::function<void()>& open, const std::function<void(QMenu*)>& use) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        shown = true;
        use(menu);
        if (menu->isVisible()) menu->close();
    });
    open();
    return shown;
}

// A right click on the character at `index` of the output box.
bool WithMenuAt(TestWindow& t, int index, const std::function<void(QMenu*)>& use) {
    return WithPopup(
        [&] {
            // What the platform sends on a right click.
            QWidget* viewport = t.OutputBox()->viewport();
            const QPoint point = CharacterPoint(t.OutputBox(), index);
            QContextMenuEvent event(QContextMenuEvent::Mouse, point, viewport->mapToGlobal(point));
            QApplication::sendEvent(viewport, &event);
        },
        use);
}

// Picks the entry of the menu over `index` that reads `entry`.
void PickFromMenu(TestWindow& t, int index, const QString& entry) {
    const bool shown = WithMenuAt(t, index, [&](QMenu* menu) {
        for (QAction* action : menu->actions())
            if (action->text() == entry) {
                action->trigger();
                menu->close();
                return;
            }
        QFAIL(qPrintable(u"no entry "_s + entry));
    });
    QVERIFY(shown);
}

void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, key, modifiers);
}

} // namespace

class ChoosingTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void menuOffersAlternativesIgnoreThenEditEntries_data();
    void menuOffersAlternativesIgnoreThenEditEntries();
    void choosingFromTheMenuEqualsAClick_data();
    void choosingFromTheMenuEqualsAClick();
    void ignoreKeepsTheWordAsWritten();
    void keyboardSettlesEveryList();
    void escapeLeavesTheTextAlone();
    void findNextBarGoesOnAfterAChoice();
};

void ChoosingTest::menuOffersAlternativesIgnoreThenEditEntries_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("index"); // in the converted text
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<bool>("english");
    QTest::newRow("a list") << u"aber si yano ay"_s << 13 << QStringList{u"yano"_s, u"llano"_s}
                            << false;
    QTest::newRow("a list, English")
        << u"aber si yano ay"_s << 15 << QStringList{u"yano"_s, u"llano"_s} << true;
    QTest::newRow("not found: nothing to choose") << u"el brrmp"_s << 5 << QStringList{} << false;
}

void ChoosingTest::menuOffersAlternativesIgnoreThenEditEntries() {
    QFETCH(QString, input);
    QFETCH(int, index);
    QFETCH(QStringList, first);
    QFETCH(bool, english);
    TestWindow t;
    if (english) t.Click("englishBox");
    t.Convert(input);
    const std::unique_ptr<QMenu> standard(t.OutputBox()->createStandardContextMenu());
    const QStringList expected =
        first + QStringList{english ? u"Ignore"_s : u"Ignorar"_s, u"-"_s} + Entries(standard.get());
    QStringList shown;
    QVERIFY(WithMenuAt(t, index, [&](QMenu* menu) { shown = Entries(menu); }));
    QCOMPARE(shown, expected);
    // Over a word without bars, only the edit entries.
    QVERIFY(WithMenuAt(t, 0, [&](QMenu* menu) { shown = Entries(menu); }));
    QCOMPARE(shown, Entries(standard.get()));
}

void ChoosingTest::choosingFromTheMenuEqualsAClick_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("index"); // of the word's first letter in the converted text
    QTest::addColumn<QString>("word");
    QTest::newRow("first of a list") << u"aber si yano ay"_s << 9 << u"yano"_s;
    QTest::newRow("second of a list") << u"aber si yano ay"_s << 14 << u"llano"_s;
    QTest::newRow("a list on the second line") << u"hola\nyano"_s << 10 << u"llano"_s;
}

void ChoosingTest::choosingFromTheMenuEqualsAClick() {
    QFETCH(QString, input);
    QFETCH(int, index);
    QFETCH(QString, word);
    TestWindow clicked, picked;
    for (TestWindow* t : {&clicked, &picked}) {
        t->Convert(input);
        t->dialogs().saveAnswers.push_back(t->FilePath(u"out.txt"_s));
        t->Trigger("saveAsAction");
        QVERIFY(t->window().convertedSaved());
    }
    const QString converted = picked.OutputBox()->toPlainText();
    ClickCharacter(clicked.OutputBox(), index + 1);
    PickFromMenu(picked, index + 1, word);
    QCOMPARE(picked.OutputBox()->toPlainText(), clicked.OutputBox()->toPlainText());
    QVERIFY(picked.OutputBox()->toPlainText() != converted);
    // Saved before, the choice must still be offered for saving when leaving.
    QVERIFY(!clicked.window().convertedSaved());
    QVERIFY(!picked.window().convertedSaved());
    QCOMPARE(picked.OutputBox()->textCursor().position(),
             clicked.OutputBox()->textCursor().position());
    // One step of undo brings the list back.
    picked.OutputBox()->setFocus();
    PressKey(picked.OutputBox(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(picked.OutputBox()->toPlainText(), converted);
}

void ChoosingTest::ignoreKeepsTheWordAsWritten() {
    TestWindow t;
    t.Click("barAfterChangeBox");
    // Letters of two bytes and a character of two UTF-16 units before the marks.
    t.Convert(u"el niño 😀 kasa, brrmp"_s);
    const QString converted = t.OutputBox()->toPlainText();
    const auto marks = ui::FindBarMarks(converted);
    QCOMPARE(marks.size(), 2);
    QVERIFY(!converted.contains(u"kasa|"_s)); // the mark does not hold what was written

    // Edits before a mark do not lose what it stands for.
    t.OutputBox()->moveCursor(QTextCursor::Start);
    t.OutputBox()->insertPlainText(u"y "_s);
    PickFromMenu(t, static_cast<int>(marks[0].start) + 3, u"Ignorar"_s);
    PickFromMenu(t, static_cast<int>(t.OutputBox()->toPlainText().indexOf(u'|')) + 1, u"Ignorar"_s);
    QCOMPARE(t.OutputBox()->toPlainText(), u"y el niño 😀 kasa, brrmp"_s);
    QVERIFY(!t.window().convertedSaved());

    // A list that no conversion wrote keeps its first word.
    t.OutputBox()->setPlainText(u"ves|vez"_s);
    PickFromMenu(t, 5, u"Ignorar"_s);
    QCOMPARE(t.OutputBox()->toPlainText(), u"ves"_s);
}

void ChoosingTest::keyboardSettlesEveryList() {
    // F8 to the next list, Alt+Down for its menu, Down to the second
    // alternative, Enter; after the last list F8 says the text has ended.
    TestWindow t;
    t.Click("changeFoundWordsOption");
    const QString input = u"yano ves y si"_s;
    t.Convert(input);
    const QString converted = t.OutputBox()->toPlainText();
    QString expected = converted;
    const auto marks = ui::FindBarMarks(converted);
    QCOMPARE(marks.size(), 3);
    for (auto mark = marks.rbegin(); mark != marks.rend(); ++mark) {
        const QString second = converted.mid(mark->start, mark->length).split(u'|').at(1);
        expected.replace(mark->start, mark->length, second);
    }
    for (int k = 0; k < 3; ++k) {
        // The window is active again once the menu has gone.
        t.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.window()));
        PressKey(&t.window(), Qt::Key_F8);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t.OutputBox()));
        const bool shown =
            WithPopup([&] { PressKey(t.OutputBox(), Qt::Key_Down, Qt::AltModifier); },
                      [&](QMenu* menu) {
                          PressKey(menu, Qt::Key_Down);
                          PressKey(menu, Qt::Key_Return);
                      });
        QVERIFY(shown);
    }
    QCOMPARE(t.OutputBox()->toPlainText(), expected);
    t.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.window()));
    PressKey(&t.window(), Qt::Key_F8);
    QCOMPARE(t.dialogs().messages, QStringList{u"Fin de texto."_s});
}

void ChoosingTest::escapeLeavesTheTextAlone() {
    TestWindow t;
    t.Convert(u"aber si yano ay"_s);
    const QString converted = t.OutputBox()->toPlainText();
    t.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.window()));
    PressKey(&t.window(), Qt::Key_F8);
    QVERIFY(WithPopup([&] { PressKey(t.OutputBox(), Qt::Key_Menu); },
                      [&](QMenu* menu) { PressKey(menu, Qt::Key_Escape); }));
    QCOMPARE(t.OutputBox()->toPlainText(), converted);
}

void ChoosingTest::findNextBarGoesOnAfterAChoice() {
    // The search had passed the second bar of the first list; the choice
    // shortens the text, and the next search still finds the second list.
    TestWindow t;
    t.OutputBox()->setPlainText(u"ves|vez|bes y|ya"_s);
    t.Click("findNextBarButton");
    t.Click("findNextBarButton");
    QCOMPARE(t.OutputBox()->textCursor().selectionStart(), 7);
    PickFromMenu(t, 1, u"ves"_s);
    QCOMPARE(t.OutputBox()->toPlainText(), u"ves y|ya"_s);
    t.Click("findNextBarButton");
    QVERIFY(t.dialogs().messages.isEmpty());
    QCOMPARE(t.OutputBox()->textCursor().selectionStart(), 5);
}

QTEST_MAIN(ChoosingTest)
#include "tst_choosing.moc"
