// Helpers for the tests that print through the local CUPS server to the cups-pdf
// queue "KalvestaPDF" (set up by scripts/cups-test-printer): the queue check, the
// folder the PDF files arrive in, and waiting for a job's file.
#pragma once

#include <QString>

namespace kalvesta::cups_pdf {

inline constexpr char kQueue[] = "KalvestaPDF";

// Whether the CUPS server lists the queue.
bool QueueExists();

// The folder cups-pdf writes to for this user: $KALVESTA_CUPS_PDF_DIR when set (the
// test script exports what scripts/cups-test-printer prints), otherwise the "Out"
// setting of /etc/cups/cups-pdf.conf with ${HOME} and ${USER} expanded.
QString OutputFolder();

// A job title no other test run uses, so its PDF is found by name.
QString UniqueJobTitle(const QString& what);

// Waits up to `timeout_s` seconds for the complete PDF of the job titled `title`
// (cups-pdf names the file after the title); empty when none arrived.
QString WaitForPdf(const QString& title, int timeout_s = 60);

}  // namespace kalvesta::cups_pdf
