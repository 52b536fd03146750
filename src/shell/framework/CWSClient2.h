// The workspace client with every position answered: each returns 0 and does nothing, and
// the two positions with an out value set it to 0. The command sink overrides the positions it
// serves.
#pragma once

#include "src/shell/HostInterfaces.h"

class CWSClient2 : public IBraeWorkSpaceClient2 {
public:
    CWSClient2() = default;
    CWSClient2(const CWSClient2&) = delete;
    CWSClient2& operator=(const CWSClient2&) = delete;

    // IUnknown: the generic identifier and both workspace client identifiers.
    HResult QueryInterface(const TarnId& id, void** out) override;
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }

    HResult WorkspaceReserved3(intptr_t argument) override;                             // 3
    HResult WorkspaceReserved4(intptr_t argument) override;                             // 4
    HResult WorkspaceReserved5(intptr_t argument) override;                             // 5
    HResult WorkspaceReserved6(intptr_t argument) override;                             // 6
    HResult SettleEdits(int32_t value) override;                                        // 7
    HResult WorkspaceReserved8(intptr_t argument) override;                             // 8
    HResult WorkspaceReserved9(intptr_t argument) override;                             // 9
    HResult WorkspaceReserved10(intptr_t argument) override;                            // 10
    HResult WorkspaceReserved11(intptr_t argument) override;                            // 11
    HResult WorkspaceReserved12(intptr_t argument) override;                            // 12
    HResult WorkspaceReserved13(intptr_t argument) override;                            // 13
    HResult QueryModified(intptr_t value, int32_t* modified) override;                  // 14
    HResult WorkspaceReserved15(intptr_t argument) override;                            // 15
    HResult WorkspaceReserved16(intptr_t argument) override;                            // 16
    HResult WorkspaceReserved17(intptr_t argument) override;                            // 17
    HResult WorkspaceReserved18(intptr_t argument) override;                            // 18
    HResult WorkspaceReserved19(intptr_t argument) override;                            // 19
    HResult WorkspaceReserved20(intptr_t argument) override;                            // 20
    HResult WorkspaceReserved21(intptr_t argument) override;                            // 21
    HResult WorkspaceReserved22(intptr_t argument) override;                            // 22
    HResult WorkspaceReserved23(intptr_t argument) override;                            // 23
    HResult WorkspaceReserved24(intptr_t argument) override;                            // 24
    HResult WorkspaceReserved25(intptr_t argument) override;                            // 25
    HResult WorkspaceReserved26(intptr_t argument) override;                            // 26
    HResult WorkspaceReserved27(intptr_t argument) override;                            // 27
    HResult WorkspaceReserved28(intptr_t argument) override;                            // 28
    HResult WorkspaceReserved29(intptr_t argument) override;                            // 29
    HResult WorkspaceReserved30(intptr_t argument) override;                            // 30
    HResult WorkspaceReserved31(intptr_t argument) override;                            // 31
    HResult WorkspaceReserved32(intptr_t argument) override;                            // 32
    HResult WorkspaceReserved33(intptr_t argument) override;                            // 33
    HResult WorkspaceReserved34(intptr_t argument) override;                            // 34
    HResult WorkspaceReserved35(intptr_t argument) override;                            // 35
    HResult WorkspaceReserved36(intptr_t argument) override;                            // 36
    HResult WorkspaceReserved37(intptr_t argument) override;                            // 37
    HResult WorkspaceReserved38(intptr_t argument) override;                            // 38
    HResult WorkspaceReserved39(intptr_t argument) override;                            // 39
    HResult WorkspaceReserved40(intptr_t argument) override;                            // 40
    HResult WorkspaceReserved41(intptr_t argument) override;                            // 41
    HResult WorkspaceReserved42(intptr_t argument) override;                            // 42
    HResult WorkspaceClosing(intptr_t a, intptr_t b, intptr_t c, intptr_t d) override;  // 43
    // 44
    HResult WorkspaceOpened(const WString& a, const WString& b, const WString& c,
                            const WString& d) override;
    HResult WorkspaceReserved45(intptr_t argument) override;                               // 45
    HResult WorkspaceReserved46(intptr_t argument) override;                               // 46
    HResult WorkspaceReserved47(intptr_t argument) override;                               // 47
    HResult WorkspaceSave(const WString& a, const WString& b, const WString& e) override;  // 48
    HResult QueryValue(intptr_t a, intptr_t b, intptr_t c, int32_t* value) override;       // 49

    virtual ~CWSClient2();
};
