// The queue questions on libcups: the destination's attributes and the last error.
#include "print/cups_queue.h"

#include <cups/cups.h>

namespace kalvesta {
namespace {

// The queue's "printer-state-message" (the reason an administrator gave when
// rejecting jobs), which the destination's options do not carry.
QString StateMessage(const char* printer_uri) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printer_uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QString message;
    if (ipp_attribute_t* attribute =
            ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT)) {
        message = QString::fromUtf8(ippGetString(attribute, 0, nullptr));
    }
    ippDelete(response);
    return message;
}

}  // namespace

QString CupsQueueRefusal(const QString& queue) {
    const QByteArray name = queue.toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (dest == nullptr) {
        // Not to be asked about (an instance name, say): the job itself will tell.
        return {};
    }
    QString refusal;
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting != nullptr && QByteArray(accepting) == "false") {
        refusal = QStringLiteral("the printer is not accepting jobs");
        const char* uri = cupsGetOption("printer-uri-supported", dest->num_options, dest->options);
        const QString message = uri != nullptr ? StateMessage(uri) : QString();
        if (!message.isEmpty()) {
            refusal += QStringLiteral(": ") + message;
        }
    }
    cupsFreeDests(1, dest);
    return refusal;
}

QString CupsLastRequestFailure() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        return {};
    }
    return QString::fromLocal8Bit(cupsLastErrorString());
}

}  // namespace kalvesta
