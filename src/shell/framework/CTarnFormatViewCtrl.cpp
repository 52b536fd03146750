#include "src/shell/framework/CTarnFormatViewCtrl.h"

#include "platform/resources/ResourceContext.h"
#include "platform/text/Utf.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/HostIds.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrl.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/shell/framework/NamedColours.h"

namespace {

std::string TextItemName() {
    ScopedComponentState state;
    return tarnui::LoadString(tarnres::kStrDisplayItemText);
}

// Whether the item is the text item; without the string table no item is.
bool IsTextItem(const std::string& item) {
    const std::string text = TextItemName();
    return !text.empty() && item == text;
}

}  // namespace

CTarnFormatViewCtrl::CTarnFormatViewCtrl(IBraeHost* host, CViewFrameManager* frameManager)
    : CUiCommandSink(host, frameManager),
      displayItems_{kItemText},
      textForeground_(kNamedColourSystem),
      textBackground_(kNamedColourSystem),
      selectedForeground_(kNamedColourHighlight),
      selectedBackground_(kNamedColourHighlight) {
    font_.face = kViewFontFace;
    font_.height = kViewFontHeight;
    font_.width = kViewFontWidth;
    ReadDisplayOptions();
}

void CTarnFormatViewCtrl::ReadDisplayOptions() {
    IBraeOptions* options = OptionsService();
    if (options == nullptr) {
        return;
    }
    WString name;
    int32_t size = 0;
    if (Succeeded(options->GetString(kOptionFontName, &name)) &&
        Succeeded(options->GetNumber(kOptionFontSize, &size))) {
        font_.face = tarnui::Utf16ToUtf8(name);
        font_.height = size;
    }
    int32_t foreground = 0;
    int32_t background = 0;
    if (Succeeded(options->GetNumber(kOptionForeground, &foreground)) &&
        Succeeded(options->GetNumber(kOptionBackground, &background))) {
        textForeground_ = foreground;
        textBackground_ = background;
    }
}

void CTarnFormatViewCtrl::ApplyFont(const std::string& name, int size) {
    for (const auto& view : Views()) {
        view->SetViewFont(name, size);
    }
    font_.face = name;
    font_.height = size;
    if (IBraeOptions* options = OptionsService()) {
        options->SetString(kOptionFontName, tarnui::Utf8ToUtf16(name));
        options->SetNumber(kOptionFontSize, size);
    }
}

void CTarnFormatViewCtrl::ApplyColours(const std::string& item, int foreground, int background) {
    currentItem_ = item;
    if (item == kItemText) {
        textForeground_ = foreground;
        textBackground_ = background;
    } else if (item == kItemSelectedText) {
        selectedForeground_ = foreground;
        selectedBackground_ = background;
    }
    for (const auto& view : Views()) {
        view->SetViewColors(item, foreground, background);
    }
    if (IsTextItem(item)) {
        textForeground_ = foreground;
        textBackground_ = background;
        if (IBraeOptions* options = OptionsService()) {
            options->SetNumber(kOptionForeground, foreground);
            options->SetNumber(kOptionBackground, background);
        }
    }
}

HResult CTarnFormatViewCtrl::QueryInterface(const TarnId& id, void** out) {
    if (out == nullptr) {
        return kStatusFail;
    }
    if (id == kIdIUnknown || id == kIdIBraeFormatViewClient2) {
        *out = static_cast<IBraeFormatViewClient2*>(this);
        return kStatusOk;
    }
    *out = nullptr;
    return kStatusNoInterface;
}

HResult CTarnFormatViewCtrl::GetEntryName(WString* name) {
    if (name == nullptr) {
        return kStatusFail;
    }
    ScopedComponentState state;
    *name = tarnui::Utf8ToUtf16(tarnui::LoadString(tarnres::kStrFontColourEntry));
    return kStatusOk;
}

HResult CTarnFormatViewCtrl::GetDisplayItems(HostStringList* items) {
    if (items == nullptr) {
        return kStatusFail;
    }
    items->type = HostStringList::kArrayOfStrings;
    items->elements = {tarnui::Utf8ToUtf16(TextItemName())};
    return kStatusOk;
}

HResult CTarnFormatViewCtrl::GetCurrentItemColours(intptr_t /*value*/, int32_t* foreground,
                                                   int32_t* background) {
    if (foreground == nullptr || background == nullptr) {
        return kStatusFail;
    }
    // Before any item was set, the text item is the current one.
    if (currentItem_.empty() || currentItem_ == kItemText) {
        *foreground = textForeground_;
        *background = textBackground_;
    } else if (currentItem_ == kItemSelectedText) {
        *foreground = selectedForeground_;
        *background = selectedBackground_;
    }
    return kStatusOk;
}

HResult CTarnFormatViewCtrl::GetFont(WString* name, int32_t* size) {
    if (name == nullptr || size == nullptr) {
        return kStatusFail;
    }
    *name = tarnui::Utf8ToUtf16(font_.face);
    *size = font_.height;
    return kStatusOk;
}

HResult CTarnFormatViewCtrl::SetItemColours(const WString& item, int32_t foreground,
                                            int32_t background) {
    ScopedComponentState state;
    ApplyColours(tarnui::Utf16ToUtf8(item), foreground, background);
    return kStatusOk;
}

HResult CTarnFormatViewCtrl::SetFont(const WString& name, int32_t size) {
    ScopedComponentState state;
    ApplyFont(tarnui::Utf16ToUtf8(name), size);
    return kStatusOk;
}

HResult CTarnFormatViewCtrl::SetFontAgain(const WString& name, int32_t size) {
    return SetFont(name, size);
}

HResult CTarnFormatViewCtrl::SetTextColours(int32_t foreground, int32_t background) {
    return SetItemColours(tarnui::Utf8ToUtf16(kItemText), foreground, background);
}

HResult CTarnFormatViewCtrl::SetSelectedTextColours(int32_t foreground, int32_t background) {
    return SetItemColours(tarnui::Utf8ToUtf16(kItemSelectedText), foreground, background);
}

HResult CTarnFormatViewCtrl::GetItemColours(const WString& item, int32_t* foreground,
                                            int32_t* background) {
    if (foreground == nullptr || background == nullptr) {
        return kStatusFail;
    }
    if (IsTextItem(tarnui::Utf16ToUtf8(item))) {
        *foreground = textForeground_;
        *background = textBackground_;
    }
    return kStatusOk;
}
