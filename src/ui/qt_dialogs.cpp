#include "ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace vorlen::ui {

namespace {

class QtDialogs final : public Dialogs {
  public:
    std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& start) override {
        QString selected = TextFileFilter().section(QStringLiteral(";;"), 0, 0);
        const QString path =
            QFileDialog::getOpenFileName(parent, QString(), start, TextFileFilter(), &selected);
        if (path.isEmpty()) return std::nullopt;
        return path;
    }

    std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& start) override {
        QString selected = TextFileFilter().section(QStringLiteral(";;"), 0, 0);
        const QString path =
            QFileDialog::getSaveFileName(parent, QString(), start, TextFileFilter(), &selected);
        if (path.isEmpty()) return std::nullopt;
        return path;
    }

    void ShowMessage(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    std::optional<QString> AskText(QWidget* parent, const QString& prompt,
                                   const QString& defaultAnswer) override {
        bool ok = false;
        const QString answer =
            QInputDialog::getText(parent, QString(), prompt, QLineEdit::Normal, defaultAnswer, &ok);
        if (!ok) return std::nullopt;
        return answer;
    }

    void Beep() override { QApplication::beep(); }
};

} // namespace

QString TextFileFilter() {
    return QStringLiteral("Text files (*.txt);;All filetypes (*)");
}

std::unique_ptr<Dialogs> MakeQtDialogs() {
    return std::make_unique<QtDialogs>();
}

} // namespace vorlen::ui
