#include "gui/ListingWatcher.h"

#include <QFileInfo>

#include "host/cli/session/MapSession.h"

namespace tarngui {

ListingWatcher::ListingWatcher(tarncli::session::MapSession& session) : session_(session) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    QObject::connect(&quiet_, &QTimer::timeout, [this] { Quiet(); });
    // A build may replace the file (the directory changes) or write into it.
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, [this] { Changed(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, [this] { Changed(); });
}

void ListingWatcher::Follow() {
    const QString path = QString::fromStdString(session_.ListingPath());
    if (path.isEmpty() || path == path_) {
        return;
    }
    if (!watcher_.files().isEmpty() || !watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.files() + watcher_.directories());
    }
    path_ = path;
    const QFileInfo info(path_);
    stamp_ = info.lastModified();
    size_ = info.size();
    watcher_.addPath(info.absolutePath());
    watcher_.addPath(path_);
}

void ListingWatcher::Changed() {
    const QFileInfo info(path_);
    if (info.lastModified() == stamp_ && info.size() == size_) {
        return;  // something else in the directory
    }
    stamp_ = info.lastModified();
    size_ = info.size();
    if (!session_.HostLock()) {
        session_.SetHostLock(true);
    }
    quiet_.start();
}

void ListingWatcher::Quiet() {
    ++lockCycles_;
    const std::function<void()> reload = [this] { session_.SetHostLock(false); };
    if (aroundReload_) {
        aroundReload_(reload);
    } else {
        reload();
    }
    if (QFileInfo::exists(path_) && !watcher_.files().contains(path_)) {
        watcher_.addPath(path_);  // a replaced file drops out of the watch
    }
    for (const auto& listener : listeners_) {
        listener();
    }
}

}  // namespace tarngui
