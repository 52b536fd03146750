#include "src/shell/framework/CWSClient2.h"

#include "src/shell/HostIds.h"

HResult CWSClient2::QueryInterface(const TarnId& id, void** out) {
    if (out == nullptr) {
        return kStatusFail;
    }
    if (id == kIdIUnknown || id == kIdIBraeWorkSpaceClient || id == kIdIBraeWorkSpaceClient2) {
        *out = static_cast<IBraeWorkSpaceClient2*>(this);
        return kStatusOk;
    }
    *out = nullptr;
    return kStatusNoInterface;
}

HResult CWSClient2::WorkspaceReserved3(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved4(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved5(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved6(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::SettleEdits(int32_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved8(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved9(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved10(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved11(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved12(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved13(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::QueryModified(intptr_t, int32_t* modified) {
    if (modified != nullptr) {
        *modified = 0;
    }
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved15(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved16(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved17(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved18(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved19(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved20(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved21(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved22(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved23(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved24(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved25(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved26(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved27(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved28(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved29(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved30(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved31(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved32(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved33(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved34(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved35(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved36(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved37(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved38(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved39(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved40(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved41(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved42(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceClosing(intptr_t, intptr_t, intptr_t, intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceOpened(const WString&, const WString&, const WString&,
                                    const WString&) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved45(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved46(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceReserved47(intptr_t) {
    return kStatusOk;
}

HResult CWSClient2::WorkspaceSave(const WString&, const WString&, const WString&) {
    return kStatusOk;
}

HResult CWSClient2::QueryValue(intptr_t, intptr_t, intptr_t, int32_t* value) {
    if (value != nullptr) {
        *value = 0;
    }
    return kStatusOk;
}

CWSClient2::~CWSClient2() = default;
