// Renders the window after converting a sample text, for the README:
//   vorlen-screenshot OUT.png [VOCABULARY] [MENU.png]
// With MENU.png, also the menu over the first list of alternatives, open on
// the window. (`make screenshot` writes docs/screenshot.png and
// docs/screenshot-menu.png with the shipped vocabulary.)
#include "support/scripted_dialogs.h"
#include "ui/bar_marks.h"
#include "ui/main_window.h"
#include "ui/text_box.h"
#include "vocabulary/paths.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// The window with the menu over the first list of the converted text drawn
// where it opens; false when there is no list or the menu did not open.
bool DrawMenuOverAlternative(QMainWindow& window, QPlainTextEdit* output, const QString& path) {
    const QString text = vorlen::ui::BoxText(output);
    qsizetype index = -1;
    for (qsizetype start = 0; index < 0 && start < text.size();) {
        const qsizetype end =
            text.indexOf(u'\n', start) < 0 ? text.size() : text.indexOf(u'\n', start);
        for (const auto& run : vorlen::ui::FindBarMarks(text.mid(start, end - start)))
            if (run.mark == vorlen::ui::BarMark::Alternatives) {
                index = start + run.start + 1;
                break;
            }
        start = end + 1;
    }
    if (index < 0) return false;
    QTextCursor cursor(output->document());
    cursor.setPosition(static_cast<int>(index));
    const QPoint point = output->cursorRect(cursor).center();
    bool drawn = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        const QPixmap below = window.grab();
        const QPixmap over = menu->grab();
        const QPoint offset = menu->mapToGlobal(QPoint()) - window.mapToGlobal(QPoint());
        const QRect all = below.rect().united(QRect(offset, over.size()));
        QPixmap canvas(all.size());
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.drawPixmap(-all.topLeft(), below);
        painter.drawPixmap(offset - all.topLeft(), over);
        painter.end();
        drawn = canvas.save(path);
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, point,
                            output->viewport()->mapToGlobal(point));
    QApplication::sendEvent(output->viewport(), &event);
    return drawn;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vorlen-screenshot OUT.png [VOCABULARY] [MENU.png]\n");
        return 2;
    }
    QTemporaryDir data;
    vorlen::PathOptions paths;
    paths.DataDirectory = data.path().toStdString();
    if (argc > 2) paths.Vocabulary = argv[2];

    vorlen::ui::MainWindow window(std::make_unique<vorlen::test::ScriptedDialogs>(),
                                  data.filePath(QStringLiteral("settings.ini")));
    if (!window.start(paths)) return 1;
    window.resize(960, 620);
    window.findChild<QPlainTextEdit*>(QStringLiteral("inputBox"))
        ->setPlainText(QStringLiteral("aber si yano ay ves. Kiero ke me digas si bas a benir "
                                      "mañana\no si te kedas en kasa. Nesesito la kompiutadora "
                                      "del maistro."));
    window.findChild<QAbstractButton*>(QStringLiteral("convertButton"))->click();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "vorlen-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    if (argc > 3 && !DrawMenuOverAlternative(
                        window, window.findChild<QPlainTextEdit*>(QStringLiteral("outputBox")),
                        QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "vorlen-screenshot: cannot draw the menu into %s\n", argv[3]);
        return 1;
    }
    return 0;
}
