// The error service: keeps every report a component makes, in order, for the front end.
#pragma once

#include <cstdint>
#include <vector>

#include "host/lib/HostObject.h"

namespace tarnhost {

struct ErrorReport {
    int32_t first = 0;
    int32_t second = 0;
    friend bool operator==(const ErrorReport&, const ErrorReport&) = default;
};

class ErrorService final : public HostObject<IBraeErrorService> {
public:
    ErrorService() : HostObject(kIdErrorService) {}

    HResult Report(int32_t first, int32_t second) override {
        reports_.push_back({first, second});
        return kStatusOk;
    }

    const std::vector<ErrorReport>& Reports() const { return reports_; }
    void ClearReports() { reports_.clear(); }

private:
    std::vector<ErrorReport> reports_;
};

}  // namespace tarnhost
