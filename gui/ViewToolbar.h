// The toolbar of a view's pane, drawn from the docking framework's state of that pane's
// toolbar: one button per command with its picture cut from the component's toolbar bitmap and
// the command's short text as tooltip. A button runs the command on the view that owns the
// toolbar; after every batch of platform changes the buttons take the enabled and checked
// state of the view's update handlers, and the bar its shown state.
#pragma once

#include <QIcon>
#include <QToolBar>
#include <functional>
#include <string>

#include "gui/QtBackend.h"

namespace tarnhost {
class DockingFramework;
}
namespace tarnui {
struct BitmapResource;
}

namespace tarngui {

// Where the toolbar finds the component's resources.
struct ToolbarResources {
    std::function<std::string(int id)> string;
    std::function<const tarnui::BitmapResource*(int id)> bitmap;
};

class ViewToolbar : public QToolBar {
public:
    ViewToolbar(QtBackend& backend, tarnhost::DockingFramework& docking, ToolbarResources resources,
                const tarnui::Window& frame, QWidget* parent = nullptr);

    // Builds the buttons once the toolbar is loaded, then follows the commands' states.
    void Sync();

private:
    void Build(const std::vector<int>& commands, int bitmap, int buttonWidth, int buttonHeight);

    tarnhost::DockingFramework& docking_;
    ToolbarResources resources_;
    const tarnui::Window* frame_;
    bool built_ = false;
};

// A pane's content: the toolbar above the view.
QWidget* WithViewToolbar(ViewToolbar* toolbar, QWidget* view, QWidget* parent);

// Button `index` (separators not counted) of a toolbar bitmap strip; null icon when outside.
QIcon ToolbarButtonIcon(const tarnui::BitmapResource& strip, int index, int buttonWidth);

}  // namespace tarngui
