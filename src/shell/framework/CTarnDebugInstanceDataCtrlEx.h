// The third view base class, the base of every Map view: the command sink, the data manager,
// the view's kind and caption, its text colours, the operations by which the command sink
// drives it, the view's toolbar and the print chooser command.
#pragma once

#include <string>

#include "src/shell/framework/CTarnDebugInstanceDataCtrl.h"

class CUiCommandSink;
class CTarnMapDataManager;

class CTarnDebugInstanceDataCtrlEx : public CTarnDebugInstanceDataCtrl {
public:
    CTarnDebugInstanceDataCtrlEx(IBraeHost* host, CViewFrameManager* frameManager,
                                 CUiCommandSink* sink, CTarnMapDataManager* dataManager,
                                 int kind = -1, uint32_t flags = 0);

    virtual void SetViewFont(const std::string& name, int size) = 0;
    virtual void SetViewColors(const std::string& item, int foreground, int background) = 0;
    // The view is closing for good; finish edits.
    virtual void CommitOnClose(int finish);
    // Whether the workspace may go on (0) or not (negative).
    virtual int EndEditing(int value);
    virtual void PrintView() = 0;
    virtual bool HasPrintData() = 0;
    // Creates the frame's toolbar from a toolbar resource, with the view as its owner and as
    // the target of its commands. False without a view frame manager.
    virtual bool CreateToolbar(int toolbarResource);

    CUiCommandSink* CommandSink() const { return sink_; }
    CTarnMapDataManager* DataManager() const { return dataManager_; }
    IBraeValueConversion* ValueConversion() const { return valueConversion_; }
    int Kind() const { return kind_; }
    void SetKind(int kind) { kind_ = kind; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    tarnui::Color TextColour() const { return textColour_; }
    tarnui::Color BackgroundColour() const { return backgroundColour_; }

protected:
    // Whether the command sink reports the view's frame as shown; views refresh only then.
    bool IsFrameShown() const;
    void StoreTextColours(tarnui::Color text, tarnui::Color background) {
        textColour_ = text;
        backgroundColour_ = background;
    }

    // The print chooser: offers the captions of the printable views and prints the chosen one.
    void OnPrintChooser();
    void OnUpdatePrintChooser(tarnui::CommandUI& ui);

private:
    CUiCommandSink* sink_;
    IBraeValueConversion* valueConversion_;
    int kind_;
    std::string caption_;
    CTarnMapDataManager* dataManager_;
    tarnui::Color textColour_;
    tarnui::Color backgroundColour_;
};
