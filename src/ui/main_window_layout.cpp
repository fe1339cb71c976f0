// Building the window: its controls, their fonts and arrangement, the menu,
// the tab order and the captions.
#include "engine/engine.h"
#include "ui/bar_marks.h"
#include "ui/captions.h"
#include "ui/immediate_typing.h"
#include "ui/main_window.h"
#include "ui/window_font.h"

#include <QCheckBox>
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

} // namespace

MainWindow::MainWindow(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), engine_(std::make_unique<Engine>()), dialogs_(std::move(dialogs)) {
    if (!dialogs_) dialogs_ = MakeQtDialogs();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(StartWindowTitle());
    CreateControls();
    CreateMenu();
    ArrangeControls();
    ConnectControls();
    typing_ = new ImmediateTyping(*engine_, Text1);
    SetCaptions(false);
    resize(std::max(Px(12195), sizeHint().width()), Px(7935) + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls() {
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("Form"));
    form->setFont(WindowFont(12));
    setCentralWidget(form);

    Text1 = MakeTextBox(form, "Text1", 2535);
    Text2 = MakeTextBox(form, "Text2", 2415);
    Command1 = Make<QPushButton>(form, "Command1");
    Command2 = Make<QPushButton>(form, "Command2");
    Command3 = Make<QPushButton>(form, "Command3");
    Command4 = Make<QPushButton>(form, "Command4");
    for (QPushButton* button : {Command1, Command2, Command3, Command4}) {
        button->setAutoDefault(false);
        button->setMinimumHeight(Px(375));
    }
    Command3->setMinimumHeight(Px(735));

    const QFont optionFont = WindowFont(9.75);
    Check1 = Make<QCheckBox>(form, "Check1");
    Check2 = Make<QCheckBox>(form, "Check2");
    Check3 = Make<QCheckBox>(form, "Check3");
    Check4 = Make<QCheckBox>(form, "Check4");
    Check5 = Make<QCheckBox>(form, "Check5");
    Check6 = Make<QCheckBox>(form, "Check6");
    Check3->setChecked(true);
    Check5->setChecked(true);
    Frame1 = Make<QGroupBox>(form, "Frame1");
    Option1 = Make<QRadioButton>(Frame1, "Option1");
    Option2 = Make<QRadioButton>(Frame1, "Option2");
    Option1->setChecked(true);
    for (QWidget* option : std::initializer_list<QWidget*>{Check1, Check2, Check3, Check4, Check5,
                                                           Check6, Option1, Option2})
        option->setFont(optionFont);

    Label1 = Make<QLabel>(form, "Label1");
    Label2 = Make<QLabel>(form, "Label2");
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    new BarHighlighter(Text2->document());

    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("progress"));
    statusBar()->addPermanentWidget(progress_, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->hide();
}

void MainWindow::CreateMenu() {
    fl = menuBar()->addMenu(QString::fromUtf8(MenuCaptions::fl));
    fl->setObjectName(QStringLiteral("fl"));
    auto add = [this](const char* name, const char* caption) {
        QAction* action = fl->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    opn = add("opn", MenuCaptions::opn);
    sv = add("sv", MenuCaptions::sv);
    sa = add("sa", MenuCaptions::sa);
    ex = add("ex", MenuCaptions::ex);
}

void MainWindow::ArrangeControls() {
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(Px(105));
    for (QPushButton* button : {Command1, Command2, Command4, Command3})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Option2);
    frameLayout->addWidget(Option1);

    auto* firstRow = new QHBoxLayout;
    firstRow->addWidget(Check6);
    firstRow->addSpacing(Px(5640 - 2880 - 2415));
    firstRow->addWidget(Check2);
    firstRow->addStretch();

    auto* options = new QVBoxLayout;
    options->setSpacing(0);
    options->addLayout(firstRow);
    for (QCheckBox* box : {Check1, Check4, Check5, Check3})
        options->addWidget(box);
    options->addSpacing(Px(105));
    options->addWidget(Frame1);

    auto* top = new QHBoxLayout;
    top->addLayout(buttons);
    top->addSpacing(Px(2880 - 120 - 2415));
    top->addLayout(options, 1);

    auto* form = new QVBoxLayout(centralWidget());
    form->setContentsMargins(Px(120), Px(60), Px(120), Px(120));
    form->setSpacing(0);
    form->addLayout(top);
    form->addSpacing(Px(105));
    form->addWidget(Label1);
    form->addWidget(Text1, 2535);
    form->addWidget(Label2);
    form->addWidget(Text2, 2415);

    buttons->addStrut(Px(2415));

    // The order of the original form: the boxes first, then the options and
    // the buttons as they were placed.
    QWidget* order[] = {Text1,  Text2,  Option1, Option2,  Command1, Command2, Command3,
                        Check1, Check2, Check3,  Command4, Check4,   Check5,   Check6};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void MainWindow::SetCaptions(bool english) {
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
}

} // namespace vorlen::ui
