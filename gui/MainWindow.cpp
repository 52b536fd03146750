#include "gui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <cstdio>
#include <optional>

#include "gui/BusyIndication.h"
#include "gui/OptionsDialog.h"
#include "gui/ReportViews.h"
#include "gui/SourceViewer.h"
#include "gui/ViewToolbar.h"
#include "host/cli/HostSession.h"
#include "host/cli/session/MapSession.h"
#include "host/lib/WorkspaceClients.h"
#include "platform/menus/Menu.h"
#include "src/shell/HostInterfaces.h"

namespace tarngui {

namespace {

// The list or tree control a view window shows, searched depth first.
tarnui::Control* ReportControlIn(tarnui::Window& window) {
    for (tarnui::Window* child : window.Children()) {
        if (auto* c = dynamic_cast<tarnui::ListControl*>(child)) {
            return c;
        }
        if (auto* c = dynamic_cast<tarnui::TreeControl*>(child)) {
            return c;
        }
        if (tarnui::Control* found = ReportControlIn(*child)) {
            return found;
        }
    }
    return nullptr;
}

// A pane on screen: its size goes to the pane window, which passes it on to its view.
class PaneWidget : public QDockWidget {
public:
    PaneWidget(QtBackend& backend, tarnhost::DockingFramework& docking, ToolbarResources resources,
               tarnui::Window& pane, const QString& caption, QWidget* parent)
        : QDockWidget(caption, parent), docking_(docking), pane_(&pane) {
        setObjectName(caption + QString::number(reinterpret_cast<quintptr>(&pane)));
        setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                    QDockWidget::DockWidgetFloatable);
        tarnui::Control* control = ReportControlIn(pane);
        if (auto* list = dynamic_cast<tarnui::ListControl*>(control)) {
            view_ = new ListView(backend, *list, this);
        } else if (auto* tree = dynamic_cast<tarnui::TreeControl*>(control)) {
            view_ = new TreeView(backend, *tree, this);
        } else {
            view_ = new QLabel(this);
        }
        sized_ = view_;
        if (auto* items = dynamic_cast<QAbstractItemView*>(view_)) {
            sized_ = items->viewport();
        }
        sized_->installEventFilter(this);
        setWidget(WithViewToolbar(new ViewToolbar(backend, docking, std::move(resources), pane),
                                  view_, this));
    }
    void Forget() { pane_ = nullptr; }

protected:
    // The view's size goes to the pane window: for a list or tree the size that gives its
    // control the rows the widget shows.
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == sized_ && e->type() == QEvent::Resize && pane_ != nullptr) {
            auto* items = dynamic_cast<QAbstractItemView*>(view_);
            const QSize size = items != nullptr ? ControlClientSize(*items) : view_->size();
            pane_->MoveWindow({0, 0, size.width(), size.height()});
        }
        return QDockWidget::eventFilter(watched, e);
    }
    void closeEvent(QCloseEvent* e) override {
        // The docking framework and the component decide; the dock follows their state.
        e->ignore();
        if (pane_ != nullptr) {
            tarnui::Window* pane = pane_;
            QMetaObject::invokeMethod(
                parentWidget(), [this, pane] { docking_.UserClosesPane(pane); },
                Qt::QueuedConnection);
        }
    }

private:
    tarnhost::DockingFramework& docking_;
    tarnui::Window* pane_;
    QWidget* view_ = nullptr;
    QWidget* sized_ = nullptr;  // the widget whose resizing resizes the pane
};

}  // namespace

MainWindow::MainWindow(QtBackend& backend) : backend_(backend) {
    setWindowTitle("TarnMap");
    resize(1100, 720);
    buildPanes_ = std::make_unique<BuildPanes>(
        *this, [this](const std::string& view) { return OpenMapWindow(view); });
    setDockNestingEnabled(true);
    setCentralWidget(nullptr);
    BuildMenus();
    statusBar()->showMessage("No workspace open");
    backend_.SetDialogParent(this);
    backend_.SetAfterChanges([this] { SyncPanes(); });
    backend_.SetUnhandledKey([this](uint32_t key, unsigned modifiers) {
        return session_ != nullptr && session_->Host().Docking().TranslateAccelerator(
                                          key, static_cast<uint8_t>(modifiers));
    });
}

MainWindow::~MainWindow() {
    backend_.SetAfterChanges({});
    backend_.SetUnhandledKey({});
    CloseWorkspace();
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("&Open Workspace...", this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, "Open Workspace", {},
                                                          "Workspaces (*.tarnws);;All files (*)");
        if (!path.isEmpty()) {
            OpenWorkspace(path.toStdString());
        }
    });
    file->addAction("Open &Map Listing...", this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, "Open Map Listing");
        if (!path.isEmpty()) {
            OpenListing(path.toStdString());
        }
    });
    file->addAction("&Save Workspace", QKeySequence::Save, this, [this] { SaveWorkspace(); });
    file->addAction("Compare &With Listing...", this, [this] { buildPanes_->ChooseAndCompare(); });
    file->addAction("&Close Workspace", this, [this] {
        if (MayCloseWorkspace()) {
            CloseWorkspace();
        }
    });
    file->addSeparator();
    QMenu* recent = file->addMenu("&Recent Workspaces");
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        FillRecentMenu(*recent);
    });
    file->addSeparator();
    file->addAction("&Quit", QKeySequence::Quit, this, [this] { close(); });

    tools_ = menuBar()->addMenu("&Tools");
    connect(tools_, &QMenu::aboutToShow, this, [this] {
        tools_->clear();
        FillToolsMenu(*tools_);
        tools_->addSeparator();
        tools_->addAction("&Options...", this, [this] { ShowOptions(); })
            ->setEnabled(session_ != nullptr);
    });

    view_ = menuBar()->addMenu("&View");
    connect(view_, &QMenu::aboutToShow, this, [this] {
        view_->clear();
        for (const auto& [pane, dock] : docks_) {
            view_->addAction(dock->toggleViewAction());
        }
        if (view_->isEmpty()) {
            view_->addAction("(no windows open)")->setEnabled(false);
        }
        view_->addSeparator();
        view_->addAction("&Memory Usage", this, [this] { buildPanes_->ShowUsage(); });
    });

    QMenu* window = menuBar()->addMenu("&Window");
    window->addAction("Map &Section Information", this, [this] { OpenMapWindow("section-list"); });
    window->addAction("Map S&ymbol Information", this, [this] { OpenMapWindow("symbol-list"); });

    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction("&About TarnMap", this, [this] {
        QMessageBox::about(this, "About TarnMap",
                           "TarnMap: what the linkage editor made of the build, and where "
                           "its sections go.");
    });
}

void MainWindow::FillToolsMenu(QMenu& menu) {
    if (session_ == nullptr) {
        menu.addAction("(no workspace open)")->setEnabled(false);
        return;
    }
    tarnhost::DockingFramework& docking = session_->Host().Docking();
    for (const tarnhost::HostMenuEntry& entry : docking.Menus()) {
        const tarnui::Menu items(entry.menu);
        for (int i = 0; i < items.Count(); ++i) {
            const tarnui::Menu* sub = items.GetSubMenu(i);
            const tarnui::Menu& source = sub != nullptr ? *sub : items;
            for (int k = 0; k < source.Count(); ++k) {
                const tarnui::Menu::Item& item = source.At(k);
                if (item.separator) {
                    menu.addSeparator();
                    continue;
                }
                const int command = item.command;
                QAction* a = menu.addAction(QString::fromStdString(item.text).replace("\t", "    "),
                                            this, [this, command] { RunHostCommand(command); });
                const tarnui::CommandUI ui = docking.QueryCommand(command);
                a->setEnabled(ui.enabled);
                a->setCheckable(ui.checked);
                a->setChecked(ui.checked);
            }
            if (sub == nullptr) {
                break;
            }
        }
    }
    if (menu.isEmpty()) {
        menu.addAction("(no tools)")->setEnabled(false);
    }
}

bool MainWindow::Start(std::unique_ptr<tarnhost::SubstituteHost> host, const std::string& error) {
    if (!MayCloseWorkspace()) {
        return false;
    }
    CloseWorkspace();
    std::string reason = error;
    if (host != nullptr) {
        host->SourceDisplay().SetListener([this](const tarnhost::SourceRequest& request) {
            ShowSource(request.file, request.line);
        });
        session_ = tarncli::session::MapSession::Start(std::move(host), &reason);
    }
    if (session_ == nullptr) {
        if (unattended_) {
            std::fprintf(stderr, "tarnmap-gui: %s\n", reason.c_str());
        } else {
            QMessageBox::critical(this, "TarnMap", QString::fromStdString(reason));
        }
        return false;
    }
    // "Display toolbar" changes only the host's state: the toolbars follow it at once.
    session_->Host().Docking().SetToolbarListener(
        [&backend = backend_] { backend.ScheduleFlush(); });
    watcher_ = std::make_unique<ListingWatcher>(*session_);
    watcher_->SetAroundReload([this](const std::function<void()>& reload) {
        const BusyIndication busy(statusBar(), "Reading the rebuilt map listing");
        reload();
    });
    buildPanes_->Attach(session_.get(), watcher_.get());
    const tarnhost::Workspace* ws = session_->Host().OpenWorkspace();
    if (ws != nullptr) {
        // The component restores the Map windows saved with the workspace and reads their data.
        const BusyIndication busy(statusBar(), "Opening the workspace");
        tarnhost::TellWorkspaceOpened(session_->Host());
    }
    watcher_->Follow();
    statusBar()->showMessage(ws != nullptr ? "Workspace open" : "Ready");
    SyncPanes();
    return true;
}

bool MainWindow::OpenWorkspace(const std::string& path) {
    std::string error;
    auto host = tarncli::OpenWorkspaceHost(path, &error);
    const bool ok = Start(std::move(host), error);
    if (ok) {
        statusBar()->showMessage(QString::fromStdString("Workspace " + path));
        recent_.Add(QString::fromStdString(path));
    }
    return ok;
}

bool MainWindow::OpenListing(const std::string& path) {
    std::string error;
    auto host = tarncli::OpenListingHost(path, &error);
    const bool ok = Start(std::move(host), error);
    if (ok) {
        statusBar()->showMessage(QString::fromStdString("Map listing " + path));
    }
    return ok;
}

void MainWindow::RemoveDocks() {
    for (auto& [pane, dock] : docks_) {
        static_cast<PaneWidget*>(dock)->Forget();
        removeDockWidget(dock);
        delete dock;
    }
    docks_.clear();
}

void MainWindow::CloseWorkspace() {
    RemoveDocks();
    for (auto& [handle, bar] : toolbars_) {
        removeToolBar(bar);
        delete bar;
    }
    toolbars_.clear();
    buildPanes_->Attach(nullptr, nullptr);
    watcher_.reset();
    session_.reset();
    statusBar()->showMessage("No workspace open");
}

bool MainWindow::OpenMapWindow(const std::string& viewName) {
    if (session_ == nullptr) {
        return false;
    }
    std::string error;
    const BusyIndication busy(statusBar(), "Opening the Map window");
    if (!session_->OpenWindowFor(viewName, &error)) {
        statusBar()->showMessage(QString::fromStdString(error));
        return false;
    }
    watcher_->Follow();
    SyncPanes();
    return true;
}

void MainWindow::RunHostCommand(int command) {
    // A dialog the command opens is the person's time; what follows its OK (a Map window
    // being read) shows as busy.
    std::optional<BusyIndication> busy;
    const std::string text = session_->ComponentString(command);
    const QString what = QString::fromStdString(text.substr(0, text.find('\n')));
    backend_.SetAfterDialogOk([&] {
        if (!busy) {
            busy.emplace(statusBar(), what);
        }
    });
    session_->Host().Docking().ExecuteCommand(command);
    backend_.SetAfterDialogOk({});
    watcher_->Follow();
    SyncPanes();
}

void MainWindow::SyncToolbars() {
    tarnhost::DockingFramework& docking = session_->Host().Docking();
    for (const tarnhost::ToolbarState& state : docking.Toolbars()) {
        if (state.frame != nullptr || !state.loaded) {
            continue;  // pane toolbars belong to their panes
        }
        QToolBar*& bar = toolbars_[state.handle];
        if (bar == nullptr) {
            bar = addToolBar(QString::fromStdString(state.displayName));
            const tarnui::BitmapResource* strip = session_->ComponentBitmap(state.bitmap);
            if (state.buttonWidth > 0 && state.buttonHeight > 0) {
                bar->setIconSize(QSize(state.buttonWidth, state.buttonHeight));
            }
            int picture = 0;  // separators have none
            for (int command : state.commands) {
                if (command == 0) {
                    bar->addSeparator();
                    continue;
                }
                // "Description\nButton text": the button shows the second part.
                const std::string text = session_->ComponentString(command);
                const size_t cut = text.find('\n');
                QAction* a = bar->addAction(
                    QString::fromStdString(cut == std::string::npos ? text : text.substr(cut + 1)));
                a->setToolTip(QString::fromStdString(text.substr(0, cut)));
                a->setData(command);
                if (strip != nullptr) {
                    a->setIcon(ToolbarButtonIcon(*strip, picture, state.buttonWidth));
                }
                ++picture;
                connect(a, &QAction::triggered, this, [this, command] { RunHostCommand(command); });
            }
        }
        bar->setVisible(state.shown);
        for (QAction* a : bar->actions()) {
            if (!a->isSeparator()) {
                a->setEnabled(docking.QueryCommand(a->data().toInt()).enabled);
            }
        }
    }
}

void MainWindow::SyncPanes() {
    if (session_ == nullptr) {
        RemoveDocks();
        return;
    }
    SyncToolbars();
    tarnhost::DockingFramework& docking = session_->Host().Docking();
    std::map<const tarnui::Window*, QDockWidget*> kept;
    for (const auto& pane : docking.Panes()) {
        const bool shown = (pane->state & kFrameShown) != 0 && pane->window != nullptr &&
                           pane->window->IsCreated();
        if (!shown) {
            continue;
        }
        const tarnui::Window* window = pane->window.get();
        if (auto it = docks_.find(window); it != docks_.end()) {
            kept[window] = it->second;
            docks_.erase(it);
            continue;
        }
        ToolbarResources resources{[this](int id) { return session_->ComponentString(id); },
                                   [this](int id) { return session_->ComponentBitmap(id); }};
        auto* dock = new PaneWidget(backend_, docking, std::move(resources), *pane->window,
                                    QString::fromStdString(pane->caption), this);
        addDockWidget(
            pane->dockBar == kDockBarBottom ? Qt::BottomDockWidgetArea : Qt::TopDockWidgetArea,
            dock);
        kept[window] = dock;
    }
    RemoveDocks();  // those whose panes went
    const bool added = kept.size() > docks_.size();
    docks_ = std::move(kept);
    if (added) {
        ShareSpace();
    }
}

void MainWindow::ShareSpace() {
    // Docks of one area share its width; the documents take the upper part of the window.
    QList<QDockWidget*> top, bottom;
    for (const auto& [pane, dock] : docks_) {
        (dockWidgetArea(dock) == Qt::BottomDockWidgetArea ? bottom : top).append(dock);
    }
    for (const QList<QDockWidget*>* area : {&top, &bottom}) {
        if (area->size() > 1) {
            resizeDocks(*area, QList<int>(area->size(), width() / area->size()), Qt::Horizontal);
        }
    }
    if (!top.isEmpty() && !bottom.isEmpty()) {
        resizeDocks({top.first(), bottom.first()}, {height() * 2 / 5, height() * 3 / 5},
                    Qt::Vertical);
    }
}

bool MainWindow::SaveScreenshot(const std::string& path) {
    QApplication::processEvents();
    return grab().save(QString::fromStdString(path), "PNG");
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (!MayCloseWorkspace()) {
        e->ignore();
        return;
    }
    CloseWorkspace();
    e->accept();
}

void MainWindow::Complain(const QString& text) {
    if (unattended_) {
        std::fprintf(stderr, "tarnmap-gui: %s\n", text.toLocal8Bit().constData());
    } else {
        QMessageBox::warning(this, "TarnMap", text);
    }
}

void MainWindow::FillRecentMenu(QMenu& menu) {
    const QStringList paths = recent_.Paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        menu.addAction(QString("&%1 %2").arg(i + 1).arg(path), this, [this, path] {
            if (!QFileInfo::exists(path)) {
                recent_.Remove(path);
                Complain(path + " no longer exists; it is taken off the recent workspaces.");
                return;
            }
            OpenWorkspace(path.toStdString());
        });
    }
    if (paths.isEmpty()) {
        menu.addAction("(none)")->setEnabled(false);
    }
}

bool MainWindow::MayCloseWorkspace() {
    if (session_ == nullptr || unattended_ || !tarnhost::HasUnsavedEdits(session_->Host())) {
        return true;
    }
    if (session_->HostLock()) {
        // While a build runs the edits cannot be set: the section setting tree asks itself
        // whether its window may close and drop them, as when a person closes that window.
        if (tarnui::Window* pane = session_->FrameOf("section-settings")) {
            session_->Host().Docking().UserClosesPane(pane);
            tarnui::Window::PumpMessages();
            SyncPanes();
        }
        return !tarnhost::HasUnsavedEdits(session_->Host());
    }
    QMessageBox ask(QMessageBox::Question, "TarnMap",
                    "The section setting tree holds edits that have not been set.",
                    QMessageBox::Cancel, this);
    ask.setInformativeText("Close the workspace? The Map window asks next whether to set them.");
    QPushButton* close = ask.addButton("Close", QMessageBox::AcceptRole);
    ask.setDefaultButton(QMessageBox::Cancel);
    ask.exec();
    if (ask.clickedButton() != close) {
        return false;
    }
    return tarnhost::SettleEdits(session_->Host());
}

bool MainWindow::SaveWorkspace() {
    const tarnhost::Workspace* ws =
        session_ != nullptr ? session_->Host().OpenWorkspace() : nullptr;
    if (ws == nullptr || ws->IsInMemory()) {
        Complain("No workspace file is open: a map listing opened on its own is not saved.");
        return false;
    }
    std::string error;
    if (!tarnhost::SaveWorkspace(session_->Host(), &error)) {
        Complain(QString::fromStdString("The workspace could not be saved: " + error));
        return false;
    }
    statusBar()->showMessage(QString::fromStdString("Workspace saved: " + ws->Path()));
    return true;
}

void MainWindow::ShowOptions() {
    const std::optional<DisplayOptions> current =
        session_ != nullptr ? tarnhost::ReadDisplayOptions(session_->Host()) : std::nullopt;
    if (!current) {
        statusBar()->showMessage("Open a workspace or a map listing first");
        return;
    }
    OptionsDialog dialog(*current, this);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() == *current) {
        return;
    }
    tarnhost::ApplyDisplayOptions(session_->Host(), dialog.Chosen());
    const std::string& failure = session_->Host().UserOptions().LastError();
    if (!failure.empty()) {
        Complain(QString::fromStdString("The display options could not be kept: " + failure));
    }
}

void MainWindow::ShowSource(const std::string& file, int line) {
    if (source_ == nullptr) {
        source_ = new SourceViewer(this);
        addDockWidget(Qt::RightDockWidgetArea, source_);
    }
    source_->show();
    source_->raise();
    if (!source_->Show(QString::fromStdString(file), line)) {
        statusBar()->showMessage(QString::fromStdString(file + ": cannot be read"));
    }
}

}  // namespace tarngui
