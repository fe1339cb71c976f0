// The program's one window: the input and output boxes, the buttons, the
// option boxes and the menus. Each handler is named after what it does; the
// engine behind it is Qt-free and owned here.
#pragma once

#include "ui/bar_search.h"
#include "ui/dialogs.h"
#include "ui/qt_translation.h"
#include "ui/text_file.h"

#include <QMainWindow>
#include <memory>
#include <string>
#include <string_view>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vorlen {
struct Engine;
struct PathOptions;
} // namespace vorlen

namespace vorlen::ui {

class ImmediateTyping;
class WindowSettings;
struct MarkAtCaret;

enum class SaveOutcome { Saved, NothingToSave, Cancelled, Failed };

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `settingsFile`: where size, place, last folder and recent files are
    // kept; empty for the user's settings.
    explicit MainWindow(std::unique_ptr<Dialogs> dialogs = MakeQtDialogs(),
                        const QString& settingsFile = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: shows the window, sets the captions and the engine's defaults,
    // loads the vocabulary and gives the input box the focus. When the
    // vocabulary cannot be loaded, says so, closes the window and returns false:
    // the program ends.
    bool start(const PathOptions& paths);

    const Engine& engine() const { return *engine_; }
    bool convertedSaved() const { return convertedSaved_; }
    const QString& fileName() const { return fileName_; }
    bool qtTextsSpanish() const { return qtTranslation_.SpanishInstalled(); }

    // The option boxes and menu entries: each hands its state to the engine.
    void applyIgnoreDiacritics();
    void switchLanguage();
    void applyCapsRule();
    void applyBarAfterChange();
    void applySimilarWords();
    void applyImmediateMode();
    void keepFoundWords();
    void changeFoundWords();
    void applyClassicMode();
    void applyContextAccents();

    void convertText();
    void clearBoxes();
    void findNextBar();
    void showInstructions();
    void zoomIn();
    void zoomOut();
    void resetZoom();

    // The output box: a click settles the alternative under the caret; the
    // menu over a marked word offers its alternatives and "Ignore".
    void chooseAlternativeAtCaret();
    void openAlternativesMenu(const QPoint& viewportPosition, bool fromKeyboard);
    void noteOutputEdited();

    void openFile();
    // Opens `path` as a confirmed open dialog would (a dropped or recent file).
    void openPath(const QString& path);
    SaveOutcome save();
    SaveOutcome saveAs();
    void exitProgram();

  Q_SIGNALS:
    // Each announcement sent to screen readers (the end of a conversion, the
    // marked word reached from the keyboard, the alternative highlighted).
    void announced(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createControls();
    void createMenus();
    void arrangeControls();
    void connectControls();
    void setCaptions(bool english);
    void setAccessibleTexts(bool english);
    bool english() const;
    void focusInput();
    bool handleInputKey(QEvent* event);
    bool handleOutputKey(QEvent* event);
    bool showConversionProgress(std::string_view piece);
    void setConverting(bool on, qsizetype words);
    void settleText(const QString& text);
    void ignoreMark(const MarkAtCaret& mark);
    QString noteAt(qsizetype caret) const;
    void showNoteAtCaret();
    bool showNoteTip(QEvent* event);
    void announce(const QString& text);
    void setZoom(int steps);
    QString dialogStart() const;
    SaveOutcome saveTo(bool askForName);
    void reportFileError(int errorNumber);
    bool offerToSaveBeforeExit();
    void rememberFile(const QString& path);
    void updateRecentFiles();

    std::unique_ptr<Engine> engine_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<WindowSettings> settings_;
    ImmediateTyping* typing_ = nullptr;
    QtTranslation qtTranslation_;

    QPlainTextEdit* inputBox = nullptr;
    QPlainTextEdit* outputBox = nullptr;
    QPushButton* convertButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* findNextBarButton = nullptr;
    QPushButton* instructionsButton = nullptr;
    QCheckBox* ignoreDiacriticsBox = nullptr;
    QCheckBox* englishBox = nullptr;
    QCheckBox* capsRuleBox = nullptr;
    QCheckBox* barAfterChangeBox = nullptr;
    QCheckBox* similarWordsBox = nullptr;
    QCheckBox* immediateModeBox = nullptr;
    QGroupBox* optionsFrame = nullptr;
    QRadioButton* keepFoundWordsOption = nullptr;
    QRadioButton* changeFoundWordsOption = nullptr;
    QLabel* inputLabel = nullptr;
    QLabel* outputLabel = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* recentFilesSeparator = nullptr;
    QList<QAction*> recentFileActions;
    QAction* exitAction = nullptr;
    QAction* findNextBarAction = nullptr;
    QAction* classicModeAction = nullptr;
    QAction* contextAccentsAction = nullptr;

    // True while the converted text has no changes that were not saved.
    bool convertedSaved_ = true;
    // Set while the window itself rewrites the output box.
    bool settingOutput_ = false;
    // A conversion holds the engine until it ends; the window stays responsive
    // meanwhile, with every control that could reach the engine disabled.
    bool converting_ = false;
    bool stopConversion_ = false;
    bool closeAfterConversion_ = false;
    QProgressBar* progress_ = nullptr;
    QLabel* announcement_ = nullptr;
    // Whether the last open read its file through (a failed save clears it too,
    // so that every failed save is reported).
    bool openCompleted_ = false;
    BarSearch barSearch_;
    // The file name of the last confirmed file dialog (full path).
    QString fileName_;
    TextFormat fileFormat_;     // of the last file opened: saves are written in it
    std::string pendingOutput_; // converted bytes not yet shown
    qint64 lastRefresh_ = 0;
    int zoomSteps_ = 0; // points added to both boxes' font
};

} // namespace vorlen::ui
