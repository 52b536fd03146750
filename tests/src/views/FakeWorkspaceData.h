// A workspace data service in memory that records every key asked for, in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "src/shell/HostInterfaces.h"

namespace views_test {

class FakeWorkspaceData : public IBraeWorkspaceData {
public:
    std::map<WString, int32_t> numbers;
    std::map<WString, WString> strings;
    std::vector<WString> reads;
    std::vector<WString> writes;
    Address last;

    HResult QueryInterface(const TarnId&, void**) override { return kStatusNoInterface; }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }

    HResult WriteNumber(const Address& where, const WString& key, int32_t value) override {
        last = where;
        writes.push_back(key);
        numbers[key] = value;
        return kStatusOk;
    }
    HResult ReadNumber(const Address& where, const WString& key, int32_t* value) override {
        last = where;
        reads.push_back(key);
        auto it = numbers.find(key);
        if (it == numbers.end()) {
            *value = -777;  // a service may scribble on a failed read
            return kStatusFail;
        }
        *value = it->second;
        return kStatusOk;
    }
    HResult WriteString(const Address& where, const WString& key, const WString& value) override {
        last = where;
        writes.push_back(key);
        strings[key] = value;
        return kStatusOk;
    }
    HResult ReadString(const Address& where, const WString& key, WString* value) override {
        last = where;
        reads.push_back(key);
        auto it = strings.find(key);
        if (it == strings.end()) {
            return kStatusFail;
        }
        *value = it->second;
        return kStatusOk;
    }
};

}  // namespace views_test
