// The texts of the printer window's messages.
#include "print/print_messages.h"

#include <string>

namespace kalvesta {
namespace {

struct ProblemText {
    PrintProblem problem;
    TextId text;
};

constexpr ProblemText kProblemTexts[] = {
    {PrintProblem::kNoPrinterSetUp, TextId::kPrintNoPrinterSetUp},
    {PrintProblem::kJobAlreadyOpen, TextId::kPrintJobAlreadyOpen},
    {PrintProblem::kNoJobOpen, TextId::kPrintNoJobOpen},
    {PrintProblem::kJobNotStarted, TextId::kPrintJobNotStarted},
    {PrintProblem::kJobNotCompleted, TextId::kPrintJobNotCompleted},
    {PrintProblem::kNotAccepting, TextId::kPrintNotAccepting},
    {PrintProblem::kRefused, TextId::kPrintRefused},
    {PrintProblem::kNoServer, TextId::kPrintNoServer},
    {PrintProblem::kPrinterGone, TextId::kPrintPrinterGone},
    {PrintProblem::kPrinterStopped, TextId::kPrintPrinterStopped},
    {PrintProblem::kJobHeld, TextId::kPrintJobHeld},
    {PrintProblem::kJobCancelled, TextId::kPrintJobCancelled},
    {PrintProblem::kJobAborted, TextId::kPrintJobAborted},
    {PrintProblem::kNotPrintedYet, TextId::kPrintNotPrintedYet},
};

std::string ProblemWords(PrintProblem problem, const Catalogue& texts) {
    for (const ProblemText& text : kProblemTexts) {
        if (text.problem == problem) {
            return texts.Text(text.text);
        }
    }
    return {};
}

// The print system's words without their own closing full stop, since ours follows.
QString WithoutFullStop(QString text) {
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}

}  // namespace

QString PrintFailureMessage(const QString& printer, const PrintReport& report,
                            const Catalogue& texts) {
    std::string reason = ProblemWords(report.problem, texts);
    if (!report.cups_text.isEmpty()) {
        reason += ": " + WithoutFullStop(report.cups_text).toStdString();
    }
    return QString::fromStdString(texts.Text(
        TextId::kPrinterNotPrinted, {{"printer", printer.toStdString()}, {"reason", reason}}));
}

QString JobProblemMessage(const QString& printer, int job, const PrintReport& report,
                          const Catalogue& texts) {
    std::string text =
        texts.Text(TextId::kPrinterJobProblem, {{"printer", printer.toStdString()},
                                                {"job", std::to_string(job)},
                                                {"problem", ProblemWords(report.problem, texts)}});
    if (!report.cups_text.isEmpty()) {
        text += texts.Text(TextId::kPrinterCupsWords,
                           {{"words", WithoutFullStop(report.cups_text).toStdString()}});
    }
    return QString::fromStdString(text + '.');
}

QString NoPrinterText(const Catalogue& texts) {
    return QString::fromStdString(texts.Text(TextId::kPrinterNoPrinter));
}

QString FollowingJobText(int job, const Catalogue& texts) {
    return QString::fromStdString(
        texts.Text(TextId::kPrinterFollowingJob, {{"job", std::to_string(job)}}));
}

}  // namespace kalvesta
