// The main window's panes that measure the open build: "Memory Usage" and "Compare". They are
// docks of their own (not the docking framework's panes), follow the open session and
// refresh when the listing is reloaded.
#pragma once

#include <QDockWidget>
#include <QMainWindow>
#include <functional>
#include <string>

#include "gui/ComparePane.h"
#include "gui/ListingWatcher.h"
#include "gui/MemoryUsagePane.h"

namespace tarngui {

class BuildPanes {
public:
    // openMapWindow opens a Map window by its view's name, as the Window menu does.
    BuildPanes(QMainWindow& window, std::function<bool(const std::string&)> openMapWindow);

    // The session opened (or closed: null); the panes shown measure it from now on.
    void Attach(tarncli::session::MapSession* session, ListingWatcher* watcher);
    void ShowUsage();
    // Asks for the file to compare with; the path-taking one shows the comparison at once.
    void ChooseAndCompare();
    bool CompareWith(const std::string& path);

    MemoryUsagePane* Usage() const { return usage_; }
    ComparePane* Compare() const { return compare_; }

private:
    // Measures again; reread after a rebuild.
    void Refresh(bool reread);
    // Selects the section in the section list, opening the list first when it is not open.
    void SelectSection(const std::string& name, uint32_t start);
    QDockWidget* MakeDock(const QString& title, QWidget* content);

    QMainWindow& window_;
    std::function<bool(const std::string&)> openMapWindow_;
    tarncli::session::MapSession* session_ = nullptr;
    ListingWatcher* watcher_ = nullptr;
    MemoryUsagePane* usage_ = nullptr;
    ComparePane* compare_ = nullptr;
};

}  // namespace tarngui
