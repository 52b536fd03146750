// The workspaces opened last, most recent first, kept in the user's settings of the front end.
#pragma once

#include <QSettings>
#include <QStringList>

namespace tarngui {

class RecentWorkspaces {
public:
    static constexpr int kKept = 6;

    RecentWorkspaces();
    QStringList Paths() const;
    // Puts the workspace first (its absolute path, once) and keeps the list short.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    void Store(const QStringList& paths);

    QSettings settings_;
};

}  // namespace tarngui
