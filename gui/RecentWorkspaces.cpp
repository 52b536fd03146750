#include "gui/RecentWorkspaces.h"

#include <QFileInfo>

namespace tarngui {
namespace {
constexpr const char* kKey = "recentWorkspaces";
}  // namespace

RecentWorkspaces::RecentWorkspaces()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "TarnMap", "tarnmap-gui") {}

QStringList RecentWorkspaces::Paths() const {
    return settings_.value(kKey).toStringList();
}

void RecentWorkspaces::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = Paths();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    Store(paths.mid(0, kKept));
}

void RecentWorkspaces::Remove(const QString& path) {
    QStringList paths = Paths();
    paths.removeAll(path);
    Store(paths);
}

void RecentWorkspaces::Store(const QStringList& paths) {
    settings_.setValue(kKey, paths);
    settings_.sync();
}

}  // namespace tarngui
