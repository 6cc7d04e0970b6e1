// The texts of the printer window's messages.
#include "print/print_messages.h"

namespace kalvesta {
namespace {

struct ProblemText {
    PrintProblem problem;
    const char* english;
    const char* russian;
};

constexpr ProblemText kProblemTexts[] = {
    {PrintProblem::kNoPrinterSetUp, "no printer is set up", "принтер не настроен"},
    {PrintProblem::kJobAlreadyOpen, "a print job is already open", "задание печати уже открыто"},
    {PrintProblem::kNoJobOpen, "no print job is open", "задание печати не открыто"},
    {PrintProblem::kJobNotStarted, "the print job could not be started",
     "задание печати не удалось начать"},
    {PrintProblem::kJobNotCompleted, "the print job could not be completed",
     "задание печати не удалось завершить"},
    {PrintProblem::kNotAccepting, "the printer is not accepting jobs",
     "принтер не принимает задания"},
    {PrintProblem::kRefused, "CUPS refused the job", "CUPS отклонил задание"},
    {PrintProblem::kNoServer, "cupsd is not running", "cupsd не запущен"},
    {PrintProblem::kPrinterGone, "the printer no longer exists", "принтер больше не существует"},
    {PrintProblem::kPrinterStopped, "the printer is stopped; the job waits in the queue",
     "принтер остановлен; задание ждёт в очереди"},
    {PrintProblem::kJobHeld, "the job is held in the queue", "задание задержано в очереди"},
    {PrintProblem::kJobCancelled, "the job was cancelled", "задание отменено"},
    {PrintProblem::kJobAborted, "the job was aborted", "задание прервано"},
    {PrintProblem::kNotPrintedYet, "the job has not printed yet", "задание ещё не напечатано"},
};

QString ProblemWords(PrintProblem problem, bool english) {
    for (const ProblemText& text : kProblemTexts) {
        if (text.problem == problem) {
            return QString::fromUtf8(english ? text.english : text.russian);
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

QString PrintFailureMessage(const QString& printer, const PrintReport& report, bool english) {
    QString reason = ProblemWords(report.problem, english);
    if (!report.cups_text.isEmpty()) {
        reason += QStringLiteral(": ") + WithoutFullStop(report.cups_text);
    }
    const QString frame = english ? QStringLiteral("The page could not be printed on \"%1\": %2.")
                                  : QStringLiteral("Страницу не удалось напечатать на «%1»: %2.");
    return frame.arg(printer, reason);
}

QString JobProblemMessage(const QString& printer, int job, const PrintReport& report,
                          bool english) {
    QString text = (english ? QStringLiteral("Printer \"%1\", job %2: %3")
                            : QStringLiteral("Принтер «%1», задание %2: %3"))
                       .arg(printer, QString::number(job), ProblemWords(report.problem, english));
    if (!report.cups_text.isEmpty()) {
        text += (english ? QStringLiteral(" (CUPS: \"%1\")") : QStringLiteral(" (CUPS: «%1»)"))
                    .arg(WithoutFullStop(report.cups_text));
    }
    return text + QLatin1Char('.');
}

QString NoPrinterText(bool english) {
    return english ? QStringLiteral("No printer is set up.")
                   : QStringLiteral("Принтер не установлен.");
}

QString FollowingJobText(int job, bool english) {
    return (english ? QStringLiteral("Job %1 is with CUPS; waiting for it to print…")
                    : QStringLiteral("Задание %1 передано CUPS; ожидание печати…"))
        .arg(job);
}

}  // namespace kalvesta
