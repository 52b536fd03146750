#include "host/cli/session/SessionBuild.h"

#include "host/cli/BuildInput.h"
#include "host/cli/ExportCommand.h"
#include "host/cli/session/MapSession.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"
#include "src/views/CTarnMapSectionListInstanceCtrl.h"

namespace tarncli::session {

std::optional<SessionBuild> CurrentBuild(MapSession& session, bool reread, std::string* error) {
    CTarnMapDataManager& data = session.Sink().DataManager();
    // The sink reloads the link map after a rebuild only for its open Map windows.
    const bool windowOpen = session.Sink().SectionWindowOpen() || session.Sink().SymbolWindowOpen();
    const bool read = session.ListingPath().empty() || (reread && !windowOpen);
    if (read && !LoadLinkMap(session.Host(), data, error)) {
        return std::nullopt;
    }
    SessionBuild build;
    data.GetSections(0, data.GetSectionCount(), build.sections);
    build.linkMap = data.LinkMap();
    MapLayout layout = UsageLayout(session.Host(), data);
    build.areas = std::move(layout.regions);
    build.loadImages = std::move(layout.loadImages);
    return build;
}

bool ClickSectionRow(MapSession& session, const std::string& name, uint32_t start) {
    auto* view = dynamic_cast<CTarnMapSectionListInstanceCtrl*>(session.FindView("section-list"));
    if (view == nullptr) {
        return false;
    }
    const LinkMapSectionRows& rows = view->Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i]->name == name && rows[i]->startAddress == start) {
            const int row = static_cast<int>(i);
            view->List().EnsureVisible(row);
            return view->List().ClickItem(row);
        }
    }
    return false;
}

}  // namespace tarncli::session
