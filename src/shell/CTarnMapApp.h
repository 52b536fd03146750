// The library's application object: one per loaded library, holding the instance table that
// maps the host's instance keys to the component objects created for them.
#pragma once

#include <memory>
#include <unordered_map>

#include "src/shell/HostInterfaces.h"

class CTarnMapDataCtrl;

class CTarnMapApp {
public:
    CTarnMapApp();
    // Instances the host never destroyed are left alone: their windows may hang under host
    // windows that are already gone.
    ~CTarnMapApp();
    CTarnMapApp(const CTarnMapApp&) = delete;
    CTarnMapApp& operator=(const CTarnMapApp&) = delete;

    // Creates the component object for `key`. A failed allocation stores an empty entry; a
    // key that is already in the table keeps its object.
    void CreateInstance(ComponentInstanceKey key);
    // Removes the key and deletes its object; an unknown key is no error.
    void DestroyInstance(ComponentInstanceKey key);
    // The object stored for `key`, or null for an unknown key or an empty entry.
    CTarnMapDataCtrl* Find(ComponentInstanceKey key) const;
    // Asks the object of `key` for an interface; `out` is null unless it answers 0.
    HResult QueryInterface(ComponentInstanceKey key, const TarnId& id, void** out) const;

    size_t InstanceCount() const { return instances_.size(); }

private:
    std::unordered_map<ComponentInstanceKey, std::unique_ptr<CTarnMapDataCtrl>> instances_;
};
