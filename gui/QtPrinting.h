// Printing on Qt: the print dialog as QPrintDialog, and documents drawn with QPainter on a
// QPrinter, which is a real printer or a PDF file. The platform lays the pages out in the
// dots of the chosen settings; the printer is set to that resolution, so positions carry over.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/backend/Backend.h"

class QWidget;

namespace tarngui {

// Settings that name a PDF file instead of a printer.
tarnui::DeviceSettings PdfSettings(const std::string& path);

std::optional<tarnui::PrintChoice> RunPrintDialog(const tarnui::PrintDialogRequest& request,
                                                  QWidget* parent);
std::unique_ptr<tarnui::PrintJob> StartQtPrintJob(const tarnui::DeviceSettings& settings,
                                                  const std::string& documentName);

}  // namespace tarngui
