// The "Section Setting Tree Window": the linker's section placement settings as a tree, one
// branch per section group. In edit mode the commands of its menu change the tree through the
// section edit dialogs and the tree edit operations; leaving edit mode with edits validates the
// tree and writes it to the linker section model, which offers it to the host.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/ImageList.h"
#include "platform/windows/Cursor.h"
#include "src/data/CLinkerSectionInfo.h"
#include "src/editor/CSectionTreeEditor.h"
#include "src/editor/CSectionTreeNodes.h"
#include "src/views/CTarnMapTreeInstanceCtrl.h"

inline constexpr const char* kSectionSettingTreeCaption = "Section Setting Tree Window";
inline constexpr const char* kSectionSettingTreeLayoutSection =
    "CTarnMapSectionSettingTreeInstanceCtrl";
inline constexpr int kSectionSettingTreeKind = 0;

class CTarnMapSectionSettingTreeInstanceCtrl : public CTarnMapTreeInstanceCtrl {
public:
    CTarnMapSectionSettingTreeInstanceCtrl(IBraeHost* host, CViewFrameManager* frameManager,
                                           CUiCommandSink* sink, CTarnMapDataManager* dataManager,
                                           int kind = kSectionSettingTreeKind);
    ~CTarnMapSectionSettingTreeInstanceCtrl() override;

    // Rebuilds the tree from the model; nothing while the frame is not shown.
    void Refresh() override;
    void CommitOnClose(int finish) override;
    int EndEditing(int value) override;
    bool HasPrintData() override { return HasData(); }

    bool HasData() const;
    void SetCapabilities(uint32_t word);
    void QuerySettingState();
    // The host changed the settings: whether the tree may be rebuilt (asks when edited).
    bool AcceptReload();
    bool DropForSubcommandFile();
    // Whether the window may close while the host holds its lock.
    bool ConfirmCloseWhileLocked();

    bool EditMode() const { return editor_.EditMode(); }
    // Sets edit mode without asking (the command sink keeps it over a host lock).
    void SetEditMode(bool on) { editor_.SetEditMode(on); }
    bool Modified() const { return editor_.Modified(); }
    int SettingState() const { return settingState_; }
    const SectionCapabilities& Capabilities() const { return caps_; }
    void SetPairedSectionList(tarnui::Window* list) { pairedList_ = list; }
    tarnui::Window* PairedSectionList() const { return pairedList_; }
    CSectionTreeEditor& Editor() { return editor_; }
    CSectionTreeNodes& Nodes() { return nodes_; }

    // The edit keys in edit mode: Delete, Ctrl+X, Ctrl+C, Ctrl+V, F2 and Enter (edit the
    // item), Ctrl+Up and Ctrl+Down (move). True when the key is one of them.
    bool OnEditKey(const tarnui::KeyEvent& key);
    // Dragging: begin on a node, move over a node, release over one (0 cancels).
    bool BeginDrag(TreeItem item);
    bool DragOver(TreeItem target);
    bool EndDrag(TreeItem target);
    // While dragging the platform's cursor is the no-drop cursor over a refused target and
    // the cursor from before the drag elsewhere; the drag's end puts that one back.
    bool IsDragging() const { return dragging_; }

    // Validates and writes the tree to the model; false (after the message) on a fault.
    bool Commit();

protected:
    bool OnCreate() override;
    void OnDestroy() override;
    bool OnKeyDown(const tarnui::KeyEvent& key) override;
    // Commands and the tree's notifications load strings and show dialogs from the
    // component's resources.
    bool HandleCommand(int id) override;
    bool HandleNotification(const tarnui::Notification& n) override;

private:
    void RegisterCommands();
    bool EditingSuspended() const;
    TreeItem Selected() const { return TreeCtrl().GetSelectedItem(); }

    void OnEditMode();
    void OnAddSectionGroup();
    void OnAddSection();
    void OnAddOverlayGroup();
    void OnEditSelectedItem(TreeItem item);
    void OnMemoryMapSetting();
    void OnAutoAllocate();
    void Enable(int id, bool (CSectionTreeEditor::*rule)(TreeItem) const);

    SectionCapabilities caps_;
    CSectionTreeNodes nodes_;
    CSectionTreeEditor editor_;
    LinkerSectionRows working_;
    tarnui::Window* pairedList_ = nullptr;
    int settingState_ = 0;
    bool dragging_ = false;
    std::unique_ptr<tarnui::ImageList> dragImage_;
    TreeItem draggedItem_ = 0;
    std::string previousLabel_;
    tarnui::Cursor savedCursor_;
};
