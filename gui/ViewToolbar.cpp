#include "gui/ViewToolbar.h"

#include <QImage>
#include <QPixmap>
#include <QVBoxLayout>

#include "host/lib/DockingFramework.h"
#include "platform/resources/ResourceTable.h"

namespace tarngui {

QIcon ToolbarButtonIcon(const tarnui::BitmapResource& strip, int index, int buttonWidth) {
    const int left = index * buttonWidth;
    if (buttonWidth <= 0 || left < 0 || left + buttonWidth > strip.width ||
        strip.pixels.size() < static_cast<size_t>(strip.width * strip.height)) {
        return {};
    }
    QImage image(buttonWidth, strip.height, QImage::Format_ARGB32);
    for (int y = 0; y < strip.height; ++y) {
        for (int x = 0; x < buttonWidth; ++x) {
            image.setPixel(x, y, strip.pixels[static_cast<size_t>(y * strip.width + left + x)]);
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

ViewToolbar::ViewToolbar(QtBackend& backend, tarnhost::DockingFramework& docking,
                         ToolbarResources resources, const tarnui::Window& frame, QWidget* parent)
    : QToolBar(parent), docking_(docking), resources_(std::move(resources)), frame_(&frame) {
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 15));
    backend.AfterEachChange(this, [this] { Sync(); });
    Sync();
}

void ViewToolbar::Build(const std::vector<int>& commands, int bitmap, int buttonWidth,
                        int buttonHeight) {
    const tarnui::BitmapResource* strip = resources_.bitmap ? resources_.bitmap(bitmap) : nullptr;
    if (buttonWidth > 0 && buttonHeight > 0) {
        setIconSize(QSize(buttonWidth, buttonHeight));
    }
    int picture = 0;
    for (int command : commands) {
        if (command == 0) {
            addSeparator();
            continue;
        }
        // "Description\nShort text": the short text is the tooltip, the description the
        // status bar's.
        const std::string text = resources_.string ? resources_.string(command) : std::string();
        const size_t cut = text.find('\n');
        const QString tip =
            QString::fromStdString(cut == std::string::npos ? text : text.substr(cut + 1));
        QAction* a = addAction(tip);
        a->setToolTip(tip);
        a->setStatusTip(QString::fromStdString(text.substr(0, cut)));
        a->setData(command);
        if (strip != nullptr) {
            a->setIcon(ToolbarButtonIcon(*strip, picture, buttonWidth));
        }
        ++picture;
        connect(a, &QAction::triggered, this, [this, command] {
            // Looked up again: the view may have gone since the last change.
            const tarnhost::ToolbarState* state = docking_.ToolbarOfFrame(frame_);
            tarnui::Window* owner = state != nullptr ? state->owner : nullptr;
            if (owner != nullptr && owner->QueryCommand(command).enabled) {
                owner->ExecuteCommand(command);
            }
        });
    }
    built_ = true;
}

void ViewToolbar::Sync() {
    const tarnhost::ToolbarState* state = docking_.ToolbarOfFrame(frame_);
    if (state == nullptr || !state->loaded || state->owner == nullptr) {
        setVisible(false);
        return;
    }
    tarnui::Window* owner = state->owner;
    if (!built_) {
        setWindowTitle(QString::fromStdString(state->displayName));
        Build(state->commands, state->bitmap, state->buttonWidth, state->buttonHeight);
    }
    setVisible(state->shown);
    for (QAction* a : actions()) {
        if (!a->isSeparator()) {
            const tarnui::CommandUI ui = owner->QueryCommand(a->data().toInt());
            a->setEnabled(ui.handled && ui.enabled);
            a->setCheckable(ui.checked);
            a->setChecked(ui.checked);
        }
    }
}

QWidget* WithViewToolbar(ViewToolbar* toolbar, QWidget* view, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolbar->setParent(box);
    view->setParent(box);
    layout->addWidget(toolbar);
    layout->addWidget(view, 1);
    return box;
}

}  // namespace tarngui
