#include "gui/BuildPanes.h"

#include <QFileDialog>
#include <QStatusBar>

#include "host/cli/session/MapSession.h"

#include "host/cli/session/SessionBuild.h"

namespace tarngui {

BuildPanes::BuildPanes(QMainWindow& window, std::function<bool(const std::string&)> openMapWindow)
    : window_(window), openMapWindow_(std::move(openMapWindow)) {}

QDockWidget* BuildPanes::MakeDock(const QString& title, QWidget* content) {
    auto* dock = new QDockWidget(title, &window_);
    dock->setObjectName(title);
    dock->setWidget(content);
    window_.addDockWidget(Qt::BottomDockWidgetArea, dock);
    return dock;
}

void BuildPanes::Attach(tarncli::session::MapSession* session, ListingWatcher* watcher) {
    session_ = session;
    watcher_ = watcher;
    if (watcher_ != nullptr) {
        watcher_->AddReloadListener([this] { Refresh(true); });
    }
    Refresh(false);
}

void BuildPanes::Refresh(bool reread) {
    if (usage_ != nullptr) {
        usage_->Refresh(session_, reread);
        if (watcher_ != nullptr) {
            watcher_->Follow();  // the pane may have read the listing first
        }
    }
    if (compare_ != nullptr && !compare_->Path().empty()) {
        compare_->Refresh(session_, reread && usage_ == nullptr);
    }
}

void BuildPanes::ShowUsage() {
    if (usage_ == nullptr) {
        usage_ = new MemoryUsagePane;
        usage_->OnSectionClicked(
            [this](const std::string& name, uint32_t start) { SelectSection(name, start); });
        MakeDock("Memory Usage", usage_);
    }
    usage_->parentWidget()->show();
    usage_->parentWidget()->raise();
    Refresh(false);
}

void BuildPanes::SelectSection(const std::string& name, uint32_t start) {
    if (session_ == nullptr) {
        return;
    }
    if (tarncli::session::ClickSectionRow(*session_, name, start)) {
        return;
    }
    if (session_->FindView("section-list") == nullptr && openMapWindow_("section-list") &&
        tarncli::session::ClickSectionRow(*session_, name, start)) {
        return;
    }
    window_.statusBar()->showMessage(QString::fromStdString("The section list shows no " + name));
}

void BuildPanes::ChooseAndCompare() {
    const QString path = QFileDialog::getOpenFileName(
        &window_, "Compare With Listing", {},
        "Listings, map files and workspaces (*.map *.tarnws);;All files (*)");
    if (!path.isEmpty()) {
        CompareWith(path.toStdString());
    }
}

bool BuildPanes::CompareWith(const std::string& path) {
    if (compare_ == nullptr) {
        compare_ = new ComparePane;
        MakeDock("Compare", compare_);
    }
    compare_->parentWidget()->show();
    compare_->parentWidget()->raise();
    return compare_->Compare(session_, path);
}

}  // namespace tarngui
