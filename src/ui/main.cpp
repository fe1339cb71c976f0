// vorlen: the window.
#include "ui/main_window.h"
#include "vocabulary/paths.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlen"));
    QApplication::setDesktopFileName(QStringLiteral("vorlen"));
    vorlen::ui::MainWindow window;
    if (!window.start(vorlen::PathOptions{})) return EXIT_FAILURE;
    return QApplication::exec();
}
