// The window at start-up, its captions in both languages, what each option
// control hands to the engine, and the instructions.
#include "support/test_window.h"
#include "ui/captions.h"
#include "ui/window_font.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>

Q_DECLARE_METATYPE(vorlen::EngineOptions)

using namespace vorlen;
using namespace vorlen::test;

namespace {

QString CaptionOf(QWidget* control) {
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return {};
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void startsWithTheDesignState();
    void fontFallsBackToLiberationMono();
    void captionsSwitchAndSwitchBack();
    void optionControlsSetTheEngine();
    void immediateModeGreysConvertAndFind();
    void brokenVocabularyEndsTheProgram_data();
    void brokenVocabularyEndsTheProgram();
    void failedReloadLeavesTheDiacriticsBoxAsTheWordsInUse();
    void instructionsQuoteTheCaptionsShown();
};

void MainWindowTest::startsWithTheDesignState() {
    TestWindow t;
    QCOMPARE(t.window().windowTitle(), u"Vorlenta de Deletreo / Spanish Spelling Vorlenter"_s);
    for (const char* ticked : {"capsRuleBox", "similarWordsBox", "keepFoundWordsOption"})
        QVERIFY2(t.Get<QAbstractButton>(ticked)->isChecked(), ticked);
    for (const char* clear : {"ignoreDiacriticsBox", "englishBox", "barAfterChangeBox",
                              "immediateModeBox", "changeFoundWordsOption"})
        QVERIFY2(!t.Get<QAbstractButton>(clear)->isChecked(), clear);
    QCOMPARE(t.window().engine().Options, EngineOptions{});
    QVERIFY(t.window().convertedSaved());
    QVERIFY(t.dialogs().messages.isEmpty());

    // Tab order; the option buttons of the frame take one stop each.
    QStringList order;
    QWidget* w = t.InputBox();
    do {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isEnabled()) order.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != t.InputBox());
    QCOMPARE(order, QStringList({u"inputBox"_s, u"outputBox"_s, u"keepFoundWordsOption"_s,
                                 u"changeFoundWordsOption"_s, u"convertButton"_s, u"clearButton"_s,
                                 u"findNextBarButton"_s, u"ignoreDiacriticsBox"_s, u"englishBox"_s,
                                 u"capsRuleBox"_s, u"instructionsButton"_s, u"barAfterChangeBox"_s,
                                 u"similarWordsBox"_s, u"immediateModeBox"_s}));
}

void MainWindowTest::fontFallsBackToLiberationMono() {
    const QString courier = u"Courier New"_s, liberation = u"Liberation Mono"_s;
    QCOMPARE(ui::ChooseFontFamily({liberation, courier}, u"Mono"_s), courier);
    QCOMPARE(ui::ChooseFontFamily({u"Sans"_s, liberation}, u"Mono"_s), liberation);
    QCOMPARE(ui::ChooseFontFamily({u"Sans"_s}, u"Mono"_s), u"Mono"_s);
}

void MainWindowTest::captionsSwitchAndSwitchBack() {
    TestWindow t;
    QList<QWidget*> controls;
    QStringList design;
    for (const ui::Caption& c : ui::kCaptions) {
        controls.append(t.window().findChild<QWidget*>(QString::fromLatin1(c.control)));
        design.append(CaptionOf(controls.last()));
    }
    t.Click("englishBox");
    for (qsizetype k = 0; k < controls.size(); ++k)
        QVERIFY2(CaptionOf(controls[k]) != design[k], ui::kCaptions[k].control);
    // The window's caption and the menu stay Spanish.
    QCOMPARE(t.window().windowTitle(), ui::StartWindowTitle());
    const QString menu = t.window().findChild<QMenu*>(u"fileMenu"_s)->title();
    t.Click("englishBox");
    QCOMPARE(t.window().findChild<QMenu*>(u"fileMenu"_s)->title(), menu);
    for (qsizetype k = 0; k < controls.size(); ++k)
        QCOMPARE(CaptionOf(controls[k]), design[k]);
}

void MainWindowTest::optionControlsSetTheEngine() {
    TestWindow t;
    t.Click({u"ignoreDiacriticsBox"_s, u"englishBox"_s, u"capsRuleBox"_s, u"barAfterChangeBox"_s,
             u"similarWordsBox"_s, u"changeFoundWordsOption"_s});
    EngineOptions o;
    o.IgnoreDiacritics = true;
    o.EnglishMessages = true;
    o.CapsRule = false;
    o.BarAfterChange = true;
    o.SimilarOnMiss = false;
    o.ChangeFoundWords = true;
    QCOMPARE(t.window().engine().Options, o);
    t.Click({u"ignoreDiacriticsBox"_s, u"englishBox"_s, u"capsRuleBox"_s, u"barAfterChangeBox"_s,
             u"similarWordsBox"_s, u"keepFoundWordsOption"_s});
    QCOMPARE(t.window().engine().Options, EngineOptions{});
    QVERIFY(t.dialogs().messages.isEmpty());
}

void MainWindowTest::immediateModeGreysConvertAndFind() {
    TestWindow t;
    t.InputBox()->setPlainText(u"aber si yano"_s);
    t.Click("immediateModeBox");
    QCOMPARE(t.window().engine().Options.ImmediateMode, 1);
    QVERIFY(t.InputBox()->toPlainText().isEmpty());
    QVERIFY(!t.Get<QPushButton>("convertButton")->isEnabled());
    QVERIFY(!t.Get<QPushButton>("findNextBarButton")->isEnabled());
    QVERIFY(t.Get<QPushButton>("clearButton")->isEnabled());

    t.InputBox()->setPlainText(u"hola"_s);
    t.Click("immediateModeBox");
    QCOMPARE(t.window().engine().Options.ImmediateMode, 0);
    QVERIFY(t.Get<QPushButton>("convertButton")->isEnabled());
    QVERIFY(t.Get<QPushButton>("findNextBarButton")->isEnabled());
    QCOMPARE(t.InputBox()->toPlainText(), u"hola"_s);
}

void MainWindowTest::brokenVocabularyEndsTheProgram_data() {
    QTest::addColumn<QByteArray>("contents"); // empty: no file at all
    QTest::addColumn<QString>("problem");
    QTest::newRow("missing") << QByteArray() << u"No existe el archivo de vocabulario "_s;
    QTest::newRow("three lines") << QByteArray("|a|\r\n|b|\r\n|c|\r\n")
                                 << u" tiene solo 3 líneas"_s;
}

void MainWindowTest::brokenVocabularyEndsTheProgram() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"spanall.txt"_s);
    if (!contents.isEmpty()) WriteBytes(file, contents);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& shown = *dialogs;
    ui::MainWindow window(std::move(dialogs), dir.filePath(u"settings.ini"_s));
    PathOptions paths;
    paths.Vocabulary = file.toStdString();
    paths.DataDirectory = dir.filePath(u"data"_s).toStdString();
    QVERIFY(!window.start(paths));
    QCOMPARE(shown.messages.size(), 1);
    QVERIFY2(shown.messages[0].contains(problem), qPrintable(shown.messages[0]));
    QVERIFY2(shown.messages[0].contains(u"spanall.txt"_s), qPrintable(shown.messages[0]));
    QVERIFY(!window.isVisible());
}

void MainWindowTest::failedReloadLeavesTheDiacriticsBoxAsTheWordsInUse() {
    TestWindow t;
    // Without the main file in the data directory the file without diacritics
    // cannot be built.
    std::filesystem::remove_all(*t.Paths().DataDirectory);
    t.Click("ignoreDiacriticsBox");
    QCOMPARE(t.dialogs().messages.size(), 1);
    QVERIFY(!t.Get<QCheckBox>("ignoreDiacriticsBox")->isChecked());
    QCOMPARE(t.window().engine().Options.IgnoreDiacritics, 0);
}

void MainWindowTest::instructionsQuoteTheCaptionsShown() {
    // The instructions name the boxes and the button by their captions, in
    // quotes: each must be one the window shows in that language.
    TestWindow t;
    const QRegularExpression quoted(u"\"([^\"]+)\""_s);
    for (const bool english : {false, true}) {
        if (english) t.Click("englishBox");
        t.Click("instructionsButton");
        QStringList shown;
        for (QWidget* control : t.window().centralWidget()->findChildren<QWidget*>())
            shown.append(CaptionOf(control).remove(u':'));
        int quotes = 0;
        for (const QRegularExpressionMatch& match :
             quoted.globalMatch(t.dialogs().messages.last())) {
            ++quotes;
            QVERIFY2(shown.contains(match.captured(1)), qPrintable(match.captured(1)));
        }
        QCOMPARE(quotes, 3);
    }
    QVERIFY(t.dialogs().titles[0] != t.dialogs().titles[1]);
    QVERIFY(t.dialogs().messages[0] != t.dialogs().messages[1]);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
