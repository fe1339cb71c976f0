// Renders the window, converted sample text included, for the documentation:
//   vorlen-screenshot OUT.png [VOCABULARY]
#include "support/scripted_dialogs.h"
#include "ui/main_window.h"
#include "vocabulary/paths.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vorlen-screenshot OUT.png [VOCABULARY]\n");
        return 2;
    }
    QTemporaryDir data;
    vorlen::PathOptions paths;
    paths.DataDirectory = data.path().toStdString();
    if (argc > 2) paths.Vocabulary = argv[2];

    vorlen::ui::MainWindow window(std::make_unique<vorlen::test::ScriptedDialogs>());
    window.Form_Load(paths);
    window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
        ->setPlainText(QStringLiteral("aber si yano ay ves. Kiero ke me digas si bas a benir "
                                      "mañana o si te kedas en kasa."));
    window.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "vorlen-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
