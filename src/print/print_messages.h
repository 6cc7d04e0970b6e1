// The printer window's words for what became of a page, in the main window's
// language, around the print system's own words.
#pragma once

#include <QString>

#include "print/print_interfaces.h"
#include "texts/catalogue.h"

namespace kalvesta {

// The page was not taken: The page could not be printed on "Laser": the printer is
// not accepting jobs: closed for service.
QString PrintFailureMessage(const QString& printer, const PrintReport& report,
                            const Catalogue& texts);

// The job was taken and then met a problem: Printer "Laser", job 12: the printer is
// stopped; the job waits in the queue (CUPS: "Paused").
QString JobProblemMessage(const QString& printer, int job, const PrintReport& report,
                          const Catalogue& texts);

// Shown instead of an empty printer list.
QString NoPrinterText(const Catalogue& texts);

// Shown while the window waits for the job to print.
QString FollowingJobText(int job, const Catalogue& texts);

}  // namespace kalvesta
