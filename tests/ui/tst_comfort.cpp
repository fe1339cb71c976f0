// What makes the window comfortable and accessible: zoom, dropped files,
// what it remembers between runs, Qt's own texts in the caption language,
// accessible names and announcements, and the rule switches of its menu.
#include "support/test_window.h"
#include "ui/bar_marks.h"
#include "ui/window_settings.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <cmath>
#include <memory>

using namespace vorlen;
using namespace vorlen::test;

namespace {

// Sends what the platform sends when a file is dragged over `target` and
// dropped; true when the drag was accepted.
bool DropFile(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(path); // file managers send the path as text too
    const QPoint point = target->rect().center();
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return true;
}

// The first entry of the output box's edit menu, without its accelerator.
QString FirstEditEntry(TestWindow& t) {
    const std::unique_ptr<QMenu> menu(t.OutputBox()->createStandardContextMenu());
    return menu->actions().value(0)->text().remove(u'&').section(u'\t', 0, 0);
}

// The contrast ratio of two colours as the accessibility guidelines define it.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class ComfortTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void zoomChangesBothBoxes();
    void droppedFileOpensAsOpenWould_data();
    void droppedFileOpensAsOpenWould();
    void sizeFolderAndFilesAreRememberedOptionsAreNot();
    void firstStartMakesRoomOnLargeScreens();
    void qtTextsFollowTheCaptionLanguage();
    void everyControlHasAnAccessibleNameAndDescription();
    void conversionsAndMarksAreAnnounced();
    void marksKeepTheirContrast();
    void classicModeAndContextAccentsSwitchTheEngine();
};

void ComfortTest::zoomChangesBothBoxes() {
    TestWindow t;
    t.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.window()));
    const auto sizes = [&t] {
        return QList<qreal>{t.InputBox()->font().pointSizeF(), t.OutputBox()->font().pointSizeF()};
    };
    QTest::keyClick(t.InputBox(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(t.InputBox(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(sizes(), QList<qreal>({14, 14}));
    QTest::keyClick(t.InputBox(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(sizes(), QList<qreal>({13, 13}));
    QTest::keyClick(t.InputBox(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(sizes(), QList<qreal>({12, 12}));
    for (int k = 0; k < 20; ++k)
        QTest::keyClick(t.InputBox(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(sizes(), QList<qreal>({6, 6}));        // still readable
    QVERIFY(t.InputBox()->toPlainText().isEmpty()); // no key reached the text
}

void ComfortTest::droppedFileOpensAsOpenWould_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("target");
    QTest::newRow("UTF-8 on the window") << QByteArray("el ni\xc3\xb1o\r\n") << u"window"_s;
    QTest::newRow("Windows-1252 on the input box") << QByteArray("el ni\xf1o\r\n") << u"input"_s;
    QTest::newRow("Windows-1252 on the output box") << QByteArray("el ni\xf1o\r\n") << u"output"_s;
}

void ComfortTest::droppedFileOpensAsOpenWould() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, target);
    TestWindow t;
    const QString path = t.FilePath(u"in.txt"_s);
    WriteBytes(path, bytes);
    QWidget* on = target == u"window"_s  ? static_cast<QWidget*>(&t.window())
                  : target == u"input"_s ? t.InputBox()->viewport()
                                         : t.OutputBox()->viewport();
    QVERIFY(DropFile(on, path));
    QCOMPARE(t.InputBox()->toPlainText(), u"el niño\n"_s);
    QCOMPARE(t.window().windowTitle(), path + u" - Vorlen"_s);
    QVERIFY(t.OutputBox()->toPlainText().isEmpty());
    // Saved back in the file's own encoding, as after Archivo > Abrir.
    t.Click("convertButton");
    t.Trigger("saveAction");
    QCOMPARE(ReadBytes(path), bytes);

    // A file that cannot be read is reported as Open reports it; the text stays.
    const QString missing = t.FilePath(u"missing.txt"_s);
    QVERIFY(DropFile(on, missing));
    QCOMPARE(t.dialogs().messages,
             QStringList{u"There was an error opening the file "_s + missing + u" Err#2"_s});
    QCOMPARE(t.InputBox()->toPlainText(), u"el niño\n"_s);
}

void ComfortTest::sizeFolderAndFilesAreRememberedOptionsAreNot() {
    QTemporaryDir dir;
    const QString settings = dir.filePath(u"settings.ini"_s);
    QDir(dir.path()).mkdir(u"texts"_s);
    const QString first = dir.filePath(u"texts/uno.txt"_s), second = dir.filePath(u"dos.txt"_s);
    WriteBytes(first, "uno\n");
    WriteBytes(second, "dos\n");
    {
        TestWindow t(settings);
        t.window().resize(900, 700);
        t.Click("capsRuleBox");
        for (const QString& path : {first, second}) {
            t.dialogs().openAnswers.push_back(path);
            t.Trigger("openAction");
        }
        t.window().close();
    }
    TestWindow t(settings);
    QCOMPARE(t.window().size(), QSize(900, 700));
    QVERIFY(t.Get<QAbstractButton>("capsRuleBox")->isChecked());
    // Archivo lists the last file first; choosing one opens it.
    QVERIFY(t.window().findChild<QAction*>(u"recentFile1"_s)->text().contains(u"dos.txt"_s));
    QVERIFY(t.window().findChild<QAction*>(u"recentFile2"_s)->text().contains(u"uno.txt"_s));
    QVERIFY(t.window().findChild<QAction*>(u"recentFile3"_s) == nullptr);
    t.Trigger("recentFile2");
    QCOMPARE(t.InputBox()->toPlainText(), u"uno\n"_s);
    QVERIFY(t.window().findChild<QAction*>(u"recentFile1"_s)->text().contains(u"uno.txt"_s));
    // A new run's first dialog opens in the folder of the last file.
    TestWindow next(settings);
    next.Trigger("openAction");
    QCOMPARE(next.dialogs().dialogStarts, QStringList{QFileInfo(first).absolutePath()});
}

void ComfortTest::firstStartMakesRoomOnLargeScreens() {
    // Never below the form, always on the screen when the form fits, and
    // larger than the form where there is room.
    const QSize drawn(813, 550);
    for (const QSize screen : {QSize(3840, 2160), QSize(1920, 1080), QSize(1366, 768)}) {
        const QSize size = ui::FirstStartSize(drawn, screen);
        QVERIFY(size.width() > drawn.width() && size.height() > drawn.height());
        QVERIFY(size.width() <= screen.width() && size.height() <= screen.height());
    }
    QCOMPARE(ui::FirstStartSize(drawn, {800, 600}), drawn);
}

void ComfortTest::qtTextsFollowTheCaptionLanguage() {
    TestWindow t;
    QVERIFY2(t.window().qtTextsSpanish(), "qtbase_es.qm (Debian qt6-translations-l10n) is missing");
    QCOMPARE(FirstEditEntry(t), u"Deshacer"_s);
    t.Click("englishBox");
    QVERIFY(!t.window().qtTextsSpanish());
    QCOMPARE(FirstEditEntry(t), u"Undo"_s);
    t.Click("englishBox");
    QCOMPARE(FirstEditEntry(t), u"Deshacer"_s);
}

void ComfortTest::everyControlHasAnAccessibleNameAndDescription() {
    TestWindow t;
    QList<QWidget*> controls;
    for (QWidget* w : t.window().centralWidget()->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"_s)) controls.append(w);
    QVERIFY(controls.size() >= 17);
    const auto texts = [&controls] {
        QStringList all;
        for (QWidget* control : controls) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            const QString name = face->text(QAccessible::Name);
            const QString description = face->text(QAccessible::Description);
            if (name.isEmpty() || description.isEmpty() || name.contains(u'&'))
                return QStringList{control->objectName()};
            all.append(name + u" / "_s + description);
        }
        return all;
    };
    const QStringList spanish = texts();
    QCOMPARE(spanish.size(), controls.size());
    t.Click("englishBox");
    const QStringList english = texts();
    QCOMPARE(english.size(), controls.size());
    for (qsizetype k = 0; k < controls.size(); ++k)
        QVERIFY2(english[k] != spanish[k], qPrintable(spanish[k]));
}

void ComfortTest::conversionsAndMarksAreAnnounced() {
    TestWindow t;
    QStringList announcements;
    QObject::connect(&t.window(), &ui::MainWindow::announced,
                     [&announcements](const QString& text) { announcements.append(text); });
    t.Convert(u"aber si yano ay brrmp"_s);
    t.Click("findNextBarButton");
    t.Click("englishBox");
    t.Click("findNextBarButton");
    QCOMPARE(announcements.size(), 3);
    QVERIFY2(announcements[0].contains(u'2'), qPrintable(announcements[0])); // two marks
    QVERIFY2(announcements[1].contains(u"yano"_s) && announcements[1].contains(u"llano"_s),
             qPrintable(announcements[1]));
    QVERIFY2(announcements[2].contains(u"brrmp"_s), qPrintable(announcements[2]));
    // Shown in the status line too, which is what screen readers are told about.
    QCOMPARE(t.Get<QLabel>("announcement")->accessibleName(), announcements.last());
}

void ComfortTest::marksKeepTheirContrast() {
    for (const ui::BarMark mark :
         {ui::BarMark::Alternatives, ui::BarMark::NotFound, ui::BarMark::OneCandidate}) {
        const QTextCharFormat format = ui::BarHighlighter::Format(mark);
        QVERIFY(Contrast(format.foreground().color(), format.background().color()) >= 4.5);
    }
}

void ComfortTest::classicModeAndContextAccentsSwitchTheEngine() {
    TestWindow t;
    auto* classic = t.window().findChild<QAction*>(u"classicModeAction"_s);
    auto* context = t.window().findChild<QAction*>(u"contextAccentsAction"_s);
    QVERIFY(classic->isCheckable() && !classic->isChecked());
    QVERIFY(context->isCheckable() && context->isChecked() && context->isEnabled());
    QCOMPARE(t.window().engine().Options, EngineOptions{});

    context->trigger();
    QVERIFY(!t.window().engine().Options.ContextAccents);
    context->trigger();
    classic->trigger();
    QVERIFY(t.window().engine().Options.Classic);
    QVERIFY(!context->isEnabled()); // classic mode has no accents from context
    const QString input = u"aber si yano ay. Mi hermano esta en casa"_s;
    t.Convert(input);
    QCOMPARE(t.OutputBox()->toPlainText(), t.Reference(input));
    classic->trigger();
    QCOMPARE(t.window().engine().Options, EngineOptions{});
    QVERIFY(context->isEnabled());
}

QTEST_MAIN(ComfortTest)
#include "tst_comfort.moc"
