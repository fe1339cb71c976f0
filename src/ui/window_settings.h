// What the window remembers from one run to the next: its size and place, the
// last folder a file came from or went to, and the last few files. The
// conversion options are not remembered: they start as they always did.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace vorlen::ui {

inline constexpr int kRecentFileCount = 5;

class WindowSettings {
  public:
    // An empty file name: the user's settings (~/.config/Vorlen/vorlen.conf).
    explicit WindowSettings(const QString& file = {});
    ~WindowSettings();

    QByteArray Geometry() const;
    void SetGeometry(const QByteArray& geometry);
    QString LastFolder() const;
    void SetLastFolder(const QString& folder);
    QStringList RecentFiles() const;
    // Puts `path` first, once, keeping kRecentFileCount files at most.
    void AddRecentFile(const QString& path);

  private:
    std::unique_ptr<QSettings> settings_;
};

// The size of the window on its first start: room for the text on the
// screen at hand, never below the size the form was drawn for.
QSize FirstStartSize(const QSize& drawn, const QSize& available);

} // namespace vorlen::ui
