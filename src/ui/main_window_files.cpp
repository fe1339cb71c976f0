// The File menu: opening a text into the input box, saving the converted text,
// and leaving with the offer to save it.
#include "engine/engine.h"
#include "ui/captions.h"
#include "ui/immediate_typing.h"
#include "ui/main_window.h"
#include "ui/messages.h"
#include "ui/text_box.h"
#include "ui/window_settings.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace vorlen::ui {

namespace {

QString FullPath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

void MainWindow::openFile() {
    openCompleted_ = false;
    const auto chosen = dialogs_->ChooseFileToOpen(this, dialogStart());
    if (!chosen) return;
    openPath(*chosen);
}

void MainWindow::openPath(const QString& path) {
    if (converting_) return;
    openCompleted_ = false;
    fileName_ = FullPath(path);
    const ReadTextResult read = ReadTextFile(fileName_);
    if (read.error != 0) {
        // The input box keeps its text: nothing of the file replaced it.
        reportFileError(read.error);
        return;
    }
    inputBox->setPlainText(read.text);
    fileFormat_ = read.format;
    openCompleted_ = true;
    setWindowTitle(FileWindowTitle(fileName_));
    rememberFile(fileName_);
    if (typing_->Active()) typing_->Restart(true);
    focusInput();
}

SaveOutcome MainWindow::save() {
    return saveTo(false);
}

SaveOutcome MainWindow::saveAs() {
    return saveTo(true);
}

// Every failed save is reported: `openCompleted_` only silences the errors of
// an open that had already read its file.
SaveOutcome MainWindow::saveTo(bool askForName) {
    openCompleted_ = false;
    const QString text = BoxText(outputBox);
    if (text.isEmpty()) {
        dialogs_->ShowMessage(this, QString(), NoTextToSaveMessage(english()));
        return SaveOutcome::NothingToSave;
    }
    if (askForName || fileName_.isEmpty()) {
        const auto chosen = dialogs_->ChooseFileToSave(this, dialogStart());
        if (!chosen) return SaveOutcome::Cancelled;
        fileName_ = FullPath(*chosen);
    }
    if (const int error = WriteTextFile(fileName_, text, fileFormat_); error != 0) {
        reportFileError(error);
        return SaveOutcome::Failed;
    }
    convertedSaved_ = true;
    setWindowTitle(FileWindowTitle(fileName_));
    rememberFile(fileName_);
    return SaveOutcome::Saved;
}

// The file last opened or saved comes first in Archivo, and its folder is
// where the next file dialog opens in a later run.
void MainWindow::rememberFile(const QString& path) {
    settings_->AddRecentFile(path);
    settings_->SetLastFolder(QFileInfo(path).absolutePath());
    updateRecentFiles();
}

// The remembered file name; before the first dialog, the folder of the last
// file of an earlier run, else the data directory (the process's current
// directory is never changed).
QString MainWindow::dialogStart() const {
    if (!fileName_.isEmpty()) return fileName_;
    const QString folder = settings_->LastFolder();
    if (!folder.isEmpty() && QDir(folder).exists()) return folder;
    return QString::fromStdString(engine_->Paths.DataDirectory.string());
}

void MainWindow::reportFileError(int errorNumber) {
    if (openCompleted_) return;
    dialogs_->ShowMessage(this, QString(), FileErrorMessage(fileName_, errorNumber));
}

void MainWindow::exitProgram() {
    close();
}

// The window's close button and the Exit item both come here, so converted
// text is never thrown away without the offer to save it.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (converting_) {
        // The conversion stops first; the offer to save follows.
        stopConversion_ = true;
        closeAfterConversion_ = true;
        event->ignore();
        return;
    }
    if (!offerToSaveBeforeExit()) {
        event->ignore();
        return;
    }
    settings_->SetGeometry(saveGeometry());
    event->accept();
}

// False when the program must stay open: the save the user asked for failed
// and the converted text would be lost.
bool MainWindow::offerToSaveBeforeExit() {
    if (convertedSaved_) return true;
    const auto answer =
        dialogs_->AskText(this, SaveBeforeExitPrompt(english()), DefaultExitAnswer());
    if (!answer || !AnswerMeansSave(*answer, english())) return true;
    return saveAs() != SaveOutcome::Failed;
}

} // namespace vorlen::ui
