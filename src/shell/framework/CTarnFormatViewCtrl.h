// The second command sink base class: the font and text colours of every view and the host's
// font-and-colour client. The display options are read from the host's options service when
// the sink is made and written back at every change.
#pragma once

#include <string>
#include <vector>

#include "platform/graphics/Font.h"
#include "src/shell/framework/CUiCommandSink.h"

// Option keys of the display options.
inline constexpr const char16_t* kOptionFontName = u"TARN_MAP_FONT_NAME";
inline constexpr const char16_t* kOptionFontSize = u"TARN_MAP_FONT_SIZE";
inline constexpr const char16_t* kOptionForeground = u"TARN_MAP_FGCOLOUR";
inline constexpr const char16_t* kOptionBackground = u"TARN_MAP_BKCOLOUR";

// The display items whose colours the host sets.
inline constexpr const char* kItemText = "Text";
inline constexpr const char* kItemSelectedText = "Selected Text";

class CTarnFormatViewCtrl : public CUiCommandSink, public IBraeFormatViewClient2 {
public:
    CTarnFormatViewCtrl(IBraeHost* host, CViewFrameManager* frameManager);

    // The debugger broadcasts: each view's first or second debugger hook.
    virtual void BroadcastDebuggerFirst() = 0;
    virtual void BroadcastDebuggerSecond() = 0;

    // Reads the font (name and size, only both together) and the text colours (foreground and
    // background, only both together) from the options service. Done when the sink is made.
    void ReadDisplayOptions();
    // Gives every view the font, keeps it and writes it to the options.
    void ApplyFont(const std::string& name, int size);
    // Remembers the item, keeps the colours of "Text" or "Selected Text", gives every view the
    // item and colours and writes the colours of the text item to the options.
    void ApplyColours(const std::string& item, int foreground, int background);

    const tarnui::Font& SinkFont() const { return font_; }
    const std::string& FontName() const { return font_.face; }
    int FontSize() const { return font_.height; }
    const std::string& CurrentItem() const { return currentItem_; }
    const std::vector<std::string>& DisplayItems() const { return displayItems_; }
    int TextForeground() const { return textForeground_; }
    int TextBackground() const { return textBackground_; }
    int SelectedForeground() const { return selectedForeground_; }
    int SelectedBackground() const { return selectedBackground_; }

    // The window's own font operations stay reachable beside the client's.
    using tarnui::Window::GetFont;
    using tarnui::Window::SetFont;

    // IUnknown: the generic identifier and the font-and-colour client.
    HResult QueryInterface(const TarnId& id, void** out) override;
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }

    // IBraeFormatViewClient2.
    HResult GetEntryName(WString* name) override;                     // 3
    HResult FormatReserved4(intptr_t) override { return kStatusOk; }  // 4
    HResult FormatReserved5(intptr_t) override { return kStatusOk; }  // 5
    HResult GetDisplayItems(HostStringList* items) override;          // 6
    HResult GetCurrentItemColours(intptr_t value, int32_t* foreground,
                                  int32_t* background) override;  // 7
    HResult GetFont(WString* name, int32_t* size) override;       // 8
    HResult SetItemColours(const WString& item, int32_t foreground,
                           int32_t background) override;                              // 9
    HResult SetFont(const WString& name, int32_t size) override;                      // 10
    HResult SetFontAgain(const WString& name, int32_t size) override;                 // 11
    HResult SetTextColours(int32_t foreground, int32_t background) override;          // 12
    HResult SetSelectedTextColours(int32_t foreground, int32_t background) override;  // 13
    HResult FormatReserved14(intptr_t) override { return kStatusOk; }                 // 14
    HResult GetItemColours(const WString& item, int32_t* foreground,
                           int32_t* background) override;  // 15

private:
    tarnui::Font font_;
    std::string currentItem_;
    std::vector<std::string> displayItems_;
    int textForeground_;
    int textBackground_;
    int selectedForeground_;
    int selectedBackground_;
};
