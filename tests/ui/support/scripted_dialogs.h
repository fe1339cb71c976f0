// Dialogs answered from a script instead of by a person, recording what the
// window showed.
#pragma once

#include "ui/dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

namespace vorlen::test {

class ScriptedDialogs final : public ui::Dialogs {
  public:
    // The answers, used in order; a dialog with no answer left is cancelled.
    std::deque<std::optional<QString>> openAnswers, saveAnswers, askAnswers;

    QStringList messages, titles; // of the message boxes shown
    QStringList prompts, promptDefaults;
    QStringList dialogStarts; // where each file dialog opened
    int saveDialogs = 0, beeps = 0;

    std::optional<QString> ChooseFileToOpen(QWidget*, const QString& start) override {
        dialogStarts.append(start);
        return Next(openAnswers);
    }
    std::optional<QString> ChooseFileToSave(QWidget*, const QString& start) override {
        dialogStarts.append(start);
        ++saveDialogs;
        return Next(saveAnswers);
    }
    void ShowMessage(QWidget*, const QString& title, const QString& text) override {
        messages.append(text);
        titles.append(title);
    }
    std::optional<QString> AskText(QWidget*, const QString& prompt,
                                   const QString& defaultAnswer) override {
        prompts.append(prompt);
        promptDefaults.append(defaultAnswer);
        return Next(askAnswers);
    }
    void Beep() override { ++beeps; }

  private:
    static std::optional<QString> Next(std::deque<std::optional<QString>>& answers) {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace vorlen::test
