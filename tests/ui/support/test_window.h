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

class TestWindow {
  public:
    // `settingsFile`: what the window remembers between runs; empty for a
    // fresh file in the window's temporary directory.
    explicit TestWindow(const QString& settingsFile = {});
    ~TestWindow();

    ui::MainWindow& window() { return *window_; }
    ScriptedDialogs& dialogs() { return *dialogs_; }
    PathOptions Paths() const;
    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    // What the window remembers between runs, kept in the temporary directory.
    QString SettingsFile() const { return settingsFile_; }

    template <typename Control>
    Control* Get(const char* name) {
        return window_->findChild<Control*>(QString::fromLatin1(name));
    }
    QPlainTextEdit* InputBox() { return Get<QPlainTextEdit>("inputBox"); }
    QPlainTextEdit* OutputBox() { return Get<QPlainTextEdit>("outputBox"); }
    void Click(const char* control);
    void Click(const QStringList& controls);
    void Trigger(const char* menuItem);
    // inputBox holds `text`, then Convert is clicked.
    void Convert(const QString& text);
    // What the engine alone makes of `input` with the window's options, or
    // with `options`.
    QString Reference(const QString& input);
    QString Reference(const QString& input, const EngineOptions& options);

  private:
    QTemporaryDir dir_;
    QString settingsFile_;
    ScriptedDialogs* dialogs_ = nullptr; // owned by the window
    std::unique_ptr<ui::MainWindow> window_;
};

// Key presses and releases for each character, sent as QKeyEvents (Spanish
// letters included; "\n" is the Enter key, "\b" Backspace).
void TypeText(QWidget* widget, const QString& text);
// The middle of the character at `index` (0-based) of the box, in the
// coordinates of its viewport.
QPoint CharacterPoint(QPlainTextEdit* box, int index);
// A left click on the character at `index` (0-based) of the box.
void ClickCharacter(QPlainTextEdit* box, int index);

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

} // namespace vorlen::test
