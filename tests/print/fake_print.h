// Test doubles of the print components: printers with given resolutions and colour
// depth, and a print job that records what the window drew.
#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "print/print_interfaces.h"

namespace kalvesta {

struct FakePrinter {
    QString name;
    TCapabilities capabilities;
    bool color = false;
};

class FakePrintSet : public PrintSetInterface {
public:
    explicit FakePrintSet(std::vector<FakePrinter> printers) : installed(std::move(printers)) {
        ReloadPrinters();
    }

    // Lists `installed` anew, keeping the selection by name.
    void ReloadPrinters() override {
        const QString selected = index_ >= 0 ? names_[index_] : QString();
        names_.clear();
        for (const FakePrinter& printer : installed) {
            names_.append(printer.name);
        }
        index_ = static_cast<int>(names_.indexOf(selected));
        if (index_ < 0 && !installed.empty()) {
            index_ = 0;
        }
    }

    bool PrinterAvailable() const override { return !names_.isEmpty(); }
    const QStringList& Printers() const override { return names_; }
    int PrinterIndex() const override { return index_; }
    void SetPrinterIndex(int i) override {
        if (PrinterAvailable() && i >= 0 && i < names_.size()) {
            index_ = i;
        }
    }
    const TCapabilities& Capabilities() const override {
        static const TCapabilities kNone;
        return PrinterAvailable() ? Selected().capabilities : kNone;
    }
    void SetResolution(int entry) override { resolution_entries.push_back(entry); }
    bool Color() const override { return PrinterAvailable() && Selected().color; }
    void SetColor(bool on) override {
        set_color_calls.push_back(on);
        if (PrinterAvailable()) {
            Selected().color = on && Selected().capabilities.color_bits >= 2;
        }
    }

    std::vector<FakePrinter> installed;   // the printers; a change shows after a reload
    std::vector<int> resolution_entries;  // every SetResolution call
    std::vector<bool> set_color_calls;    // every SetColor call

private:
    const FakePrinter& Selected() const { return installed[static_cast<size_t>(index_)]; }
    FakePrinter& Selected() { return installed[static_cast<size_t>(index_)]; }

    QStringList names_;
    int index_ = -1;
};

class FakePrintJob : public PrintJobInterface {
public:
    bool BeginDoc() override {
        ++begin_count;
        open_ = accept_jobs;
        return open_;
    }
    void StretchDraw(const QRect& target, const QImage& bitmap) override {
        if (open_) {
            targets.push_back(target);
            bitmap_size = bitmap.size();
        }
    }
    bool EndDoc() override {
        ++end_count;
        const bool was_open = open_;
        open_ = false;
        return was_open;
    }

    PrintReport Failure() const override {
        return accept_jobs ? PrintReport{} : PrintReport{PrintProblem::kNotAccepting, {}};
    }
    int JobId() const override { return job_id; }
    // The next of `statuses`, the last one again once they are used up.
    PrintJobStatus JobStatus() const override {
        ++status_calls;
        return statuses.empty() ? PrintJobStatus{}
                                : statuses[std::min(status_calls, statuses.size()) - 1];
    }

    bool accept_jobs = true;
    int job_id = 0;  // 0: the spooler gave no number to follow
    std::vector<PrintJobStatus> statuses;
    mutable size_t status_calls = 0;
    int begin_count = 0;
    int end_count = 0;
    std::vector<QRect> targets;
    QSize bitmap_size;

private:
    bool open_ = false;
};

}  // namespace kalvesta
