// The window's start-up, its option boxes and its buttons.
#include "ui/main_window.h"

#include "context/context_load.h"
#include "conversion/text_driver.h"
#include "engine/engine.h"
#include "ui/bar_marks.h"
#include "ui/captions.h"
#include "ui/immediate_typing.h"
#include "ui/messages.h"
#include "ui/text_box.h"
#include "ui/window_settings.h"
#include "ui/written_words.h"
#include "vocabulary/paths.h"
#include "vocabulary/vocabulary_file.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextCursor>
#include <algorithm>
#include <climits>
#include <exception>
#include <optional>

namespace vorlen::ui {

namespace {

class WaitCursor {
  public:
    explicit WaitCursor(Qt::CursorShape shape) { QApplication::setOverrideCursor(shape); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// How often a long conversion shows the output as it grows and lets the
// window handle its events.
constexpr qint64 kRefreshMilliseconds = 50;

// The length of the longest start of `bytes` that holds whole UTF-8 characters.
std::size_t WholeCharacters(std::string_view bytes) {
    std::size_t end = bytes.size();
    std::size_t back = 0;
    while (back < 3 && back < end &&
           (static_cast<unsigned char>(bytes[end - 1 - back]) & 0xC0) == 0x80)
        ++back;
    if (back < end) {
        const auto lead = static_cast<unsigned char>(bytes[end - 1 - back]);
        const std::size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (needed > back + 1) return end - 1 - back;
    }
    return end;
}

} // namespace

void MainWindow::connectControls() {
    connect(ignoreDiacriticsBox, &QCheckBox::clicked, this, &MainWindow::applyIgnoreDiacritics);
    connect(englishBox, &QCheckBox::clicked, this, &MainWindow::switchLanguage);
    connect(capsRuleBox, &QCheckBox::clicked, this, &MainWindow::applyCapsRule);
    connect(barAfterChangeBox, &QCheckBox::clicked, this, &MainWindow::applyBarAfterChange);
    connect(similarWordsBox, &QCheckBox::clicked, this, &MainWindow::applySimilarWords);
    connect(immediateModeBox, &QCheckBox::clicked, this, &MainWindow::applyImmediateMode);
    connect(keepFoundWordsOption, &QRadioButton::clicked, this, &MainWindow::keepFoundWords);
    connect(changeFoundWordsOption, &QRadioButton::clicked, this, &MainWindow::changeFoundWords);
    connect(convertButton, &QPushButton::clicked, this, &MainWindow::convertText);
    connect(clearButton, &QPushButton::clicked, this, &MainWindow::clearBoxes);
    connect(findNextBarButton, &QPushButton::clicked, this, &MainWindow::findNextBar);
    connect(instructionsButton, &QPushButton::clicked, this, &MainWindow::showInstructions);
    connect(outputBox, &QPlainTextEdit::textChanged, this, &MainWindow::noteOutputEdited);
    connect(outputBox, &QPlainTextEdit::cursorPositionChanged, this, &MainWindow::showNoteAtCaret);
    connect(openAction, &QAction::triggered, this, &MainWindow::openFile);
    connect(saveAction, &QAction::triggered, this, &MainWindow::save);
    connect(saveAsAction, &QAction::triggered, this, &MainWindow::saveAs);
    connect(exitAction, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(findNextBarAction, &QAction::triggered, this, &MainWindow::findNextBar);
    connect(classicModeAction, &QAction::triggered, this, &MainWindow::applyClassicMode);
    connect(contextAccentsAction, &QAction::triggered, this, &MainWindow::applyContextAccents);
    inputBox->installEventFilter(this);
    outputBox->installEventFilter(this);
    outputBox->viewport()->installEventFilter(this);
}

bool MainWindow::start(const PathOptions& paths) {
    const QByteArray geometry = settings_->Geometry();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        const QScreen* shown = screen();
        if (shown != nullptr) {
            resize(FirstStartSize(size(), shown->availableGeometry().size()));
            move(shown->availableGeometry().center() - rect().center());
        }
    }
    show();
    setCaptions(english());

    engine_->Options = EngineOptions{};
    engine_->Options.EnglishMessages = english();
    classicModeAction->setChecked(engine_->Options.Classic);
    contextAccentsAction->setChecked(engine_->Options.ContextAccents);
    contextAccentsAction->setEnabled(!engine_->Options.Classic);
    barSearch_ = BarSearch{};
    convertedSaved_ = true;

    PathOptions located = paths;
    if (located.ProgramFile.empty()) located.ProgramFile = CurrentProgramFile();
    engine_->Paths = ResolveVocabularyPaths(located);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    std::optional<QString> failure;
    {
        WaitCursor wait(Qt::WaitCursor);
        try {
            for (const std::string& warning : LoadVocabulary(*engine_))
                qWarning("vorlen: %s", warning.c_str());
            for (const std::string& warning : LoadContextAccents(*engine_))
                qWarning("vorlen: %s", warning.c_str());
        } catch (const VocabularyError& error) {
            failure = QString::fromStdString(DescribeVocabularyError(error, english()));
        }
    }
    if (failure) {
        // Without its words the window could convert nothing.
        dialogs_->ShowMessage(this, QString(), *failure);
        close();
        return false;
    }
    focusInput();
    return true;
}

bool MainWindow::english() const {
    return englishBox->isChecked();
}

void MainWindow::focusInput() {
    inputBox->setFocus();
}

void MainWindow::applyIgnoreDiacritics() {
    const bool ignore = ignoreDiacriticsBox->isChecked();
    try {
        for (const std::string& warning : ReloadVocabulary(*engine_, ignore))
            qWarning("vorlen: %s", warning.c_str());
    } catch (const VocabularyError& error) {
        // The words in use are still those of the other file: say so on the box.
        ignoreDiacriticsBox->setChecked(!ignore);
        dialogs_->ShowMessage(this, QString(),
                              QString::fromStdString(DescribeVocabularyError(error, english())));
    }
    focusInput();
}

void MainWindow::switchLanguage() {
    setCaptions(english());
    engine_->Options.EnglishMessages = english();
    focusInput();
}

void MainWindow::applyCapsRule() {
    engine_->Options.CapsRule = capsRuleBox->isChecked();
    focusInput();
}

void MainWindow::applyBarAfterChange() {
    engine_->Options.BarAfterChange = barAfterChangeBox->isChecked();
    focusInput();
}

void MainWindow::applySimilarWords() {
    engine_->Options.SimilarOnMiss = similarWordsBox->isChecked();
    focusInput();
}

void MainWindow::applyImmediateMode() {
    const bool on = immediateModeBox->isChecked();
    typing_->SetActive(on);
    convertButton->setEnabled(!on);
    findNextBarButton->setEnabled(!on);
    focusInput();
}

void MainWindow::keepFoundWords() {
    engine_->Options.ChangeFoundWords = false;
    focusInput();
}

void MainWindow::changeFoundWords() {
    engine_->Options.ChangeFoundWords = true;
    focusInput();
}

// Classic mode turns every improvement off, accents from context included, so
// that entry has no effect while it is on.
void MainWindow::applyClassicMode() {
    engine_->Options.Classic = classicModeAction->isChecked();
    contextAccentsAction->setEnabled(!engine_->Options.Classic);
    focusInput();
}

void MainWindow::applyContextAccents() {
    engine_->Options.ContextAccents = contextAccentsAction->isChecked();
    focusInput();
}

void MainWindow::convertText() {
    if (converting_ || !convertButton->isEnabled()) return;
    const QString input = BoxText(inputBox);
    qsizetype words = 0;
    for (qsizetype k = 0; k < input.size(); ++k)
        if (IsWordLetter(input[k]) && (k == 0 || !IsWordLetter(input[k - 1]))) ++words;

    settingOutput_ = true;
    outputBox->clear();
    pendingOutput_.clear();
    setConverting(true, words);
    ConversionResult result;
    ConversionDetail detail;
    std::optional<QString> failure;
    {
        WaitCursor wait(Qt::BusyCursor);
        const std::string bytes = input.toStdString();
        try {
            result = ConvertText(
                *engine_, bytes,
                [this](std::string_view piece) { return showConversionProgress(piece); }, &detail);
        } catch (const std::exception& error) {
            // What was converted stays on view.
            result.Text = BoxText(outputBox).toStdString() + pendingOutput_;
            failure = QString::fromUtf8(error.what());
            detail.ChangedWords.clear();
        }
        outputBox->setPlainText(QString::fromStdString(result.Text));
        const QList<WrittenWord> marked =
            MarkedWrittenWords(bytes, result.Text, detail.ChangedWords);
        AttachWrittenWords(outputBox, marked);
        MarkContextRestores(outputBox, result.Text, result.ContextRestores);
        announce(ConvertedAnnouncement(static_cast<int>(marked.size()), english()));
    }
    setConverting(false, 0);
    settingOutput_ = false;

    if (failure) dialogs_->ShowMessage(this, QString(), *failure);
    if (result.AnnounceEnd) {
        dialogs_->Beep();
        dialogs_->ShowMessage(this, QString(), QString::fromStdString(EndMessage(*engine_)));
    }
    focusInput();
    convertedSaved_ = false;
    if (closeAfterConversion_) {
        closeAfterConversion_ = false;
        close();
    }
}

// While converting, the controls that reach the engine or the boxes are off
// and the progress bar shows how many words are done.
void MainWindow::setConverting(bool on, qsizetype words) {
    converting_ = on;
    stopConversion_ = false;
    centralWidget()->setEnabled(!on);
    menuBar()->setEnabled(!on);
    progress_->setRange(0, static_cast<int>(std::min<qsizetype>(words, INT_MAX)));
    progress_->setValue(0);
    progress_->setVisible(on);
    lastRefresh_ = QDateTime::currentMSecsSinceEpoch();
    if (on) QCoreApplication::processEvents();
}

// The output box grows as the conversion goes; a few times a second the
// window handles its events, so it can be moved, redrawn or closed.
bool MainWindow::showConversionProgress(std::string_view piece) {
    pendingOutput_.append(piece);
    const QString text = QString::fromUtf8(piece.data(), static_cast<qsizetype>(piece.size()));
    if (std::any_of(text.begin(), text.end(), IsWordLetter))
        progress_->setValue(std::min(progress_->value() + 1, progress_->maximum()));
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastRefresh_ < kRefreshMilliseconds) return !stopConversion_;
    lastRefresh_ = now;
    const std::size_t whole = WholeCharacters(pendingOutput_);
    QTextCursor end(outputBox->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString::fromUtf8(pendingOutput_.data(), static_cast<qsizetype>(whole)));
    pendingOutput_.erase(0, whole);
    QCoreApplication::processEvents();
    return !stopConversion_;
}

void MainWindow::clearBoxes() {
    settingOutput_ = true;
    inputBox->clear();
    outputBox->clear();
    settingOutput_ = false;
    if (typing_->Active()) typing_->Restart(true);
    engine_->CurrentWord.clear();
    engine_->CurrentChar.clear();
    focusInput();
}

void MainWindow::findNextBar() {
    if (!findNextBarButton->isEnabled() || converting_) return;
    const QString text = BoxText(outputBox);
    if (barSearch_.position <= 0) barSearch_.position = 1;
    if (text.isEmpty()) return;
    const qsizetype bar = FindNextBar(barSearch_, text);
    if (bar < 0) {
        dialogs_->ShowMessage(this, QString(), EndOfTextMessage(english()));
        return;
    }
    outputBox->setFocus();
    QTextCursor cursor = outputBox->textCursor();
    cursor.setPosition(static_cast<int>(bar));
    cursor.setPosition(static_cast<int>(bar + 1), QTextCursor::KeepAnchor);
    outputBox->setTextCursor(cursor);
    if (const auto mark = FindMarkAt(text, bar + 1)) {
        QStringList words;
        for (const MarkedWord& word : mark->words)
            words.append(word.text);
        announce(MarkAnnouncement(mark->run.mark, words, english()));
    }
}

void MainWindow::showInstructions() {
    dialogs_->ShowMessage(this, InstructionsTitle(english()), InstructionsText(english()));
    focusInput();
}

} // namespace vorlen::ui
