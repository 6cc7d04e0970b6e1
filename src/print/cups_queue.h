// What the CUPS server says about a queue and about the last request this thread
// made of it (Qt hands a finished job to CUPS without reporting the answer).
#pragma once

#include <QString>

namespace kalvesta {

// Why `queue` takes no jobs now ("the printer is not accepting jobs: <the reason
// its administrator gave>"); empty when it accepts jobs or cannot be asked.
QString CupsQueueRefusal(const QString& queue);

// The server's error for the last request of this thread, empty when it succeeded.
QString CupsLastRequestFailure();

}  // namespace kalvesta
