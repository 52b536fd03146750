#include "gui/QtPrinting.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/QtBackend.h"
#include "platform/printing/PrintJob.h"

namespace tarngui {

namespace {

constexpr const char* kPdfDriver = "pdf";

class QtPrintJob : public tarnui::PrintJob {
public:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}
    ~QtPrintJob() override { Abort(); }

    bool StartPage() override {
        if (!painter_.isActive()) {
            return painter_.begin(printer_.get());
        }
        return printer_->newPage();
    }
    void TextOut(int x, int y, const std::string& text, const tarnui::Font& font) override {
        const QFont f = ToQFont(font);
        painter_.setFont(f);
        // The platform places the top of the text cell; Qt draws on the baseline.
        const QFontMetrics metrics(f, printer_.get());
        painter_.drawText(QPoint(x, y + metrics.ascent()), QString::fromStdString(text));
    }
    bool EndPage() override { return painter_.isActive(); }
    bool EndDoc() override { return !painter_.isActive() || painter_.end(); }
    void Abort() override {
        if (painter_.isActive()) {
            printer_->abort();
            painter_.end();
        }
    }

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};

QPageSize PageSizeOf(int paperSizeCode) {
    return paperSizeCode == 1 ? QPageSize(QPageSize::Letter) : QPageSize(QPageSize::A4);
}

}  // namespace

tarnui::DeviceSettings PdfSettings(const std::string& path) {
    tarnui::DeviceSettings s;
    s.driver = kPdfDriver;
    s.device = "PDF";
    s.port = path;
    return s;
}

std::optional<tarnui::PrintChoice> RunPrintDialog(const tarnui::PrintDialogRequest& request,
                                                  QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFromTo(request.fromPage, request.toPage);
    printer.setCopyCount(request.copies);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(request.minPage, request.maxPage);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    tarnui::PrintChoice choice;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        choice.settings = PdfSettings(printer.outputFileName().toStdString());
    } else {
        choice.settings.driver = "qt";
        choice.settings.device = printer.printerName().toStdString();
    }
    choice.settings.paperSize = printer.pageLayout().pageSize().id() == QPageSize::Letter ? 1 : 9;
    choice.settings.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    choice.settings.printQuality = 300;
    choice.settings.copies = printer.copyCount();
    choice.fromPage = printer.fromPage();
    choice.toPage = printer.toPage();
    choice.copies = printer.copyCount();
    return choice;
}

std::unique_ptr<tarnui::PrintJob> StartQtPrintJob(const tarnui::DeviceSettings& settings,
                                                  const std::string& documentName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (settings.driver == kPdfDriver) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(settings.port));
    } else {
        printer->setPrinterName(QString::fromStdString(settings.device));
        if (!printer->isValid()) {
            return nullptr;
        }
    }
    printer->setDocName(QString::fromStdString(documentName));
    printer->setFullPage(true);
    printer->setPageSize(PageSizeOf(settings.paperSize));
    printer->setPageOrientation(settings.landscape ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
    printer->setResolution(settings.printQuality > 0 ? settings.printQuality : 300);
    printer->setCopyCount(std::max(1, settings.copies));
    return std::make_unique<QtPrintJob>(std::move(printer));
}

}  // namespace tarngui
