// A host that offers only the placeholder and custom placeholder services, with values set by
// the test. The directory and name answers spell out the names they were asked with, so a
// test sees which current names reached the host.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "src/shell/HostIds.h"
#include "src/shell/HostInterfaces.h"

namespace fakehost {

// Counts what the component took and gave back.
template <class Interface>
class Counted : public Interface {
public:
    HResult QueryInterface(const TarnId&, void** out) override {
        *out = nullptr;
        return kStatusNoInterface;
    }
    uint32_t AddRef() override { return static_cast<uint32_t>(++references); }
    uint32_t Release() override {
        ++releases;
        return static_cast<uint32_t>(--references);
    }
    int references = 0;
    int releases = 0;
    // Positions whose calls fail.
    std::set<int> failing;

protected:
    HResult Answer(int position, WString* out, const WString& value) {
        if (failing.count(position) != 0) {
            *out = u"failed call answered";
            return kStatusFail;
        }
        *out = value;
        return kStatusOk;
    }
};

class Placeholders : public Counted<IBraePlaceholders> {
public:
    WString braeDir = u"/opt/brae";
    WString tempDir = u"/tmp/brae";
    WString currentConfig = u"Debug";
    WString currentProject = u"Blinky";
    WString currentWorkspace = u"Board";
    int32_t workspaceOpen = 1;

    HResult GetBraeDir(WString* dir) override { return Answer(5, dir, braeDir); }
    HResult GetTempDir(WString* dir) override { return Answer(6, dir, tempDir); }
    HResult GetCurrentConfigName(WString* name) override { return Answer(10, name, currentConfig); }
    HResult GetCurrentProjectName(WString* name) override {
        return Answer(11, name, currentProject);
    }
    HResult GetCurrentWorkspaceName(WString* name) override {
        return Answer(12, name, currentWorkspace);
    }
    HResult GetConfigName(const WString& w, const WString& p, const WString& c,
                          WString* name) override {
        return Answer(19, name, u"config-name:" + w + u"," + p + u"," + c);
    }
    HResult GetProjectName(const WString& w, const WString& p, WString* name) override {
        return Answer(20, name, u"project-name:" + w + u"," + p);
    }
    HResult GetWorkspaceName(const WString& w, WString* name) override {
        return Answer(21, name, u"workspace-name:" + w);
    }
    HResult GetConfigDir(const WString& w, const WString& p, const WString& c,
                         WString* dir) override {
        return Answer(22, dir, u"/ws/" + w + u"/" + p + u"/" + c);
    }
    HResult GetProjectDir(const WString& w, const WString& p, WString* dir) override {
        return Answer(23, dir, u"/ws/" + w + u"/" + p);
    }
    HResult GetWorkspaceDir(const WString& w, WString* dir) override {
        return Answer(24, dir, u"/ws/" + w);
    }
    HResult IsWorkspaceOpen(int32_t* open) override {
        *open = workspaceOpen;
        return failing.count(35) != 0 ? kStatusFail : kStatusOk;
    }
};

class CustomPlaceholders : public Counted<IBraeCustomPlaceholders> {
public:
    std::vector<HostNameValue> hostList;
    std::map<WString, std::vector<HostNameValue>> workspaceLists;
    std::vector<WString> workspacesAsked;

    HResult GetHostPlaceholders(std::vector<HostNameValue>* list) override {
        *list = hostList;
        return failing.count(43) != 0 ? kStatusFail : kStatusOk;
    }
    HResult GetWorkspacePlaceholders(const WString& workspace,
                                     std::vector<HostNameValue>* list) override {
        workspacesAsked.push_back(workspace);
        auto found = workspaceLists.find(workspace);
        *list = found != workspaceLists.end() ? found->second : std::vector<HostNameValue>{};
        return failing.count(186) != 0 ? kStatusFail : kStatusOk;
    }
};

// Hands out the services it was given; a null service is not offered.
class Host : public Counted<IBraeHost> {
public:
    Placeholders* placeholders = nullptr;
    CustomPlaceholders* custom = nullptr;
    int servicesHandedOut = 0;

    HResult RaiseEvent(const TarnId&, int32_t) override { return kStatusOk; }
    HResult GetService(const TarnId& id, void** out) override {
        *out = nullptr;
        if (id == kIdPlaceholderService && placeholders != nullptr) {
            placeholders->AddRef();
            *out = static_cast<IBraePlaceholders*>(placeholders);
        } else if (id == kIdCustomPlaceholderService && custom != nullptr) {
            custom->AddRef();
            *out = static_cast<IBraeCustomPlaceholders*>(custom);
        } else {
            return kStatusNoInterface;
        }
        ++servicesHandedOut;
        return kStatusOk;
    }
    HResult Advise(const TarnId&, IUnknown*) override { return kStatusOk; }
    HResult Unadvise(const TarnId&, IUnknown*) override { return kStatusOk; }
};

}  // namespace fakehost
