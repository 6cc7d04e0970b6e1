// cups-pdf helpers: output folder lookup, polling for the finished file, poppler tools.
#include "cups_pdf.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <atomic>

namespace kalvesta::cups_pdf {
namespace {

// Runs a tool; false when it could not run or failed. Its standard output goes to
// `output` when given.
bool Run(const QString& program, const QStringList& arguments, QString* output = nullptr) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return false;
    }
    if (output != nullptr) {
        *output = QString::fromUtf8(process.readAllStandardOutput());
    }
    return true;
}

}  // namespace

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
            if (name.match(file).hasMatch() && PageCount(folder.filePath(file)) > 0) {
                return folder.filePath(file);
            }
        }
        QThread::msleep(200);
    }
    return {};
}

int PageCount(const QString& pdf) {
    QString info;
    if (!Run(QStringLiteral("pdfinfo"), {pdf}, &info)) {
        return -1;
    }
    static const QRegularExpression kPages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                           QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = kPages.match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QImage Rasterise(const QString& pdf, int dpi) {
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        return {};
    }
    const QString prefix = scratch.filePath(QStringLiteral("page"));
    if (!Run(QStringLiteral("pdftoppm"),
             {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-singlefile"),
              QStringLiteral("-png"), pdf, prefix})) {
        return {};
    }
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

}  // namespace kalvesta::cups_pdf
