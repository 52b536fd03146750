// The length of a printed page in device dots, from the device settings: the paper length
// they give (with a paper width), else the length of their standard paper size, at the print
// quality in dots per inch; in landscape the paper's width instead. A paper size without
// dimensions falls back to the device's own page height, a print quality given as a quality
// code to the device's resolution.
#pragma once

namespace tarnui {
class PrinterDC;
}

double PageLengthDots(const tarnui::PrinterDC& dc);
