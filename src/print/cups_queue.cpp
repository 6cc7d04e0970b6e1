// The queue questions on libcups: the destination's attributes and the last error.
// libcups is loaded when a question is first asked, not with the program: it
// brings a score of libraries (TLS, Kerberos, service discovery) whose loading
// would otherwise be paid at every start, though only printing needs them.
#include "print/cups_queue.h"

#include <cups/cups.h>
#include <dlfcn.h>

namespace kalvesta {
namespace {

// The functions of libcups these questions use; all null when it cannot be loaded.
struct Cups {
    decltype(&ippNewRequest) new_request = nullptr;
    decltype(&ippAddString) add_string = nullptr;
    decltype(&cupsDoRequest) do_request = nullptr;
    decltype(&ippFindAttribute) find_attribute = nullptr;
    decltype(&ippGetString) get_string = nullptr;
    decltype(&ippDelete) delete_message = nullptr;
    decltype(&cupsGetNamedDest) get_named_dest = nullptr;
    decltype(&cupsGetOption) get_option = nullptr;
    decltype(&cupsFreeDests) free_dests = nullptr;
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
                          Find(library, "cupsDoRequest", found.do_request) &&
                          Find(library, "ippFindAttribute", found.find_attribute) &&
                          Find(library, "ippGetString", found.get_string) &&
                          Find(library, "ippDelete", found.delete_message) &&
                          Find(library, "cupsGetNamedDest", found.get_named_dest) &&
                          Find(library, "cupsGetOption", found.get_option) &&
                          Find(library, "cupsFreeDests", found.free_dests) &&
                          Find(library, "cupsLastError", found.last_error) &&
                          Find(library, "cupsLastErrorString", found.last_error_string);
    return complete ? found : cups;
}

const Cups& Library() {
    static const Cups cups = Load();
    return cups;
}

// The queue's "printer-state-message" (the reason an administrator gave when
// rejecting jobs), which the destination's options do not carry.
QString StateMessage(const Cups& cups, const char* printer_uri) {
    ipp_t* request = cups.new_request(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups.add_string(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printer_uri);
    cups.add_string(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                    "printer-state-message");
    ipp_t* response = cups.do_request(CUPS_HTTP_DEFAULT, request, "/");
    QString message;
    if (ipp_attribute_t* attribute =
            cups.find_attribute(response, "printer-state-message", IPP_TAG_TEXT)) {
        message = QString::fromUtf8(cups.get_string(attribute, 0, nullptr));
    }
    cups.delete_message(response);
    return message;
}

}  // namespace

QString CupsQueueRefusal(const QString& queue) {
    const Cups& cups = Library();
    if (!cups.loaded()) {
        return {};
    }
    const QByteArray name = queue.toLocal8Bit();
    cups_dest_t* dest = cups.get_named_dest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (dest == nullptr) {
        // Not to be asked about (an instance name, say): the job itself will tell.
        return {};
    }
    QString refusal;
    const char* accepting =
        cups.get_option("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting != nullptr && QByteArray(accepting) == "false") {
        refusal = QStringLiteral("the printer is not accepting jobs");
        const char* uri =
            cups.get_option("printer-uri-supported", dest->num_options, dest->options);
        const QString message = uri != nullptr ? StateMessage(cups, uri) : QString();
        if (!message.isEmpty()) {
            refusal += QStringLiteral(": ") + message;
        }
    }
    cups.free_dests(1, dest);
    return refusal;
}

QString CupsLastRequestFailure() {
    const Cups& cups = Library();
    if (!cups.loaded() || cups.last_error() <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        return {};
    }
    return QString::fromLocal8Bit(cups.last_error_string());
}

}  // namespace kalvesta
