// The File menu: opening a text into the input box, saving the converted text,
// and leaving with the offer to save it.
#include "engine/engine.h"
#include "ui/captions.h"
#include "ui/immediate_typing.h"
#include "ui/main_window.h"
#include "ui/messages.h"
#include "ui/text_box.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace vorlen::ui {

namespace {

QString FullPath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

void MainWindow::opn_Click() {
    openCompleted_ = false;
    const auto chosen = dialogs_->ChooseFileToOpen(this, DialogStart());
    if (!chosen) return;
    fileName_ = FullPath(*chosen);
    const ReadTextResult read = ReadTextFile(fileName_);
    if (read.error != 0) {
        // The input box keeps its text: nothing of the file replaced it.
        ReportFileError(read.error);
        return;
    }
    Text1->setPlainText(read.text);
    fileFormat_ = read.format;
    openCompleted_ = true;
    setWindowTitle(FileWindowTitle(fileName_));
    if (typing_->Active()) typing_->Restart(true);
    FocusInput();
}

SaveOutcome MainWindow::sv_Click() {
    return Save(false);
}

SaveOutcome MainWindow::sa_Click() {
    return Save(true);
}

// Every failed save is reported: `openCompleted_` only silences the errors of
// an open that had already read its file.
SaveOutcome MainWindow::Save(bool askForName) {
    openCompleted_ = false;
    const QString text = BoxText(Text2);
    if (text.isEmpty()) {
        dialogs_->ShowMessage(this, QString(), NoTextToSaveMessage(English()));
        return SaveOutcome::NothingToSave;
    }
    if (askForName || fileName_.isEmpty()) {
        const auto chosen = dialogs_->ChooseFileToSave(this, DialogStart());
        if (!chosen) return SaveOutcome::Cancelled;
        fileName_ = FullPath(*chosen);
    }
    if (const int error = WriteTextFile(fileName_, text, fileFormat_); error != 0) {
        ReportFileError(error);
        return SaveOutcome::Failed;
    }
    convertedSaved_ = true;
    setWindowTitle(FileWindowTitle(fileName_));
    return SaveOutcome::Saved;
}

// The remembered file name; before the first dialog, the data directory (the
// process's current directory is never changed).
QString MainWindow::DialogStart() const {
    if (!fileName_.isEmpty()) return fileName_;
    return QString::fromStdString(engine_->Paths.DataDirectory.string());
}

void MainWindow::ReportFileError(int errorNumber) {
    if (openCompleted_) return;
    dialogs_->ShowMessage(this, QString(), FileErrorMessage(fileName_, errorNumber));
}

void MainWindow::ex_Click() {
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
    if (OfferToSaveBeforeExit())
        event->accept();
    else
        event->ignore();
}

// False when the program must stay open: the save the user asked for failed
// and the converted text would be lost.
bool MainWindow::OfferToSaveBeforeExit() {
    if (convertedSaved_) return true;
    const auto answer =
        dialogs_->AskText(this, SaveBeforeExitPrompt(English()), DefaultExitAnswer());
    if (!answer || !AnswerMeansSave(*answer, English())) return true;
    return sa_Click() != SaveOutcome::Failed;
}

} // namespace vorlen::ui
