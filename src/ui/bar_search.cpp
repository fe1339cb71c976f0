#include "ui/bar_search.h"

namespace vorlen::ui {

qsizetype FindNextBar(BarSearch& search, const QString& text) {
    if (search.position <= 0) search.position = 1;
    if (text.isEmpty()) return -1;
    const qsizetype index =
        search.position > text.size() ? -1 : text.indexOf(u'|', search.position - 1);
    search.position = index < 0 ? 1 : index + 2;
    return index;
}

} // namespace vorlen::ui
