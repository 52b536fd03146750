// The host's main window: menus (File, the components' menus under Tools, View, Window,
// Help), the docking framework's panes as dock widgets placed by their dock bar, and a
// status bar. Everything it shows is the substitute host's and the platform's state.
#pragma once

#include <QDockWidget>
#include <QMainWindow>
#include <QToolBar>
#include <map>
#include <memory>
#include <string>

#include "gui/BuildPanes.h"
#include "gui/ListingWatcher.h"
#include "gui/QtBackend.h"
#include "gui/RecentWorkspaces.h"

namespace tarncli::session {
class MapSession;
}
namespace tarnhost {
class SubstituteHost;
}

namespace tarngui {

class SourceViewer;

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(QtBackend& backend);
    ~MainWindow() override;

    // Opens the host on a workspace file or a bare listing; false with a message box.
    bool OpenWorkspace(const std::string& path);
    bool OpenListing(const std::string& path);
    void CloseWorkspace();
    // Whether the open workspace may close: a component with unsaved edits asks first (the
    // person may cancel); true without a workspace.
    bool MayCloseWorkspace();
    // Writes the workspace data of every component; false with a message box.
    bool SaveWorkspace();
    // The display options dialog; what is chosen goes to the component.
    void ShowOptions();
    // The source window at the line, as the host's source display service asks.
    void ShowSource(const std::string& file, int line);
    SourceViewer* Source() const { return source_; }
    RecentWorkspaces& Recent() { return recent_; }
    // Opens the Map window that holds the named view ("section-list", "symbol-list").
    bool OpenMapWindow(const std::string& viewName);
    // Follows the docking framework: a dock widget per shown pane, none for the others.
    void SyncPanes();
    bool SaveScreenshot(const std::string& path);
    // Without a person to answer (--screenshot): failures go to stderr, not to a message box.
    void SetUnattended(bool on) { unattended_ = on; }
    tarncli::session::MapSession* Session() const { return session_.get(); }
    ListingWatcher* Watcher() const { return watcher_.get(); }
    BuildPanes& Panes() { return *buildPanes_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    bool Start(std::unique_ptr<tarnhost::SubstituteHost> host, const std::string& error);
    void BuildMenus();
    void FillToolsMenu(QMenu& menu);
    void FillRecentMenu(QMenu& menu);
    void Complain(const QString& text);
    void RemoveDocks();
    void ShareSpace();
    void SyncToolbars();
    // A command of the host's menus or toolbars, run on the components' command targets.
    void RunHostCommand(int command);

    QtBackend& backend_;
    std::unique_ptr<tarncli::session::MapSession> session_;
    std::unique_ptr<ListingWatcher> watcher_;
    std::map<const tarnui::Window*, QDockWidget*> docks_;
    QMenu* tools_ = nullptr;
    QMenu* view_ = nullptr;
    bool unattended_ = false;
    RecentWorkspaces recent_;
    SourceViewer* source_ = nullptr;
    std::map<int32_t, QToolBar*> toolbars_;
    std::unique_ptr<BuildPanes> buildPanes_;
};

}  // namespace tarngui
