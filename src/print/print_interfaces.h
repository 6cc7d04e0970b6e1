// What the printer window needs of the print components, behind abstract classes so
// that the window runs the same with the system's printers and with a test double:
// the printer list, the capabilities and settings of the selected printer
// (PrintSetInterface, implemented by TXPrintSet) and the print job (PrintJobInterface,
// implemented by TXPrint).
#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>
#include <vector>

namespace kalvesta {

// The driver reports at most this many resolutions; further entries are dropped.
inline constexpr int kMaxPrinterResolutions = 32;

struct PrinterResolution {
    int dpi_x = 0;
    int dpi_y = 0;
};

// Why a page did not print, or has not printed yet.
enum class PrintProblem {
    kNone,
    kNoPrinterSetUp,
    kJobAlreadyOpen,
    kNoJobOpen,
    kJobNotStarted,
    kJobNotCompleted,
    kNotAccepting,  // the queue rejects jobs; `cups_text`: the reason its administrator gave
    kRefused,       // the server refused the job; `cups_text`: its answer
    kNoServer,      // cupsd does not answer
    kPrinterGone,   // the queue no longer exists
    // What became of a job the server took:
    kPrinterStopped,  // the queue is stopped and the job waits in it
    kJobHeld,         // the job is held in the queue
    kJobCancelled,
    kJobAborted,
    kNotPrintedYet,  // still waiting, and the printer says why (a device it cannot reach)
};

struct PrintReport {
    PrintProblem problem = PrintProblem::kNone;
    // The print system's own words: a state message, a state reason or an answer.
    QString cups_text;
};

// What became of the job the last EndDoc handed over.
struct PrintJobStatus {
    enum class Stage { kWaiting, kPrinted, kProblem };
    Stage stage = Stage::kPrinted;
    // A problem, or while waiting what the printer says (kNotPrintedYet) if anything.
    PrintReport report;
};

// Capabilities of the selected printer.
struct TCapabilities {
    std::vector<PrinterResolution> resolutions;  // in the driver's order
    int color_bits = 1;                          // bits per pixel; 1 when not reported

    int ResolutionCount() const { return static_cast<int>(resolutions.size()); }
    // Horizontal and vertical dpi of entry i, 0 for an index out of range.
    int ResolutionX(int i) const;
    int ResolutionY(int i) const;
};

class PrintSetInterface {
public:
    virtual ~PrintSetInterface() = default;

    // Lists the installed printers anew, keeping the selected one (and its settings)
    // when it is still there, else selecting the default printer.
    virtual void ReloadPrinters() = 0;
    virtual bool PrinterAvailable() const = 0;
    virtual const QStringList& Printers() const = 0;
    // Index of the selected printer in Printers(), -1 when there is none.
    virtual int PrinterIndex() const = 0;
    // Selects printer i and reloads its settings and capabilities; ignored when no
    // printer exists, when i is out of range or already selected.
    virtual void SetPrinterIndex(int i) = 0;
    virtual const TCapabilities& Capabilities() const = 0;

    // Current settings, applied to the printer at once.
    // Prints with resolution entry i; ignored for an index out of range.
    virtual void SetResolution(int entry) = 0;
    // True only when a printer exists and colour is set.
    virtual bool Color() const = 0;
    // Colour on takes effect only on a printer with at least 2 bits per pixel.
    virtual void SetColor(bool on) = 0;
};

class PrintJobInterface {
public:
    virtual ~PrintJobInterface() = default;

    // Opens a job on the selected printer; false when there is no printer or the
    // printing system refused the job.
    virtual bool BeginDoc() = 0;
    // Draws `bitmap` scaled into `target` (printer dots) of the open job's page;
    // does nothing when no job is open.
    virtual void StretchDraw(const QRect& target, const QImage& bitmap) = 0;
    // Closes the job and hands it to the spooler; false when no job was open or
    // the spooler refused it.
    virtual bool EndDoc() = 0;
    // Why the last BeginDoc or EndDoc returned false.
    virtual PrintReport Failure() const = 0;
    // The spooler's number of the job the last EndDoc handed over, 0 when unknown.
    virtual int JobId() const = 0;
    // What the spooler says of that job now; kPrinted when there is nothing to follow.
    virtual PrintJobStatus JobStatus() const = 0;
};

}  // namespace kalvesta
