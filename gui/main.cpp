// tarnmap-gui [WORKSPACE | --map FILE] [--screenshot FILE]: the desktop front end. With
// --screenshot it opens both Map windows, saves a picture of the main window and exits.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>

#include "gui/MainWindow.h"
#include "gui/QtBackend.h"

namespace {
int Usage() {
    std::fprintf(stderr, "usage: tarnmap-gui [WORKSPACE | --map FILE] [--screenshot FILE]\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::string workspace, listing, screenshot;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const std::string a = args[i].toStdString();
        if ((a == "--map" || a == "--screenshot") && i + 1 < args.size()) {
            (a == "--map" ? listing : screenshot) = args[++i].toStdString();
        } else if (!a.empty() && a[0] != '-' && workspace.empty()) {
            workspace = a;
        } else {
            return Usage();
        }
    }
    if (!workspace.empty() && !listing.empty()) {
        return Usage();
    }

    tarngui::QtBackend backend;
    tarnui::ScopedBackend use(backend);
    tarngui::MainWindow window(backend);
    window.SetUnattended(!screenshot.empty());
    window.show();
    bool opened = true;
    if (!workspace.empty()) {
        opened = window.OpenWorkspace(workspace);
    } else if (!listing.empty()) {
        opened = window.OpenListing(listing);
    }
    if (screenshot.empty()) {
        return app.exec();
    }
    if (!opened) {
        return 1;
    }
    window.OpenMapWindow("section-list");
    window.OpenMapWindow("symbol-list");
    int status = 1;
    QTimer::singleShot(200, [&] {
        status = window.SaveScreenshot(screenshot) ? 0 : 1;
        if (status != 0) {
            std::fprintf(stderr, "tarnmap-gui: %s: cannot be written\n", screenshot.c_str());
        }
        window.CloseWorkspace();
        QApplication::quit();
    });
    app.exec();
    return status;
}
