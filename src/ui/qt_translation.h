// Qt's own texts (the edit menu of the text boxes, the file dialogs, the
// buttons of message boxes) in the language of the captions: Qt's Spanish
// translation (Debian's qt6-translations-l10n) while the captions are Spanish,
// Qt's built-in English otherwise.
#pragma once

#include <QTranslator>

namespace vorlen::ui {

class QtTranslation {
  public:
    QtTranslation() = default;
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    // Installs or removes the Spanish texts; false when Spanish is asked for
    // and the translation cannot be read (Qt's texts then stay English, and
    // a warning names the folder searched).
    bool SetSpanish(bool spanish);
    bool SpanishInstalled() const { return installed_; }

  private:
    QTranslator translator_;
    bool loaded_ = false;
    bool installed_ = false;
    bool warned_ = false;
};

} // namespace vorlen::ui
