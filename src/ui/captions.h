// The window's captions in its two languages (Check2 chooses).
#pragma once

#include <QString>
#include <array>

namespace vorlen::ui {

struct Caption {
    const char* control; // the control's object name
    const char* spanish; // UTF-8
    const char* english; // UTF-8
};

// In the order in which the language switch sets them.
extern const std::array<Caption, 15> kCaptions;

// The caption of the window itself, the same in both languages until a file is
// opened or saved.
QString StartWindowTitle();
// After a file has been opened or saved.
QString FileWindowTitle(const QString& path);

// The File menu, Spanish in both languages.
struct MenuCaptions {
    static constexpr const char* fl = "&Archivo";
    static constexpr const char* opn = "A&brir";
    static constexpr const char* sv = "A&horrar";
    static constexpr const char* sa = "Ahorrar &Como";
    static constexpr const char* ex = "&Terminar";
};

} // namespace vorlen::ui
