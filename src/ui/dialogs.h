// The modal dialogs the window shows. The window asks through this interface
// so that a test can answer in place of a person; by default the answers come
// from the real Qt dialogs.
#pragma once

#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace vorlen::ui {

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // The chosen file's full path, or nothing when the user cancelled.
    // `start` is the file name remembered from the last confirmed dialog, or
    // before the first one the folder where the dialog opens.
    virtual std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& start) = 0;
    virtual std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& start) = 0;

    // A message with an OK button; an empty title leaves the program's name.
    virtual void ShowMessage(QWidget* parent, const QString& title, const QString& text) = 0;

    // A one-line question; nothing when the user cancelled.
    virtual std::optional<QString> AskText(QWidget* parent, const QString& prompt,
                                           const QString& defaultAnswer) = 0;

    virtual void Beep() = 0;
};

// The file filter of every file dialog, the first entry preselected.
QString TextFileFilter();

std::unique_ptr<Dialogs> MakeQtDialogs();

} // namespace vorlen::ui
