#include "ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vorlen::ui {

bool QtTranslation::SetSpanish(bool spanish) {
    if (!spanish) {
        if (installed_) QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
        return true;
    }
    if (installed_) return true;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!loaded_) loaded_ = translator_.load(QStringLiteral("qtbase_es"), folder);
    if (!loaded_) {
        if (!warned_)
            qWarning("vorlen: Qt's Spanish texts (qtbase_es.qm) are not in %s", qPrintable(folder));
        warned_ = true;
        return false;
    }
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
}

} // namespace vorlen::ui
