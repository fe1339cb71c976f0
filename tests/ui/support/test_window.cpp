#include "support/test_window.h"

#include "conversion/text_driver.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/vocabulary_file.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <vector>

namespace vorlen::test {

namespace {

// A 30-line vocabulary file in Windows-1252 holding the words.
void WriteVocabulary(const QString& path, const QStringList& words) {
    std::vector<std::string> lines(30);
    for (const QString& word : words) {
        const std::string bytes = *Utf8ToCp1252(word.toStdString());
        const int line = bytes[0] == "ñ"_w[0] ? 26 : bytes[0] - 'a';
        std::string& text = lines[static_cast<std::size_t>(line)];
        if (text.empty()) text = "|";
        text += bytes + "|";
    }
    WriteVocabularyLines(path.toStdString(), lines);
}

} // namespace

TestWindow::TestWindow(const QString& settingsFile)
    : settingsFile_(settingsFile.isEmpty() ? dir_.filePath(u"settings.ini"_s) : settingsFile) {
    WriteVocabulary(dir_.filePath(u"spanall.txt"_s),
                    {u"casa"_s,  u"vez"_s,   u"ves"_s,   u"ya"_s,   u"hay"_s,   u"ay"_s,
                     u"si"_s,    u"sí"_s,    u"haber"_s, u"a"_s,    u"ver"_s,   u"año"_s,
                     u"niño"_s,  u"hola"_s,  u"el"_s,    u"la"_s,   u"de"_s,    u"y"_s,
                     u"mundo"_s, u"llano"_s, u"perro"_s, u"gato"_s, u"jardín"_s});
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    window_ = std::make_unique<ui::MainWindow>(std::move(dialogs), SettingsFile());
    window_->start(Paths());
}

TestWindow::~TestWindow() = default;

PathOptions TestWindow::Paths() const {
    PathOptions paths;
    paths.Vocabulary = dir_.filePath(u"spanall.txt"_s).toStdString();
    paths.DataDirectory = dir_.filePath(u"data"_s).toStdString();
    return paths;
}

void TestWindow::Click(const char* control) {
    auto* button = Get<QAbstractButton>(control);
    QVERIFY2(button != nullptr, control);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestWindow::Click(const QStringList& controls) {
    for (const QString& name : controls)
        Click(name.toLatin1().constData());
}

void TestWindow::Trigger(const char* menuItem) {
    auto* action = window_->findChild<QAction*>(QString::fromLatin1(menuItem));
    QVERIFY2(action != nullptr, menuItem);
    action->trigger();
}

void TestWindow::Convert(const QString& text) {
    InputBox()->setPlainText(text);
    Click("convertButton");
}

QString TestWindow::Reference(const QString& input) {
    return Reference(input, window_->engine().Options);
}

QString TestWindow::Reference(const QString& input, const EngineOptions& options) {
    Engine engine;
    engine.Paths = ResolveVocabularyPaths(Paths());
    LoadVocabulary(engine);
    if (options.IgnoreDiacritics) ReloadVocabulary(engine, true);
    engine.Options = options;
    return QString::fromStdString(ConvertText(engine, input.toStdString()).Text);
}

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const bool ascii = c.unicode() < 0x80 && c.isLetter();
        const int key = c == u'\b'   ? Qt::Key_Backspace
                        : c == u'\n' ? Qt::Key_Return
                        : c == u' '  ? Qt::Key_Space
                        : ascii      ? Qt::Key_A + (c.toUpper().unicode() - u'A')
                                     : 0;
        const QString sent = c == u'\n' ? u"\r"_s : QString(c);
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, sent);
            QApplication::sendEvent(widget, &event);
        }
    }
}

QPoint CharacterPoint(QPlainTextEdit* box, int index) {
    QTextCursor cursor(box->document());
    cursor.setPosition(index);
    const QRect before = box->cursorRect(cursor);
    cursor.setPosition(index + 1);
    const QRect after = box->cursorRect(cursor);
    return {(before.center().x() + after.center().x()) / 2, before.center().y()};
}

void ClickCharacter(QPlainTextEdit* box, int index) {
    QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, CharacterPoint(box, index));
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

} // namespace vorlen::test
