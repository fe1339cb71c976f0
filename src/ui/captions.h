// The window's captions in its two languages (the English captions box
// chooses), and what each control is for, read out by screen readers.
#pragma once

#include "ui/bar_marks.h"

#include <QString>
#include <QStringList>
#include <array>

namespace vorlen::ui {

struct Caption {
    const char* control; // the control's object name
    const char* spanish; // UTF-8
    const char* english; // UTF-8
};

// In the order in which the language switch sets them.
extern const std::array<Caption, 15> kCaptions;

// The accessible description of every control of the form, in both languages.
extern const std::array<Caption, 17> kDescriptions;

// The captions of the menus added to the original File menu: these follow the
// language like the controls (the object name of each menu or action).
extern const std::array<Caption, 7> kMenuCaptions;

// The entries of the menu over a marked word, and what the window announces.
QString IgnoreCaption(bool english);
QString ConvertedAnnouncement(int marks, bool english);
// A marked word reached from the keyboard: its kind and its words.
QString MarkAnnouncement(BarMark mark, const QStringList& words, bool english);
// An entry of the menu over a marked word as it is highlighted.
QString AlternativeAnnouncement(const QString& entry, int index, int count, bool english);

// The caption of the window itself, the same in both languages until a file is
// opened or saved.
QString StartWindowTitle();
// After a file has been opened or saved.
QString FileWindowTitle(const QString& path);

// The File menu, Spanish in both languages.
struct FileMenuCaptions {
    static constexpr const char* menu = "&Archivo";
    static constexpr const char* open = "A&brir";
    static constexpr const char* save = "A&horrar";
    static constexpr const char* saveAs = "Ahorrar &Como";
    static constexpr const char* exit = "&Terminar";
};

} // namespace vorlen::ui
