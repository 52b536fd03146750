#include "platform/printing/PrinterDC.h"

#include <array>
#include <utility>

#include "platform/backend/Backend.h"
#include "platform/printing/PrintJob.h"

namespace tarnui {

namespace {

struct Paper {
    int code, width, length;
};

constexpr std::array<Paper, 20> kPapers = {{
    {1, 2159, 2794},  {5, 2159, 3556},  {16, 2540, 3556}, {17, 2794, 4318}, {90, 3048, 2794},
    {8, 2970, 4200},  {76, 4200, 2970}, {9, 2100, 2970},  {77, 2970, 2100}, {10, 2100, 2970},
    {11, 1480, 2100}, {78, 2100, 1480}, {70, 1050, 1480}, {83, 1480, 1050}, {12, 2500, 3540},
    {79, 3640, 2570}, {13, 1820, 2570}, {80, 2570, 1820}, {88, 1280, 1820}, {89, 1820, 1280},
}};

// The device's own font: Courier-like cells, 12 points at the device resolution.
Font DeviceFont(int dpi) {
    return Font{"Courier", dpi / 6, dpi / 10, kWeightNormal, false, 1};
}

}  // namespace

Size PaperSizeOf(int paperSizeCode) {
    for (const Paper& p : kPapers) {
        if (p.code == paperSizeCode) {
            return {p.width, p.length};
        }
    }
    return {0, 0};
}

PrinterDC::PrinterDC(DeviceSettings settings)
    : settings_(std::move(settings)), font_(DeviceFont(DotsPerInch())) {}

PrinterDC::~PrinterDC() {
    AbortDoc();
}

int PrinterDC::DotsPerInch() const {
    return settings_.printQuality > 0 ? settings_.printQuality : 300;
}

Size PrinterDC::PageSizeTenthsMm() const {
    Size s{settings_.paperWidth, settings_.paperLength};
    if (s.cx <= 0 || s.cy <= 0) {
        s = PaperSizeOf(settings_.paperSize);
    }
    if (s.cx <= 0 || s.cy <= 0) {
        s = PaperSizeOf(9);
    }
    if (settings_.landscape) {
        std::swap(s.cx, s.cy);
    }
    return s;
}

Size PrinterDC::PageSizeDots() const {
    const Size mm = PageSizeTenthsMm();
    const long dpi = DotsPerInch();
    return {static_cast<int>(mm.cx * dpi / 254), static_cast<int>(mm.cy * dpi / 254)};
}

TextMetrics PrinterDC::GetTextMetrics() const {
    return FixedCellMetrics(font_);
}

Size PrinterDC::GetTextExtent(const std::string& text) const {
    return FixedCellExtent(font_, text);
}

bool PrinterDC::StartDoc(const std::string& documentName) {
    if (job_ != nullptr) {
        return false;
    }
    job_ = CurrentBackend().StartPrintJob(settings_, documentName);
    pages_ = 0;
    inPage_ = false;
    return job_ != nullptr;
}

bool PrinterDC::StartPage() {
    if (job_ == nullptr || inPage_ || !job_->StartPage()) {
        return false;
    }
    inPage_ = true;
    return true;
}

bool PrinterDC::TextOut(int x, int y, const std::string& text) {
    if (!inPage_) {
        return false;
    }
    job_->TextOut(x, y, text, font_);
    return true;
}

bool PrinterDC::EndPage() {
    if (!inPage_) {
        return false;
    }
    inPage_ = false;
    ++pages_;
    return job_->EndPage();
}

bool PrinterDC::EndDoc() {
    if (job_ == nullptr) {
        return false;
    }
    if (inPage_) {
        EndPage();
    }
    const bool ok = job_->EndDoc();
    job_.reset();
    return ok;
}

void PrinterDC::AbortDoc() {
    if (job_ != nullptr) {
        job_->Abort();
        job_.reset();
        inPage_ = false;
    }
}

}  // namespace tarnui
