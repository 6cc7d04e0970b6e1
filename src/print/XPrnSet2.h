// TXPrintSet: the installed printers, the capabilities of the selected one and its
// current print settings (resolution, colour). Every settings change is applied at
// once to the printer of the linked TXPrint, so the next job uses it.
#pragma once

#include <QPrinterInfo>

#include "print/XPrinter.h"
#include "print/print_interfaces.h"

namespace kalvesta {

class TXPrintSet : public PrintSetInterface {
public:
    // Lists the printers in the system's order and loads the settings and
    // capabilities of the printer `xprint` has selected.
    explicit TXPrintSet(TXPrint& xprint);

    void ReloadPrinters() override;
    bool PrinterAvailable() const override { return !names_.isEmpty(); }
    const QStringList& Printers() const override { return names_; }
    int PrinterIndex() const override { return index_; }
    void SetPrinterIndex(int i) override;
    const TCapabilities& Capabilities() const override { return capabilities_; }

    void SetResolution(int entry) override;
    bool Color() const override { return PrinterAvailable() && color_ > 1; }
    void SetColor(bool on) override;

private:
    // Rereads the selected printer's settings from the driver and its capabilities.
    void LoadSelectedPrinter();
    // Rereads the selected printer's resolutions and colour depth.
    void LoadCapabilities();

    TXPrint& xprint_;
    QList<QPrinterInfo> printers_;
    QStringList names_;
    int index_ = -1;
    TCapabilities capabilities_;
    // Colour field of the settings: 1 monochrome, 2 colour.
    int color_ = 1;
};

}  // namespace kalvesta
