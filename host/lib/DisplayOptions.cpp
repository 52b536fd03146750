#include "host/lib/DisplayOptions.h"

#include "host/lib/SubstituteHost.h"
#include "platform/text/Utf.h"
#include "src/shell/HostIds.h"

namespace tarnhost {
namespace {

std::vector<IBraeFormatViewClient2*> Clients(SubstituteHost& host) {
    return host.HostObject().AdvisedClients<IBraeFormatViewClient2>(kIdIBraeFormatViewClient2);
}

}  // namespace

std::optional<DisplayOptions> ReadDisplayOptions(SubstituteHost& host) {
    for (IBraeFormatViewClient2* client : Clients(host)) {
        WString name;
        int32_t size = 0;
        int32_t foreground = 0;
        int32_t background = 0;
        client->GetFont(&name, &size);
        client->GetItemColours(u"Text", &foreground, &background);
        return DisplayOptions{tarnui::Utf16ToUtf8(name), size, foreground, background};
    }
    return std::nullopt;
}

void ApplyDisplayOptions(SubstituteHost& host, const DisplayOptions& options) {
    for (IBraeFormatViewClient2* client : Clients(host)) {
        client->SetFont(tarnui::Utf8ToUtf16(options.fontName), options.fontSize);
        client->SetTextColours(options.foreground, options.background);
    }
}

}  // namespace tarnhost
