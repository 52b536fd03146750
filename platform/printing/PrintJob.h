// The backend's side of a printed document: it receives the drawing of one document page
// by page. The platform's PrinterDC checks the order of calls before they get here.
#pragma once

#include <string>

#include "platform/graphics/Font.h"

namespace tarnui {

class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual bool StartPage() = 0;
    virtual void TextOut(int x, int y, const std::string& text, const Font& font) = 0;
    virtual bool EndPage() = 0;
    virtual bool EndDoc() = 0;
    virtual void Abort() = 0;
};

}  // namespace tarnui
