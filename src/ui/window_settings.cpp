#include "ui/window_settings.h"

#include <QSettings>
#include <algorithm>

namespace vorlen::ui {

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kLastFolderKey = QStringLiteral("files/lastFolder");
const QString kRecentFilesKey = QStringLiteral("files/recent");

} // namespace

WindowSettings::WindowSettings(const QString& file)
    : settings_(file.isEmpty() ? std::make_unique<QSettings>(QStringLiteral("Vorlen"),
                                                             QStringLiteral("vorlen"))
                               : std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

WindowSettings::~WindowSettings() = default;

QByteArray WindowSettings::Geometry() const {
    return settings_->value(kGeometryKey).toByteArray();
}

void WindowSettings::SetGeometry(const QByteArray& geometry) {
    settings_->setValue(kGeometryKey, geometry);
    settings_->sync();
}

QString WindowSettings::LastFolder() const {
    return settings_->value(kLastFolderKey).toString();
}

void WindowSettings::SetLastFolder(const QString& folder) {
    settings_->setValue(kLastFolderKey, folder);
    settings_->sync();
}

QStringList WindowSettings::RecentFiles() const {
    QStringList files = settings_->value(kRecentFilesKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kRecentFileCount);
}

void WindowSettings::AddRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    settings_->setValue(kRecentFilesKey, files.mid(0, kRecentFileCount));
    settings_->sync();
}

QSize FirstStartSize(const QSize& drawn, const QSize& available) {
    // Two thirds of the screen's width and four fifths of its height, within
    // what reads comfortably on a large screen.
    const int width = std::min(available.width() * 2 / 3, 1200);
    const int height = std::min(available.height() * 4 / 5, 900);
    return {std::max(drawn.width(), width), std::max(drawn.height(), height)};
}

} // namespace vorlen::ui
