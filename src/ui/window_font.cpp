#include "ui/window_font.h"

#include <QFontDatabase>

namespace vorlen::ui {

QString ChooseFontFamily(const QStringList& installed, const QString& systemMonospace) {
    for (const QString& family : {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")})
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    return systemMonospace;
}

QFont WindowFont(double points) {
    static const QString family = ChooseFontFamily(
        QFontDatabase::families(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    return font;
}

} // namespace vorlen::ui
