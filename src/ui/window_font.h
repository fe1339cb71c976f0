// The window's font: Courier New when it is installed, else Liberation Mono
// (the same widths; Debian's fonts-liberation), else the system's monospace.
#pragma once

#include <QFont>
#include <QStringList>

namespace vorlen::ui {

QString ChooseFontFamily(const QStringList& installed, const QString& systemMonospace);

// The window's font at `points` (12 for the window, 9.75 for the option boxes).
QFont WindowFont(double points);

} // namespace vorlen::ui
