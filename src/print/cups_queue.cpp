// The queue and job questions on libcups: IPP requests to the local server and the
// thread's last error. libcups is loaded when a question is first asked, not with
// the program: it brings a score of libraries (TLS, Kerberos, service discovery)
// whose loading would otherwise be paid at every start, though only printing needs
// them.
#include "print/cups_queue.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <QStringList>
#include <initializer_list>
#include <vector>

namespace kalvesta {
namespace {

// The functions of libcups these questions use; all null when it cannot be loaded.
struct Cups {
    decltype(&ippNewRequest) new_request = nullptr;
    decltype(&ippAddString) add_string = nullptr;
    decltype(&ippAddStrings) add_strings = nullptr;
    decltype(&cupsDoRequest) do_request = nullptr;
    decltype(&ippFindAttribute) find_attribute = nullptr;
    decltype(&ippGetString) get_string = nullptr;
    decltype(&ippGetInteger) get_integer = nullptr;
    decltype(&ippGetBoolean) get_boolean = nullptr;
    decltype(&ippGetCount) get_count = nullptr;
    decltype(&ippDelete) delete_message = nullptr;
    decltype(&cupsGetJobs2) get_jobs = nullptr;
    decltype(&cupsFreeJobs) free_jobs = nullptr;
    decltype(&cupsLastError) last_error = nullptr;
    decltype(&cupsLastErrorString) last_error_string = nullptr;

    bool loaded() const { return last_error_string != nullptr; }
};

template <class Function>
bool Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

Cups Load() {
    // Stays loaded until the program ends, as Qt's own print plugin keeps it.
    void* const library = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    Cups cups;
    if (library == nullptr) {
        return cups;
    }
    Cups found;
    const bool complete = Find(library, "ippNewRequest", found.new_request) &&
                          Find(library, "ippAddString", found.add_string) &&
                          Find(library, "ippAddStrings", found.add_strings) &&
                          Find(library, "cupsDoRequest", found.do_request) &&
                          Find(library, "ippFindAttribute", found.find_attribute) &&
                          Find(library, "ippGetString", found.get_string) &&
                          Find(library, "ippGetInteger", found.get_integer) &&
                          Find(library, "ippGetBoolean", found.get_boolean) &&
                          Find(library, "ippGetCount", found.get_count) &&
                          Find(library, "ippDelete", found.delete_message) &&
                          Find(library, "cupsGetJobs2", found.get_jobs) &&
                          Find(library, "cupsFreeJobs", found.free_jobs) &&
                          Find(library, "cupsLastError", found.last_error) &&
                          Find(library, "cupsLastErrorString", found.last_error_string);
    return complete ? found : cups;
}

const Cups& Library() {
    static const Cups cups = Load();
    return cups;
}

// The answer to one request, freed with it.
class Answer {
public:
    Answer(const Cups& cups, ipp_t* response) : cups_(cups), response_(response) {}
    ~Answer() { cups_.delete_message(response_); }
    Answer(const Answer&) = delete;
    Answer& operator=(const Answer&) = delete;

    // The values of a text or keyword attribute, joined by ", "; empty when absent.
    QString Text(const char* name) const {
        ipp_attribute_t* attribute = cups_.find_attribute(response_, name, IPP_TAG_ZERO);
        QStringList values;
        for (int i = 0; attribute != nullptr && i < cups_.get_count(attribute); ++i) {
            const QString value = QString::fromUtf8(cups_.get_string(attribute, i, nullptr));
            if (!value.isEmpty() && value != QStringLiteral("none")) {
                values.append(value);
            }
        }
        return values.join(QStringLiteral(", "));
    }
    int Integer(const char* name) const {
        ipp_attribute_t* attribute = cups_.find_attribute(response_, name, IPP_TAG_ZERO);
        return attribute != nullptr ? cups_.get_integer(attribute, 0) : 0;
    }
    bool Boolean(const char* name, bool absent) const {
        ipp_attribute_t* attribute = cups_.find_attribute(response_, name, IPP_TAG_BOOLEAN);
        return attribute != nullptr ? cups_.get_boolean(attribute, 0) != 0 : absent;
    }

private:
    const Cups& cups_;
    ipp_t* response_;
};

QByteArray PrinterUri(const QString& queue) {
    return "ipp://localhost/printers/" + queue.toUtf8();
}

// Sends `operation` about `uri_name` = `uri`, asking for `attributes`.
ipp_t* Ask(const Cups& cups, ipp_op_t operation, const char* uri_name, const QByteArray& uri,
           std::initializer_list<const char*> attributes) {
    ipp_t* request = cups.new_request(operation);
    cups.add_string(request, IPP_TAG_OPERATION, IPP_TAG_URI, uri_name, nullptr, uri.constData());
    const std::vector<const char*> names(attributes);
    cups.add_strings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                     static_cast<int>(names.size()), nullptr, names.data());
    return cups.do_request(CUPS_HTTP_DEFAULT, request, "/");
}

// What the thread's last request says of the server and the queue.
PrintProblem ServerOrQueueProblem(const Cups& cups) {
    switch (cups.last_error()) {
        case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
            return PrintProblem::kNoServer;
        case IPP_STATUS_ERROR_NOT_FOUND:
            return PrintProblem::kPrinterGone;
        default:
            return PrintProblem::kNone;
    }
}

}  // namespace

PrintReport CupsQueueProblem(const QString& queue) {
    const Cups& cups = Library();
    if (!cups.loaded()) {
        return {};
    }
    const Answer printer(cups,
                         Ask(cups, IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", PrinterUri(queue),
                             {"printer-is-accepting-jobs", "printer-state-message"}));
    if (const PrintProblem problem = ServerOrQueueProblem(cups); problem != PrintProblem::kNone) {
        return {problem, {}};
    }
    if (!printer.Boolean("printer-is-accepting-jobs", true)) {
        return {PrintProblem::kNotAccepting, printer.Text("printer-state-message")};
    }
    return {};
}

PrintReport CupsLastRequestProblem(const QString& queue) {
    const Cups& cups = Library();
    if (!cups.loaded() || cups.last_error() <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        return {};
    }
    const QString answer = QString::fromLocal8Bit(cups.last_error_string());
    // The server's answer to a vanished queue or to no connection at all is a bare
    // system error ("No such file or directory"): the queue itself tells why.
    const PrintReport queue_problem = CupsQueueProblem(queue);
    return queue_problem.problem != PrintProblem::kNone
               ? queue_problem
               : PrintReport{PrintProblem::kRefused, answer};
}

int CupsNewestJob(const QString& queue, const QString& title) {
    const Cups& cups = Library();
    if (!cups.loaded()) {
        return 0;
    }
    cups_job_t* jobs = nullptr;
    const QByteArray name = queue.toUtf8();
    const int count =
        cups.get_jobs(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 1, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id > newest && title == QString::fromUtf8(jobs[i].title)) {
            newest = jobs[i].id;
        }
    }
    if (count > 0) {
        cups.free_jobs(count, jobs);
    }
    return newest;
}

PrintJobStatus CupsJobStatus(const QString& queue, int job) {
    using Stage = PrintJobStatus::Stage;
    const Cups& cups = Library();
    if (!cups.loaded() || job <= 0) {
        return {};
    }
    const Answer printer(cups,
                         Ask(cups, IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", PrinterUri(queue),
                             {"printer-state", "printer-state-message", "printer-state-reasons"}));
    if (const PrintProblem problem = ServerOrQueueProblem(cups); problem != PrintProblem::kNone) {
        return {Stage::kProblem, {problem, {}}};
    }
    const QString printer_says = printer.Text("printer-state-message");
    const QString printer_reasons = printer.Text("printer-state-reasons");
    const Answer state(cups, Ask(cups, IPP_OP_GET_JOB_ATTRIBUTES, "job-uri",
                                 "ipp://localhost/jobs/" + QByteArray::number(job),
                                 {"job-state", "job-state-reasons"}));
    if (cups.last_error() == IPP_STATUS_ERROR_NOT_FOUND) {
        return {};  // done and forgotten (a server that keeps no job history)
    }
    const QString job_reasons = state.Text("job-state-reasons");
    const QString why = !printer_says.isEmpty() ? printer_says : printer_reasons;
    switch (state.Integer("job-state")) {
        case IPP_JSTATE_COMPLETED:
            return {};
        case IPP_JSTATE_CANCELED:
            return {Stage::kProblem, {PrintProblem::kJobCancelled, job_reasons}};
        case IPP_JSTATE_ABORTED:
            return {Stage::kProblem, {PrintProblem::kJobAborted, job_reasons}};
        case IPP_JSTATE_HELD:
            return {Stage::kProblem, {PrintProblem::kJobHeld, job_reasons}};
        case IPP_JSTATE_STOPPED:
            return {Stage::kProblem, {PrintProblem::kPrinterStopped, why}};
        default:
            break;
    }
    if (printer.Integer("printer-state") == IPP_PSTATE_STOPPED) {
        return {Stage::kProblem, {PrintProblem::kPrinterStopped, why}};
    }
    return {Stage::kWaiting,
            {why.isEmpty() ? PrintProblem::kNone : PrintProblem::kNotPrintedYet, why}};
}

}  // namespace kalvesta
