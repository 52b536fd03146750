// A workspace data service in memory that records every key asked for, in order.
#pragma once

#include <map>
#include <vector>

#include "src/shell/HostInterfaces.h"

namespace views_test {

class FakeWorkspaceData : public IBraeWorkspaceData {
public:
    std::map<WString, int32_t> numbers;
    std::map<WString, WString> strings;
    std::vector<WString> reads, writes;
    Address last;

    HResult QueryInterface(const TarnId&, void**) override { return kStatusNoInterface; }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }
    HResult WriteNumber(const Address& where, const WString& key, int32_t value) override {
        return Write(where, key, numbers, value);
    }
    HResult ReadNumber(const Address& where, const WString& key, int32_t* value) override {
        *value = -777;  // a service may scribble on a failed read
        return Read(where, key, numbers, value);
    }
    HResult WriteString(const Address& where, const WString& key, const WString& value) override {
        return Write(where, key, strings, value);
    }
    HResult ReadString(const Address& where, const WString& key, WString* value) override {
        return Read(where, key, strings, value);
    }

private:
    template <typename T>
    HResult Write(const Address& where, const WString& key, std::map<WString, T>& store, T v) {
        last = where;
        writes.push_back(key);
        store[key] = v;
        return kStatusOk;
    }
    template <typename T>
    HResult Read(const Address& where, const WString& key, std::map<WString, T>& store, T* v) {
        last = where;
        reads.push_back(key);
        const auto it = store.find(key);
        if (it == store.end()) {
            return kStatusFail;
        }
        *v = it->second;
        return kStatusOk;
    }
};

}  // namespace views_test
