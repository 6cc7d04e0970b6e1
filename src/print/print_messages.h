// The printer window's words for what became of a page, in English and Russian,
// around the print system's own words.
#pragma once

#include <QString>

#include "print/print_interfaces.h"

namespace kalvesta {

// The page was not taken: The page could not be printed on "Laser": the printer is
// not accepting jobs: closed for service.
QString PrintFailureMessage(const QString& printer, const PrintReport& report, bool english);

// The job was taken and then met a problem: Printer "Laser", job 12: the printer is
// stopped; the job waits in the queue (CUPS: "Paused").
QString JobProblemMessage(const QString& printer, int job, const PrintReport& report, bool english);

// Shown instead of an empty printer list.
QString NoPrinterText(bool english);

// Shown while the window waits for the job to print.
QString FollowingJobText(int job, bool english);

}  // namespace kalvesta
