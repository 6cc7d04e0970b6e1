// TXPrintSet on Qt PrintSupport: printers and capabilities come from QPrinterInfo
// (the CUPS queues and their PPD options), settings go to the linked QPrinter.
#include "print/XPrnSet2.h"

#include <algorithm>

namespace kalvesta {

TXPrintSet::TXPrintSet(TXPrint& xprint) : xprint_(xprint) {
    ReloadPrinters();
}

void TXPrintSet::ReloadPrinters() {
    const QString selected = index_ >= 0 ? names_[index_] : QString();
    printers_ = QPrinterInfo::availablePrinters();
    names_.clear();
    for (const QPrinterInfo& info : printers_) {
        names_.append(info.printerName());
    }
    xprint_.SetPrinterAvailable(PrinterAvailable());
    index_ = static_cast<int>(names_.indexOf(selected));
    if (index_ >= 0) {
        // Still installed: the settings made so far stay, the capabilities are new.
        LoadCapabilities();
        return;
    }
    capabilities_ = TCapabilities{};
    color_ = 1;
    if (!PrinterAvailable()) {
        return;
    }
    // The printer the job already names, else the system's default, else the first.
    index_ = static_cast<int>(names_.indexOf(xprint_.Printer().printerName()));
    if (index_ < 0) {
        index_ = std::max(0, static_cast<int>(names_.indexOf(QPrinterInfo::defaultPrinterName())));
    }
    LoadSelectedPrinter();
}

void TXPrintSet::SetPrinterIndex(int i) {
    if (!PrinterAvailable() || i < 0 || i >= names_.size() || i == index_) {
        return;
    }
    index_ = i;
    LoadSelectedPrinter();
}

void TXPrintSet::LoadSelectedPrinter() {
    const QPrinterInfo& info = printers_[index_];
    QPrinter& printer = xprint_.Printer();
    // Selecting a queue starts from the driver's defaults.
    printer.setPrinterName(info.printerName());
    printer.setColorMode(info.defaultColorMode());
    color_ = printer.colorMode() == QPrinter::Color ? 2 : 1;
    LoadCapabilities();
}

void TXPrintSet::LoadCapabilities() {
    const QPrinterInfo& info = printers_[index_];
    capabilities_.resolutions.clear();
    for (const int dpi : info.supportedResolutions()) {
        if (capabilities_.ResolutionCount() == kMaxPrinterResolutions) {
            break;
        }
        capabilities_.resolutions.push_back({dpi, dpi});
    }
    if (capabilities_.resolutions.empty()) {
        const QPrinter& printer = xprint_.Printer();
        capabilities_.resolutions.push_back({printer.logicalDpiX(), printer.logicalDpiY()});
    }
    capabilities_.color_bits = info.supportedColorModes().contains(QPrinter::Color) ? 24 : 1;
}

void TXPrintSet::SetResolution(int entry) {
    if (!PrinterAvailable() || entry < 0 || entry >= capabilities_.ResolutionCount()) {
        return;
    }
    // The printer takes one resolution for both axes; the driver's entries are square.
    xprint_.Printer().setResolution(capabilities_.ResolutionX(entry));
}

void TXPrintSet::SetColor(bool on) {
    if (!PrinterAvailable()) {
        return;
    }
    color_ = on && capabilities_.color_bits >= 2 ? 2 : 1;
    xprint_.Printer().setColorMode(color_ > 1 ? QPrinter::Color : QPrinter::GrayScale);
}

}  // namespace kalvesta
