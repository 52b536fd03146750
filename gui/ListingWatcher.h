// Watches the map listing on disk. When a build rewrites it, the host's lock goes on at
// once and off again when the file has been quiet for a moment, as a host locks the
// component during a build; lock off reloads the listing and refreshes every read-only view.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace tarncli::session {
class MapSession;
}

namespace tarngui {

class ListingWatcher {
public:
    static constexpr int kQuietMs = 300;

    explicit ListingWatcher(tarncli::session::MapSession& session);
    // Follows the listing the data manager read last (nothing before the first load).
    void Follow();
    int LockCycles() const { return lockCycles_; }
    // Runs the reload at lock off, e.g. inside a busy indication; without one it just runs.
    using AroundReload = std::function<void(const std::function<void()>& reload)>;
    void SetAroundReload(AroundReload around) { aroundReload_ = std::move(around); }
    // Called after each reload, once the views have been refreshed.
    void AddReloadListener(std::function<void()> listener) {
        listeners_.push_back(std::move(listener));
    }

private:
    void Changed();
    void Quiet();

    tarncli::session::MapSession& session_;
    QFileSystemWatcher watcher_;
    QTimer quiet_;
    QString path_;
    QDateTime stamp_;
    qint64 size_ = -1;
    int lockCycles_ = 0;
    AroundReload aroundReload_;
    std::vector<std::function<void()>> listeners_;
};

}  // namespace tarngui
