// The window at start-up, its captions in both languages and what each option
// control hands to the engine.
#include "support/test_window.h"
#include "ui/captions.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
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
    void captionsSwitchAndSwitchBack();
    void optionControlsSetTheEngine_data();
    void optionControlsSetTheEngine();
    void immediateModeGreysConvertAndFind();
    void missingVocabularyIsReportedAndTheWindowStays();
    void failedReloadLeavesCheck1AsTheWordsInUse();
};

void MainWindowTest::startsWithTheDesignState() {
    TestWindow t;
    QCOMPARE(t.window().windowTitle(), u"Vorlenta de Deletreo / Spanish Spelling Vorlenter"_s);
    for (const char* ticked : {"Check3", "Check5"})
        QVERIFY2(t.Get<QCheckBox>(ticked)->isChecked(), ticked);
    for (const char* clear : {"Check1", "Check2", "Check4", "Check6"})
        QVERIFY2(!t.Get<QCheckBox>(clear)->isChecked(), clear);
    QVERIFY(t.Get<QRadioButton>("Option1")->isChecked());
    QVERIFY(!t.Get<QRadioButton>("Option2")->isChecked());
    QCOMPARE(t.window().engine().Options, EngineOptions{});
    QVERIFY(t.window().ConvertedSaved());
    QVERIFY(t.dialogs().messages.isEmpty());
}

void MainWindowTest::captionsSwitchAndSwitchBack() {
    TestWindow t;
    QList<QWidget*> controls;
    QStringList design;
    for (const ui::Caption& c : ui::kCaptions) {
        controls.append(t.window().findChild<QWidget*>(QString::fromLatin1(c.control)));
        design.append(CaptionOf(controls.last()));
    }
    QCOMPARE(CaptionOf(t.Get<QWidget>("Command1")), u"Convertir"_s);
    t.Click("Check2");
    QCOMPARE(CaptionOf(t.Get<QWidget>("Command1")), u"Convert"_s);
    QCOMPARE(CaptionOf(t.Get<QWidget>("Check2")), u"Capciones en inglés. English captions."_s);
    for (qsizetype k = 0; k < controls.size(); ++k)
        QVERIFY2(CaptionOf(controls[k]) != design[k], ui::kCaptions[k].control);
    // The window's caption and the menu stay Spanish.
    QCOMPARE(t.window().windowTitle(), ui::StartWindowTitle());
    QCOMPARE(t.window().findChild<QMenu*>(u"fl"_s)->title(), u"&Archivo"_s);
    QCOMPARE(t.window().findChild<QAction*>(u"sa"_s)->text(), u"Ahorrar &Como"_s);
    t.Click("Check2");
    for (qsizetype k = 0; k < controls.size(); ++k)
        QCOMPARE(CaptionOf(controls[k]), design[k]);
}

void MainWindowTest::optionControlsSetTheEngine_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<EngineOptions>("expected");
    EngineOptions o;
    o.CapsRule = 0;
    QTest::newRow("Check3 off: capitalised words are converted") << QStringList{u"Check3"_s} << o;
    o = {};
    o.BarAfterChange = true;
    QTest::newRow("Check4 on: bar after a single change") << QStringList{u"Check4"_s} << o;
    o = {};
    o.SimilarOnMiss = 0;
    QTest::newRow("Check5 off: no similar words") << QStringList{u"Check5"_s} << o;
    o = {};
    o.ChangeMode = "C";
    QTest::newRow("Option2: change mode C") << QStringList{u"Option2"_s} << o;
    QTest::newRow("Option2 then Option1: back to NC")
        << QStringList{u"Option2"_s, u"Option1"_s} << EngineOptions{};
    o = {};
    o.EnglishMessages = true;
    QTest::newRow("Check2 on: English messages") << QStringList{u"Check2"_s} << o;
    o = {};
    o.IgnoreDiacritics = 1;
    QTest::newRow("Check1 on: no diacritics") << QStringList{u"Check1"_s} << o;
    QTest::newRow("Check1 on and off") << QStringList{u"Check1"_s, u"Check1"_s} << EngineOptions{};
}

void MainWindowTest::optionControlsSetTheEngine() {
    QFETCH(QStringList, clicks);
    QFETCH(EngineOptions, expected);
    TestWindow t;
    for (const QString& name : clicks)
        t.Click(name.toLatin1().constData());
    QCOMPARE(t.window().engine().Options, expected);
    QVERIFY(t.dialogs().messages.isEmpty());
}

void MainWindowTest::immediateModeGreysConvertAndFind() {
    TestWindow t;
    t.Text1()->setPlainText(u"aber si yano"_s);
    t.Click("Check6");
    QCOMPARE(t.window().engine().Options.ImmediateMode, 1);
    QVERIFY(t.Text1()->toPlainText().isEmpty());
    QVERIFY(!t.Get<QPushButton>("Command1")->isEnabled());
    QVERIFY(!t.Get<QPushButton>("Command3")->isEnabled());
    QVERIFY(t.Get<QPushButton>("Command2")->isEnabled());
    QVERIFY(t.Get<QPushButton>("Command4")->isEnabled());

    t.Text1()->setPlainText(u"hola"_s);
    t.Click("Check6");
    QCOMPARE(t.window().engine().Options.ImmediateMode, 0);
    QVERIFY(t.Get<QPushButton>("Command1")->isEnabled());
    QVERIFY(t.Get<QPushButton>("Command3")->isEnabled());
    QCOMPARE(t.Text1()->toPlainText(), u"hola"_s);
}

void MainWindowTest::missingVocabularyIsReportedAndTheWindowStays() {
    QTemporaryDir dir;
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& shown = *dialogs;
    ui::MainWindow window(std::move(dialogs));
    PathOptions paths;
    paths.Vocabulary = dir.filePath(u"missing.txt"_s).toStdString();
    paths.DataDirectory = dir.filePath(u"data"_s).toStdString();
    window.Form_Load(paths);
    QCOMPARE(shown.messages.size(), 1);
    QVERIFY2(shown.messages[0].text.contains(u"missing.txt"_s), qPrintable(shown.messages[0].text));
    QVERIFY(window.isVisible());
}

void MainWindowTest::failedReloadLeavesCheck1AsTheWordsInUse() {
    TestWindow t;
    // Without the main file in the data directory the file without diacritics
    // cannot be built.
    std::filesystem::remove_all(*t.Paths().DataDirectory);
    t.Click("Check1");
    QCOMPARE(t.dialogs().messages.size(), 1);
    QVERIFY(!t.Get<QCheckBox>("Check1")->isChecked());
    QCOMPARE(t.window().engine().Options.IgnoreDiacritics, 0);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
