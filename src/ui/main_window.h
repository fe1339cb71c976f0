// The program's one window: the input and output boxes, the buttons, the
// option boxes and the File menu. Every handler is named after its control
// and event; the engine behind it is Qt-free and owned here.
#pragma once

#include "ui/bar_search.h"
#include "ui/dialogs.h"
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

enum class SaveOutcome { Saved, NothingToSave, Cancelled, Failed };

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(std::unique_ptr<Dialogs> dialogs = MakeQtDialogs(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: shows the window, sets the captions and the engine's defaults,
    // loads the vocabulary and gives the input box the focus. When the
    // vocabulary cannot be loaded, says so, closes the window and returns false:
    // the program ends.
    bool Form_Load(const PathOptions& paths);

    const Engine& engine() const { return *engine_; }
    bool ConvertedSaved() const { return convertedSaved_; }
    const QString& FileName() const { return fileName_; }

    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    void Check6_Click();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Text2_Click();
    void Text2_Change();

    void opn_Click();
    SaveOutcome sv_Click();
    SaveOutcome sa_Click();
    void ex_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void CreateMenu();
    void ArrangeControls();
    void ConnectControls();
    void SetCaptions(bool english);
    bool English() const;
    void FocusInput();
    bool Text1_KeyPress(QEvent* event);
    bool ShowConversionProgress(std::string_view piece);
    void SetConverting(bool on, qsizetype words);
    QString DialogStart() const;
    SaveOutcome Save(bool askForName);
    void ReportFileError(int errorNumber);
    bool OfferToSaveBeforeExit();

    std::unique_ptr<Engine> engine_;
    std::unique_ptr<Dialogs> dialogs_;
    ImmediateTyping* typing_ = nullptr;

    QPlainTextEdit* Text1 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check6 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QMenu* fl = nullptr;
    QAction* opn = nullptr;
    QAction* sv = nullptr;
    QAction* sa = nullptr;
    QAction* ex = nullptr;

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
    // Whether the last open read its file through (a failed save clears it too,
    // so that every failed save is reported).
    bool openCompleted_ = false;
    BarSearch barSearch_;
    // The file name of the last confirmed file dialog (full path).
    QString fileName_;
    TextFormat fileFormat_;     // of the last file opened: saves are written in it
    std::string pendingOutput_; // converted bytes not yet shown
    qint64 lastRefresh_ = 0;
};

} // namespace vorlen::ui
