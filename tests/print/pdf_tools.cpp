// pdfinfo and pdftoppm run as child processes.
#include "pdf_tools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace kalvesta::pdf_tools {
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

}  // namespace kalvesta::pdf_tools
