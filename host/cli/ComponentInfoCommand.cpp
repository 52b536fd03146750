// `tarnmap component-info`: the component's start-up as the host runs it, through dlopen.
#include <memory>
#include <ostream>

#include "host/cli/Cli.h"
#include "host/cli/ComponentInfoCommand.h"
#include "host/lib/ComponentSession.h"
#include "host/lib/SubstituteHost.h"
#include "platform/backend/HeadlessBackend.h"

namespace tarncli {

int ComponentInfoCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    std::string library = tarnhost::ComponentLoader::DefaultLibraryPath();
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--library" && i + 1 < args.size()) {
            library = args[++i];
        } else {
            err << "tarnmap: component-info takes [--library PATH]\n";
            return 2;
        }
    }

    // Whatever the component shows at start-up is answered headless and printed.
    tarnui::HeadlessBackend backend;
    tarnui::ScopedBackend useBackend(backend);
    tarnhost::SubstituteHost host(nullptr, {});
    tarnhost::ComponentSession session(host, library);
    const bool started = session.Start();

    out << "Library: " << library << "\n";
    if (const tarnhost::ComponentRegistration* registration = session.Registration()) {
        out << "Component: " << registration->name << "\n";
    }
    if (session.Loader().IsLoaded()) {
        out << "Version: " << session.MajorVersion() << "." << session.MinorVersion() << "\n";
    }
    out << "Initialise: " << (session.Initialised() ? "succeeded" : "failed") << "\n";
    for (const std::string& message : backend.MessageTexts()) {
        err << "tarnmap: message: " << message << "\n";
    }
    session.Stop();
    for (const std::string& failure : session.Loader().Failures()) {
        err << "tarnmap: error: " << failure << "\n";
    }
    return started ? 0 : 1;
}

}  // namespace tarncli
