// Renders the window after converting a sample text, for the README:
//   vorlen-screenshot OUT.png [VOCABULARY]
// (`make screenshot` writes docs/screenshot.png with the shipped vocabulary).
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

    vorlen::ui::MainWindow window(std::make_unique<vorlen::test::ScriptedDialogs>(),
                                  data.filePath(QStringLiteral("settings.ini")));
    if (!window.start(paths)) return 1;
    window.findChild<QPlainTextEdit*>(QStringLiteral("inputBox"))
        ->setPlainText(QStringLiteral("aber si yano ay ves. Kiero ke me digas si bas a benir "
                                      "mañana\no si te kedas en kasa. Nesesito la kompiutadora "
                                      "del maistro."));
    window.findChild<QAbstractButton*>(QStringLiteral("convertButton"))->click();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "vorlen-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
