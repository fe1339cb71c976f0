#include "ui/messages.h"

namespace vorlen::ui {

QString NoTextToSaveMessage(bool english) {
    return english ? QStringLiteral("There is no text in the converted text box to save.")
                   : QStringLiteral("No hay ningún texto en la caja de texto convertido para "
                                    "ahorrar.");
}

QString EndOfTextMessage(bool english) {
    return english ? QStringLiteral("End of text.") : QStringLiteral("Fin de texto.");
}

QString SaveBeforeExitPrompt(bool english) {
    return english ? QStringLiteral("Press Y and Enter to save converted text before exiting.")
                   : QStringLiteral("Presione S y Enter (<-) para ahorrar.");
}

bool AnswerMeansSave(const QString& answer, bool english) {
    if (answer.isEmpty()) return false;
    return answer.front().toLower() == (english ? u'y' : u's');
}

QString DefaultExitAnswer() {
    return QStringLiteral("No");
}

QString FileErrorMessage(const QString& path, int errorNumber) {
    return QStringLiteral("There was an error opening the file ") + path + QStringLiteral(" Err#") +
           QString::number(errorNumber);
}

QString InstructionsTitle(bool english) {
    return english ? QStringLiteral("Instructions") : QStringLiteral("Instrucciones");
}

} // namespace vorlen::ui
