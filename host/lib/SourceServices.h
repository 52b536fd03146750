// The source services: lookup answers the file and line of an address from the workspace's
// [sources] table (placeholders expanded, a relative path taken from the workspace directory),
// else from the DWARF line table of the linked ELF file;
// display keeps each request to open a source line for the front end to act on.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "host/lib/HostObject.h"
#include "host/lib/Workspace.h"

namespace tarnhost {

class SourceLookupService final : public HostObject<IBraeSourceLookup> {
public:
    // workspace may be null: no workspace is open and nothing is found.
    SourceLookupService(const Workspace* workspace,
                        std::vector<std::pair<std::string, std::string>> hostPlaceholders);

    // kStatusOk with the file and line, kStatusFail when neither the table nor the ELF
    // file's line table has the address.
    HResult LookupAddress(uint32_t address, WString* file, int32_t* line) override;

    // The file of a table entry as a path: "$(NAME)" of the workspace's names and directories
    // and of the custom placeholders replaced (unknown names stay), then made absolute.
    std::string ExpandPath(const std::string& file) const;

    // The host opened another workspace (null: none is open).
    void SetWorkspace(const Workspace* workspace) { workspace_ = workspace; }

private:
    const Workspace* workspace_;
    std::vector<std::pair<std::string, std::string>> hostPlaceholders_;
};

struct SourceRequest {
    std::string file;
    int32_t line = 0;
};

class SourceDisplayService final : public HostObject<IBraeSourceDisplay> {
public:
    using Listener = std::function<void(const SourceRequest&)>;

    SourceDisplayService();
    // Records the request and tells the listener; result 1 (opened).
    HResult ShowSourceLine(const WString& file, int32_t line, int32_t* result) override;

    const std::vector<SourceRequest>& Requests() const { return requests_; }
    void SetListener(Listener listener) { listener_ = std::move(listener); }

private:
    std::vector<SourceRequest> requests_;
    Listener listener_;
};

}  // namespace tarnhost
