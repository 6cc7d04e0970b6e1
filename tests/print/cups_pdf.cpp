// cups-pdf helpers: output folder lookup and polling for the finished file.
#include "cups_pdf.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <QThread>
#include <atomic>

#include "pdf_tools.h"

namespace kalvesta::cups_pdf {
bool QueueExists() {
    return !QPrinterInfo::printerInfo(QString::fromLatin1(kQueue)).isNull();
}

QString OutputFolder() {
    const QString from_script = qEnvironmentVariable("KALVESTA_CUPS_PDF_DIR");
    if (!from_script.isEmpty()) {
        return from_script;
    }
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream lines(&conf);
        static const QRegularExpression kOut(QStringLiteral("^Out\\s+(\\S.*)$"));
        while (!lines.atEnd()) {
            const QRegularExpressionMatch match = kOut.match(lines.readLine());
            if (match.hasMatch()) {
                out = match.captured(1).trimmed();
            }
        }
    }
    const passwd* user = getpwuid(getuid());
    if (user != nullptr) {
        out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
        out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
    }
    return out;
}

QString UniqueJobTitle(const QString& what) {
    static std::atomic<int> counter{0};
    return QStringLiteral("kalvesta-%1-%2-%3")
        .arg(what)
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

QString WaitForPdf(const QString& title, int timeout_s) {
    const QDir folder(OutputFolder());
    // cups-pdf may label the file with the job number before the title and may append
    // the job number and parts of the document's metadata after it.
    const QRegularExpression name(
        QStringLiteral("^(job_\\d+-)?%1(?![0-9]).*\\.pdf$").arg(QRegularExpression::escape(title)));
    QDeadlineTimer deadline{std::chrono::seconds(timeout_s)};
    while (!deadline.hasExpired()) {
        for (const QString& file : folder.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
            // The file is complete once pdfinfo can read it.
            if (name.match(file).hasMatch() && pdf_tools::PageCount(folder.filePath(file)) > 0) {
                return folder.filePath(file);
            }
        }
        QThread::msleep(200);
    }
    return {};
}

}  // namespace kalvesta::cups_pdf
