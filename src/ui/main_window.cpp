// The window's start-up, its option boxes and its buttons.
#include "ui/main_window.h"

#include "context/context_load.h"
#include "conversion/text_driver.h"
#include "engine/engine.h"
#include "ui/immediate_typing.h"
#include "ui/messages.h"
#include "ui/text_box.h"
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

void MainWindow::ConnectControls() {
    connect(Check1, &QCheckBox::clicked, this, &MainWindow::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &MainWindow::Check2_Click);
    connect(Check3, &QCheckBox::clicked, this, &MainWindow::Check3_Click);
    connect(Check4, &QCheckBox::clicked, this, &MainWindow::Check4_Click);
    connect(Check5, &QCheckBox::clicked, this, &MainWindow::Check5_Click);
    connect(Check6, &QCheckBox::clicked, this, &MainWindow::Check6_Click);
    connect(Option1, &QRadioButton::clicked, this, &MainWindow::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &MainWindow::Option2_Click);
    connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MainWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &MainWindow::Command4_Click);
    connect(Text2, &QPlainTextEdit::textChanged, this, &MainWindow::Text2_Change);
    connect(opn, &QAction::triggered, this, &MainWindow::opn_Click);
    connect(sv, &QAction::triggered, this, &MainWindow::sv_Click);
    connect(sa, &QAction::triggered, this, &MainWindow::sa_Click);
    connect(ex, &QAction::triggered, this, &MainWindow::ex_Click);
    Text1->installEventFilter(this);
    Text2->viewport()->installEventFilter(this);
}

bool MainWindow::Form_Load(const PathOptions& paths) {
    show();
    SetCaptions(English());

    engine_->Options = EngineOptions{};
    engine_->Options.EnglishMessages = English();
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
            failure = QString::fromStdString(DescribeVocabularyError(error, English()));
        }
    }
    if (failure) {
        // Without its words the window could convert nothing.
        dialogs_->ShowMessage(this, QString(), *failure);
        close();
        return false;
    }
    FocusInput();
    return true;
}

bool MainWindow::English() const {
    return Check2->isChecked();
}

void MainWindow::FocusInput() {
    Text1->setFocus();
}

void MainWindow::Check1_Click() {
    const bool ignore = Check1->isChecked();
    try {
        for (const std::string& warning : ReloadVocabulary(*engine_, ignore))
            qWarning("vorlen: %s", warning.c_str());
    } catch (const VocabularyError& error) {
        // The words in use are still those of the other file: say so on the box.
        Check1->setChecked(ignore == 0);
        dialogs_->ShowMessage(this, QString(),
                              QString::fromStdString(DescribeVocabularyError(error, English())));
    }
    FocusInput();
}

void MainWindow::Check2_Click() {
    SetCaptions(English());
    engine_->Options.EnglishMessages = English();
    FocusInput();
}

void MainWindow::Check3_Click() {
    engine_->Options.CapsRule = Check3->isChecked() ? 1 : 0;
    FocusInput();
}

void MainWindow::Check4_Click() {
    engine_->Options.BarAfterChange = Check4->isChecked();
    FocusInput();
}

void MainWindow::Check5_Click() {
    engine_->Options.SimilarOnMiss = Check5->isChecked() ? 1 : 0;
    FocusInput();
}

void MainWindow::Check6_Click() {
    const bool on = Check6->isChecked();
    typing_->SetActive(on);
    Command1->setEnabled(!on);
    Command3->setEnabled(!on);
    FocusInput();
}

void MainWindow::Option1_Click() {
    engine_->Options.ChangeFoundWords = false;
    FocusInput();
}

void MainWindow::Option2_Click() {
    engine_->Options.ChangeFoundWords = true;
    FocusInput();
}

void MainWindow::Command1_Click() {
    if (converting_ || !Command1->isEnabled()) return;
    const QString input = BoxText(Text1);
    qsizetype words = 0;
    for (qsizetype k = 0; k < input.size(); ++k)
        if (IsWordLetter(input[k]) && (k == 0 || !IsWordLetter(input[k - 1]))) ++words;

    settingOutput_ = true;
    Text2->clear();
    pendingOutput_.clear();
    SetConverting(true, words);
    ConversionResult result;
    std::optional<QString> failure;
    {
        WaitCursor wait(Qt::BusyCursor);
        try {
            result = ConvertText(*engine_, input.toStdString(), [this](std::string_view piece) {
                return ShowConversionProgress(piece);
            });
        } catch (const std::exception& error) {
            // What was converted stays on view.
            result.Text = BoxText(Text2).toStdString() + pendingOutput_;
            failure = QString::fromUtf8(error.what());
        }
        Text2->setPlainText(QString::fromStdString(result.Text));
    }
    SetConverting(false, 0);
    settingOutput_ = false;

    if (failure) dialogs_->ShowMessage(this, QString(), *failure);
    if (result.AnnounceEnd) {
        dialogs_->Beep();
        dialogs_->ShowMessage(this, QString(), QString::fromStdString(EndMessage(*engine_)));
    }
    FocusInput();
    convertedSaved_ = false;
    if (closeAfterConversion_) {
        closeAfterConversion_ = false;
        close();
    }
}

// While converting, the controls that reach the engine or the boxes are off
// and the progress bar shows how many words are done.
void MainWindow::SetConverting(bool on, qsizetype words) {
    converting_ = on;
    stopConversion_ = false;
    centralWidget()->setEnabled(!on);
    menuBar()->setEnabled(!on);
    progress_->setRange(0, static_cast<int>(std::min<qsizetype>(words, INT_MAX)));
    progress_->setValue(0);
    statusBar()->setVisible(on);
    lastRefresh_ = QDateTime::currentMSecsSinceEpoch();
    if (on) QCoreApplication::processEvents();
}

// The output box grows as the conversion goes; a few times a second the
// window handles its events, so it can be moved, redrawn or closed.
bool MainWindow::ShowConversionProgress(std::string_view piece) {
    pendingOutput_.append(piece);
    const QString text = QString::fromUtf8(piece.data(), static_cast<qsizetype>(piece.size()));
    if (std::any_of(text.begin(), text.end(), IsWordLetter))
        progress_->setValue(std::min(progress_->value() + 1, progress_->maximum()));
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastRefresh_ < kRefreshMilliseconds) return !stopConversion_;
    lastRefresh_ = now;
    const std::size_t whole = WholeCharacters(pendingOutput_);
    QTextCursor end(Text2->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString::fromUtf8(pendingOutput_.data(), static_cast<qsizetype>(whole)));
    pendingOutput_.erase(0, whole);
    QCoreApplication::processEvents();
    return !stopConversion_;
}

void MainWindow::Command2_Click() {
    settingOutput_ = true;
    Text1->clear();
    Text2->clear();
    settingOutput_ = false;
    if (typing_->Active()) typing_->Restart(true);
    engine_->CurrentWord.clear();
    engine_->CurrentChar.clear();
    FocusInput();
}

void MainWindow::Command3_Click() {
    if (!Command3->isEnabled()) return;
    const QString text = BoxText(Text2);
    if (barSearch_.position <= 0) barSearch_.position = 1;
    if (text.isEmpty()) return;
    const qsizetype bar = FindNextBar(barSearch_, text);
    if (bar < 0) {
        dialogs_->ShowMessage(this, QString(), EndOfTextMessage(English()));
        return;
    }
    Text2->setFocus();
    QTextCursor cursor = Text2->textCursor();
    cursor.setPosition(static_cast<int>(bar));
    cursor.setPosition(static_cast<int>(bar + 1), QTextCursor::KeepAnchor);
    Text2->setTextCursor(cursor);
}

void MainWindow::Command4_Click() {
    dialogs_->ShowMessage(this, InstructionsTitle(English()), InstructionsText(English()));
    FocusInput();
}

} // namespace vorlen::ui
