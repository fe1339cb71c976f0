// Building the window: its controls, their fonts and arrangement, the menu,
// the tab order and the captions.
#include "engine/engine.h"
#include "ui/bar_marks.h"
#include "ui/captions.h"
#include "ui/immediate_typing.h"
#include "ui/main_window.h"
#include "ui/window_font.h"
#include "ui/window_settings.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

namespace vorlen::ui {

namespace {

// The window was drawn in twips; 15 of them make a pixel at 96 dots an inch.
constexpr int Px(int twips) {
    return twips / 15;
}

template <typename Control>
Control* Make(QWidget* parent, const char* name) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QPlainTextEdit* MakeTextBox(QWidget* parent, const char* name, int heightTwips) {
    auto* box = Make<QPlainTextEdit>(parent, name);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    box->setMinimumHeight(Px(heightTwips) / 2);
    return box;
}

// A caption as a screen reader should say it: no accelerator mark, no colon.
QString SpokenCaption(QString caption) {
    caption.remove(u'&');
    while (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<Dialogs> dialogs, const QString& settingsFile,
                       QWidget* parent)
    : QMainWindow(parent), engine_(std::make_unique<Engine>()), dialogs_(std::move(dialogs)),
      settings_(std::make_unique<WindowSettings>(settingsFile)) {
    if (!dialogs_) dialogs_ = MakeQtDialogs();
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(StartWindowTitle());
    setAcceptDrops(true);
    createControls();
    createMenus();
    arrangeControls();
    connectControls();
    typing_ = new ImmediateTyping(*engine_, inputBox);
    setCaptions(false);
    // The size the form was drawn for; start() makes room on a first start.
    resize(std::max(Px(12195), sizeHint().width()), Px(7935) + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("form"));
    form->setFont(WindowFont(12));
    setCentralWidget(form);

    inputBox = MakeTextBox(form, "inputBox", 2535);
    outputBox = MakeTextBox(form, "outputBox", 2415);
    // Files dropped on the boxes open as on the window; text is still dropped in.
    for (QPlainTextEdit* box : {inputBox, outputBox})
        box->viewport()->installEventFilter(this);
    convertButton = Make<QPushButton>(form, "convertButton");
    clearButton = Make<QPushButton>(form, "clearButton");
    findNextBarButton = Make<QPushButton>(form, "findNextBarButton");
    instructionsButton = Make<QPushButton>(form, "instructionsButton");
    for (QPushButton* button :
         {convertButton, clearButton, findNextBarButton, instructionsButton}) {
        button->setAutoDefault(false);
        button->setMinimumHeight(Px(375));
    }
    findNextBarButton->setMinimumHeight(Px(735));

    const QFont optionFont = WindowFont(9.75);
    ignoreDiacriticsBox = Make<QCheckBox>(form, "ignoreDiacriticsBox");
    englishBox = Make<QCheckBox>(form, "englishBox");
    capsRuleBox = Make<QCheckBox>(form, "capsRuleBox");
    barAfterChangeBox = Make<QCheckBox>(form, "barAfterChangeBox");
    similarWordsBox = Make<QCheckBox>(form, "similarWordsBox");
    immediateModeBox = Make<QCheckBox>(form, "immediateModeBox");
    capsRuleBox->setChecked(true);
    similarWordsBox->setChecked(true);
    optionsFrame = Make<QGroupBox>(form, "optionsFrame");
    keepFoundWordsOption = Make<QRadioButton>(optionsFrame, "keepFoundWordsOption");
    changeFoundWordsOption = Make<QRadioButton>(optionsFrame, "changeFoundWordsOption");
    keepFoundWordsOption->setChecked(true);
    for (QWidget* option : std::initializer_list<QWidget*>{
             ignoreDiacriticsBox, englishBox, capsRuleBox, barAfterChangeBox, similarWordsBox,
             immediateModeBox, keepFoundWordsOption, changeFoundWordsOption})
        option->setFont(optionFont);

    inputLabel = Make<QLabel>(form, "inputLabel");
    outputLabel = Make<QLabel>(form, "outputLabel");
    inputLabel->setBuddy(inputBox);
    outputLabel->setBuddy(outputBox);
    new BarHighlighter(outputBox->document());

    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->hide();
    // What the window announces (the end of a conversion, the marked word
    // reached from the keyboard, the note of an alternative) is also shown here.
    announcement_ = new QLabel;
    announcement_->setObjectName(QStringLiteral("announcement"));
    statusBar()->addWidget(announcement_, 1);
    statusBar()->addPermanentWidget(progress_, 1);
    statusBar()->setSizeGripEnabled(false);
}

void MainWindow::createMenus() {
    fileMenu = menuBar()->addMenu(QString::fromUtf8(FileMenuCaptions::menu));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    auto add = [](QMenu* menu, const char* name, const char* caption = "") {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    openAction = add(fileMenu, "openAction", FileMenuCaptions::open);
    saveAction = add(fileMenu, "saveAction", FileMenuCaptions::save);
    saveAsAction = add(fileMenu, "saveAsAction", FileMenuCaptions::saveAs);
    recentFilesSeparator = fileMenu->addSeparator();
    exitAction = add(fileMenu, "exitAction", FileMenuCaptions::exit);
    updateRecentFiles();

    QMenu* view = menuBar()->addMenu(QString());
    view->setObjectName(QStringLiteral("viewMenu"));
    QAction* larger = add(view, "zoomInAction");
    larger->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(larger, &QAction::triggered, this, &MainWindow::zoomIn);
    QAction* smaller = add(view, "zoomOutAction");
    smaller->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(smaller, &QAction::triggered, this, &MainWindow::zoomOut);
    QAction* normal = add(view, "zoomResetAction");
    normal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(normal, &QAction::triggered, this, &MainWindow::resetZoom);

    QMenu* rules = menuBar()->addMenu(QString());
    rules->setObjectName(QStringLiteral("rulesMenu"));
    classicModeAction = add(rules, "classicModeAction");
    classicModeAction->setCheckable(true);
    contextAccentsAction = add(rules, "contextAccentsAction");
    contextAccentsAction->setCheckable(true);

    // Find next bar from the keyboard, wherever the focus is.
    findNextBarAction = new QAction(this);
    findNextBarAction->setObjectName(QStringLiteral("findNextBarAction"));
    findNextBarAction->setShortcut(QKeySequence(Qt::Key_F8));
    addAction(findNextBarAction);
}

// The last files opened or saved, between Save As and Exit.
void MainWindow::updateRecentFiles() {
    qDeleteAll(recentFileActions);
    recentFileActions.clear();
    const QStringList files = settings_->RecentFiles();
    for (qsizetype k = 0; k < files.size(); ++k) {
        auto* action = new QAction(
            QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(files[k]).fileName()), fileMenu);
        action->setObjectName(QStringLiteral("recentFile%1").arg(k + 1));
        action->setStatusTip(files[k]);
        action->setToolTip(files[k]);
        const QString path = files[k];
        connect(action, &QAction::triggered, this, [this, path] { openPath(path); });
        fileMenu->insertAction(exitAction, action);
        recentFileActions.append(action);
    }
    if (!files.isEmpty()) recentFileActions.append(fileMenu->insertSeparator(exitAction));
}

void MainWindow::arrangeControls() {
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(Px(105));
    for (QPushButton* button : {convertButton, clearButton, instructionsButton, findNextBarButton})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* frameLayout = new QVBoxLayout(optionsFrame);
    frameLayout->addWidget(changeFoundWordsOption);
    frameLayout->addWidget(keepFoundWordsOption);

    auto* firstRow = new QHBoxLayout;
    firstRow->addWidget(immediateModeBox);
    firstRow->addSpacing(Px(5640 - 2880 - 2415));
    firstRow->addWidget(englishBox);
    firstRow->addStretch();

    auto* options = new QVBoxLayout;
    options->setSpacing(0);
    options->addLayout(firstRow);
    for (QCheckBox* box : {ignoreDiacriticsBox, barAfterChangeBox, similarWordsBox, capsRuleBox})
        options->addWidget(box);
    options->addSpacing(Px(105));
    options->addWidget(optionsFrame);

    auto* top = new QHBoxLayout;
    top->addLayout(buttons);
    top->addSpacing(Px(2880 - 120 - 2415));
    top->addLayout(options, 1);

    auto* form = new QVBoxLayout(centralWidget());
    form->setContentsMargins(Px(120), Px(60), Px(120), Px(120));
    form->setSpacing(0);
    form->addLayout(top);
    form->addSpacing(Px(105));
    form->addWidget(inputLabel);
    form->addWidget(inputBox, 2535);
    form->addWidget(outputLabel);
    form->addWidget(outputBox, 2415);

    buttons->addStrut(Px(2415));

    // The order of the original form: the boxes first, then the options and
    // the buttons as they were placed.
    QWidget* order[] = {
        inputBox,        outputBox,       keepFoundWordsOption, changeFoundWordsOption,
        convertButton,   clearButton,     findNextBarButton,    ignoreDiacriticsBox,
        englishBox,      capsRuleBox,     instructionsButton,   barAfterChangeBox,
        similarWordsBox, immediateModeBox};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void MainWindow::setCaptions(bool english) {
    for (const Caption& caption : kCaptions) {
        const QString text = QString::fromUtf8(english ? caption.english : caption.spanish);
        QWidget* control = findChild<QWidget*>(QString::fromLatin1(caption.control));
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            frame->setTitle(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
    }
    for (const Caption& caption : kMenuCaptions) {
        const QString text = QString::fromUtf8(english ? caption.english : caption.spanish);
        if (auto* menu = findChild<QMenu*>(QString::fromLatin1(caption.control)))
            menu->setTitle(text);
        else if (auto* action = findChild<QAction*>(QString::fromLatin1(caption.control)))
            action->setText(text);
    }
    findNextBarAction->setText(findNextBarButton->text());
    setAccessibleTexts(english);
    qtTranslation_.SetSpanish(!english);
}

// Screen readers say each control by its caption (a text box by the caption
// over it) and describe what it is for, in the language of the captions.
void MainWindow::setAccessibleTexts(bool english) {
    for (const Caption& caption : kCaptions)
        if (auto* control = findChild<QWidget*>(QString::fromLatin1(caption.control)))
            control->setAccessibleName(
                SpokenCaption(QString::fromUtf8(english ? caption.english : caption.spanish)));
    inputBox->setAccessibleName(SpokenCaption(inputLabel->text()));
    outputBox->setAccessibleName(SpokenCaption(outputLabel->text()));
    for (const Caption& description : kDescriptions)
        if (auto* control = findChild<QWidget*>(QString::fromLatin1(description.control)))
            control->setAccessibleDescription(
                QString::fromUtf8(english ? description.english : description.spanish));
}

void MainWindow::zoomIn() {
    setZoom(zoomSteps_ + 1);
}

void MainWindow::zoomOut() {
    setZoom(zoomSteps_ - 1);
}

void MainWindow::resetZoom() {
    setZoom(0);
}

// Both text boxes, a point a step, from 6 to 48 points.
void MainWindow::setZoom(int steps) {
    constexpr int kPoints = 12;
    zoomSteps_ = std::clamp(steps, 6 - kPoints, 48 - kPoints);
    const QFont font = WindowFont(kPoints + zoomSteps_);
    inputBox->setFont(font);
    outputBox->setFont(font);
}

} // namespace vorlen::ui
