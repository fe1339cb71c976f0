// A window on a small vocabulary in a temporary data directory, with scripted
// dialogs, and the typing and clicking the tests drive it with.
#pragma once

#include "engine/engine.h"
#include "support/scripted_dialogs.h"
#include "ui/main_window.h"
#include "vocabulary/paths.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace vorlen::test {

using namespace Qt::Literals::StringLiterals;

// The words of the tests' vocabulary.
QStringList DefaultWords();

// A 30-line vocabulary file in Windows-1252 holding the words.
void WriteVocabulary(const QString& path, const QStringList& words);

class TestWindow {
  public:
    explicit TestWindow(const QStringList& words = DefaultWords());
    ~TestWindow();

    ui::MainWindow& window() { return *window_; }
    ScriptedDialogs& dialogs() { return *dialogs_; }
    PathOptions Paths() const;
    QString FilePath(const QString& name) const { return dir_.filePath(name); }

    template <typename Control>
    Control* Get(const char* name) {
        return window_->findChild<Control*>(QString::fromLatin1(name));
    }
    QPlainTextEdit* Text1() { return Get<QPlainTextEdit>("Text1"); }
    QPlainTextEdit* Text2() { return Get<QPlainTextEdit>("Text2"); }
    void Click(const char* control);
    void Trigger(const char* menuItem);

  private:
    QTemporaryDir dir_;
    ScriptedDialogs* dialogs_ = nullptr; // owned by the window
    std::unique_ptr<ui::MainWindow> window_;
};

// An engine on the same vocabulary, with the given options: what the window
// must agree with.
Engine ReferenceEngine(const PathOptions& paths, const EngineOptions& options);
QString ReferenceConversion(const PathOptions& paths, const EngineOptions& options,
                            const QString& input);

// Key presses and releases for each character (Spanish letters included;
// "\n" is the Enter key, "\b" Backspace).
void TypeText(QWidget* widget, const QString& text);
void PressBackspace(QWidget* widget);
// A left click on the character at `index` (0-based) of the box.
void ClickCharacter(QPlainTextEdit* box, int index);

QString ReadFile(const QString& path);
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

} // namespace vorlen::test
