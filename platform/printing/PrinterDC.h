// A printer device context: documents of pages of text drawn at positions, with the page
// size and text metrics of the chosen device. Calls out of order fail and change nothing.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/Font.h"
#include "platform/printing/DeviceSettings.h"
#include "platform/windows/Geometry.h"

namespace tarnui {

class PrintJob;

// Paper size in tenths of a millimetre for a standard paper size code; {0, 0} if unknown.
Size PaperSizeOf(int paperSizeCode);

class PrinterDC {
public:
    explicit PrinterDC(DeviceSettings settings);
    ~PrinterDC();  // aborts a document that was not ended
    PrinterDC(const PrinterDC&) = delete;
    PrinterDC& operator=(const PrinterDC&) = delete;

    const DeviceSettings& Settings() const { return settings_; }

    // Device capabilities. Resolution: the print quality when it is in dots per inch,
    // else 300. Page size: the paper dimensions of the settings when both are given, else
    // those of the paper size code, else A4; swapped in landscape.
    int DotsPerInch() const;
    Size PageSizeTenthsMm() const;
    Size PageSizeDots() const;

    // The font used for text from now on; the device font when none is selected.
    void SelectFont(const Font& font) { font_ = font; }
    const Font& CurrentFont() const { return font_; }
    TextMetrics GetTextMetrics() const;
    Size GetTextExtent(const std::string& text) const;

    // Document and pages. StartDoc fails when a document is open or the printer cannot
    // be reached; StartPage needs a document without an open page; TextOut needs a page.
    bool StartDoc(const std::string& documentName);
    bool StartPage();
    bool TextOut(int x, int y, const std::string& text);
    bool EndPage();
    bool EndDoc();  // ends an open page first
    void AbortDoc();
    bool InDocument() const { return job_ != nullptr; }
    bool InPage() const { return inPage_; }
    int PagesPrinted() const { return pages_; }

private:
    DeviceSettings settings_;
    Font font_;
    std::unique_ptr<PrintJob> job_;
    bool inPage_ = false;
    int pages_ = 0;
};

}  // namespace tarnui
