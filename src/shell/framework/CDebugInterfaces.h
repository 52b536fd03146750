// The debugger services a window may use. This host offers no debugger services, so the
// pointers stay null; the classes keep them so that the debugger broadcasts have a place to
// look once a host offers them.
#pragma once

class IUnknown;

class CDebugInterfaces {
public:
    static constexpr int kServiceCount = 8;

    IUnknown* DebuggerService(int index) const {
        return index >= 0 && index < kServiceCount ? services_[index] : nullptr;
    }

private:
    IUnknown* services_[kServiceCount] = {};
};
