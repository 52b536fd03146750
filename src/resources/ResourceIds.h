// Numbers of every resource of the resource library (libTarnMapExtRes.so) and of the commands
// and controls its menus, toolbars and dialog templates refer to. The component loads its
// strings, dialogs, menus, toolbars, accelerators, bitmaps and cursors by these numbers.
#pragma once

namespace tarnres {

// --- strings ------------------------------------------------------------------------------------
inline constexpr int kStrToolbarMap = 110;  // "Map": display name of the component's toolbar
inline constexpr int kStrToolsMenu = 1001;  // "Tools": host menu that receives menu 201

// Messages for an export that the resource library lacks; "%1" stands for the library's path.
inline constexpr int kStrMissingInterfaceVersion = 7001;  // GetDLLInterfaceVersion
inline constexpr int kStrMissingType = 7003;              // GetDLLType
inline constexpr int kStrMissingProductVersion = 7004;    // GetDLLProductVersion
inline constexpr int kStrMissingOrdinalVersion = 7005;    // GetDLLOrdinalVersion

// The other messages of the resource library check, kept here as well so that every text the
// check shows has a number. "%1" and "%s" stand for the library's path.
inline constexpr int kStrModuleNameMissing = 7010;    // own file name unknown
inline constexpr int kStrApplicationWillExit = 7011;  // follows kStrModuleNameMissing
inline constexpr int kStrErrorLoadingLibrary = 7012;  // "Error loading resource DLL %1"
inline constexpr int kStrNotResourceLibrary = 7013;   // "Dll %s is not a resources Dll"
inline constexpr int kStrIncorrectVersion = 7014;     // "Incorrect version of Resources - exiting"

// Column titles of the lists.
inline constexpr int kStrColumnName = 10001;
inline constexpr int kStrColumnStartAddress = 10002;
inline constexpr int kStrColumnEndAddress = 10003;
inline constexpr int kStrColumnSize = 10004;
inline constexpr int kStrColumnOverlay = 10005;
inline constexpr int kStrColumnAttribute = 10006;
inline constexpr int kStrColumnScope = 10007;
inline constexpr int kStrColumnSection = 10008;
inline constexpr int kStrColumnFile = 10009;

inline constexpr int kStrFontColourEntry = 32789;        // "Map"
inline constexpr int kStrMapSectionInformation = 32798;  // window type 0 caption
inline constexpr int kStrMapSymbolInformation = 32799;   // window type 1 caption
inline constexpr int kStrLinkerSectionSetting = 32800;   // section setting tree root
inline constexpr int kStrLinkMapList = 32801;            // section tree root
inline constexpr int kStrSymbolNotFound = 32802;
inline constexpr int kStrEnterSymbolName = 32803;
inline constexpr int kStrSearchReachedEnd = 32805;
inline constexpr int kStrAllocationCompleted = 32808;
inline constexpr int kStrAskAllocateMemoryResource = 32809;
inline constexpr int kStrAskSetEditedSections = 32810;           // Yes / No (/ Cancel)
inline constexpr int kStrAskDropEditsForReload = 32811;          // Yes / No
inline constexpr int kStrDisplayItemText = 32834;                // "Text"
inline constexpr int kStrEditsDroppedForSubcommandFile = 32836;  // OK
inline constexpr int kStrAskCloseWhileLocked = 32837;            // OK / Cancel
inline constexpr int kStrEditSelectedItem = 32838;               // title of the edit dialogs

// Messages of the section and address checks: error n is string kStrSectionErrorBase + n.
inline constexpr int kStrSectionErrorBase = 35000;
inline constexpr int kSectionErrorCount = 16;
constexpr int SectionErrorString(int error) {
    return kStrSectionErrorBase + error;
}

// --- commands (each also has a string: "status prompt\ntooltip") -----------------------------
inline constexpr int kCmdAllowDocking = 32768;
inline constexpr int kCmdHideWindow = 32769;
inline constexpr int kCmdOpenMap = 32770;  // "Map..."
inline constexpr int kCmdDisplayToolbar = 32794;
inline constexpr int kCmdCustomizeToolbar = 32795;
inline constexpr int kCmdMemoryMapSetting = 32796;
inline constexpr int kCmdMemoryResourceAutoAllocate = 32797;
inline constexpr int kCmdSectionEditMode = 32812;
inline constexpr int kCmdAddSectionGroup = 32813;
inline constexpr int kCmdAddSection = 32814;
inline constexpr int kCmdAddOverlayGroup = 32815;
inline constexpr int kCmdEditSelectedItem = 32816;
inline constexpr int kCmdCut = 32817;
inline constexpr int kCmdCopy = 32818;
inline constexpr int kCmdPaste = 32819;
inline constexpr int kCmdDelete = 32820;
inline constexpr int kCmdMoveDown = 32821;
inline constexpr int kCmdMoveUp = 32822;
inline constexpr int kCmdChangePrimarySection = 32823;
inline constexpr int kCmdPrintSymbolList = 32824;
inline constexpr int kCmdShowUnallocatedArea = 32825;
inline constexpr int kCmdFind = 32826;
inline constexpr int kCmdFindNext = 32827;
inline constexpr int kCmdFilter = 32828;
inline constexpr int kCmdShowNoSizeSection = 32829;
inline constexpr int kCmdPrintSectionList = 32830;
inline constexpr int kCmdPrintSectionSettingTree = 32831;
inline constexpr int kCmdPrintSectionTree = 32832;
inline constexpr int kCmdPrintChooser = 32833;
inline constexpr int kCmdViewSource = 32852;

// Host commands whose texts the library also carries (the views map them to the same actions
// as kCmdAllowDocking and kCmdHideWindow).
inline constexpr int kCmdHostAllowDocking = 39532;
inline constexpr int kCmdHostHideWindow = 39533;

// The host's common commands that the views also answer.
inline constexpr int kCmdHostPrint = 39505;
inline constexpr int kCmdHostFind = 39507;
inline constexpr int kCmdHostFindNext = 39512;
inline constexpr int kCmdHostFindPrevious = 39513;
inline constexpr int kCmdHostCopy = 39500;
inline constexpr int kCmdHostCut = 39501;
inline constexpr int kCmdHostPaste = 39502;
inline constexpr int kCmdHostDelete = 39503;

// --- dialogs and their controls ----------------------------------------------------------------
inline constexpr int kCtlOk = 1;
inline constexpr int kCtlCancel = 2;
inline constexpr int kCtlStaticNoId = -1;

inline constexpr int kDlgFindSymbol = 217;  // CDlgFindSymbol
inline constexpr int kCtlFindMatchCase = 216;
inline constexpr int kCtlFindWildCard = 217;
inline constexpr int kCtlFindName = 218;

inline constexpr int kDlgSelectMapType = 9003;  // CDlgSelectMapType
inline constexpr int kCtlMapType = 9019;

inline constexpr int kDlgAddSectionGroup = 9008;  // CDlgAddSectionGroup
inline constexpr int kCtlSectionStartAddress = 9020;
inline constexpr int kCtlSectionGroupName = 9021;
inline constexpr int kCtlSectionStartAddressLabel = 9037;
inline constexpr int kCtlSectionGroupNameLabel = 9038;

inline constexpr int kDlgAddSection = 9009;  // CDlgAddSection
inline constexpr int kCtlSectionName = 9022;
inline constexpr int kCtlSectionNameLabel = 9036;

inline constexpr int kDlgAddOverlayGroup = 9010;  // CDlgAddOverlayGroup
inline constexpr int kCtlOverlaySectionList = 9023;
inline constexpr int kCtlOverlayGroupName = 9024;

inline constexpr int kDlgSelectPrint = 9011;  // CDlgSelectPrint
inline constexpr int kCtlPrintWindowType = 9035;

inline constexpr int kDlgFilterSymbol = 9012;  // CDlgFilterSymbol
inline constexpr int kCtlFilterSetAll = 3;
inline constexpr int kCtlFilterClearAll = 4;
inline constexpr int kCtlFilterColumn = 9026;
inline constexpr int kCtlFilterItemList = 9027;
inline constexpr int kCtlFilterColumnLabel = 9029;
inline constexpr int kCtlFilterItemLabel = 9030;
inline constexpr int kCtlFilterItemEdit = 9032;
inline constexpr int kCtlFilterItemGroup = 9033;
inline constexpr int kCtlFilterEnable = 9036;

// Child controls that the views create themselves.
inline constexpr int kCtlViewList = 204;
inline constexpr int kCtlViewTree = 207;

// --- menus, toolbars, accelerators -------------------------------------------------------------
inline constexpr int kMenuTools = 201;                // added to the host's "Tools" menu
inline constexpr int kMenuSectionSettingTree = 9006;  // edit commands of the section setting tree
inline constexpr int kMenuSectionList = 9013;         // context menu of the section list
inline constexpr int kMenuSymbolList = 9014;          // context menu of the symbol list
inline constexpr int kMenuSectionTree = 9015;         // context menu of the section tree

inline constexpr int kToolbarMap = 203;  // the component's toolbar: "Map..."
inline constexpr int kToolbarSectionTree = 9007;
inline constexpr int kToolbarSectionList = 9008;
inline constexpr int kToolbarSymbolList = 9009;

inline constexpr int kAccelMap = 9000;

// --- bitmaps and cursors -----------------------------------------------------------------------
inline constexpr int kBmpSortAscending = 9020;    // 9 x 5 upward triangle, list header
inline constexpr int kBmpSortDescending = 20530;  // 9 x 5 downward triangle, list header

// 16 x 16 tree images.
inline constexpr int kBmpLinkMapList = 1024;       // section tree root
inline constexpr int kBmpSection = 2009;           // section tree item
inline constexpr int kBmpSettingRoot = 20524;      // section setting tree, kind 0
inline constexpr int kBmpSectionGroup = 9007;      // kind 1
inline constexpr int kBmpSectionListNode = 20528;  // kind 2
inline constexpr int kBmpSubList = 20529;          // kind 3
inline constexpr int kBmpSingleSection = 20527;    // kind 4
inline constexpr int kBmpOverlayMember = 20526;    // kind 5

// Button images of the toolbars, side by side, one per button.
inline constexpr int kBmpToolbarMap = 9100;
inline constexpr int kBmpToolbarSectionTree = 9107;
inline constexpr int kBmpToolbarSectionList = 9108;
inline constexpr int kBmpToolbarSymbolList = 9109;

inline constexpr int kCursorNoDrop = 106;

}  // namespace tarnres
