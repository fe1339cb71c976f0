// Walking through the converted text from bar to bar.
#pragma once

#include <QString>

namespace vorlen::ui {

struct BarSearch {
    // 1-based position where the next search starts; 0 (at start) counts as 1.
    qsizetype position = 0;
};

// The 0-based index of the next bar at or after the search position, moving the
// position past it; -1 when there is none, and the next search starts again at
// the beginning. An empty text leaves the position as it is.
qsizetype FindNextBar(BarSearch& search, const QString& text);

} // namespace vorlen::ui
