// Every message the window shows, in Spanish, or in English when the English
// captions box is ticked. The file error report exists in English only.
#pragma once

#include <QString>

namespace vorlen::ui {

QString NoTextToSaveMessage(bool english);
QString EndOfTextMessage(bool english);
QString SaveBeforeExitPrompt(bool english);
// True when the answer to SaveBeforeExitPrompt asks for the save.
bool AnswerMeansSave(const QString& answer, bool english);
QString DefaultExitAnswer();
// `errorNumber` is the system's error code (errno).
QString FileErrorMessage(const QString& path, int errorNumber);

QString InstructionsTitle(bool english);
QString InstructionsText(bool english);

} // namespace vorlen::ui
