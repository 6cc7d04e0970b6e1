// What the CUPS server says about a queue, about the last request this thread made
// of it (Qt hands a finished job to CUPS without reporting the answer or the job's
// number) and about a job it took.
#pragma once

#include <QString>

#include "print/print_interfaces.h"

namespace kalvesta {

// Why `queue` takes no jobs now: cupsd does not answer, the queue is gone, or it
// rejects jobs (with the reason its administrator gave); kNone when it takes them
// or cannot be asked (libcups missing).
PrintReport CupsQueueProblem(const QString& queue);

// The failure of the last request of this thread (kNone when it succeeded): the
// queue's own problem where it has one, else the server's answer (kRefused).
PrintReport CupsLastRequestProblem(const QString& queue);

// The highest number of this user's jobs on `queue` named `title`; 0 when there is
// none or the server cannot be asked.
int CupsNewestJob(const QString& queue, const QString& title);

// What became of job `job` on `queue`, in the words of CUPS.
PrintJobStatus CupsJobStatus(const QString& queue, int job);

}  // namespace kalvesta
