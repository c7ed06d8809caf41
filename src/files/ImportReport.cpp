#include "files/ImportReport.h"

#include <QCoreApplication>

namespace mtz4 {

namespace {

// The lines, at most `listed` of them, then "and N more".
QString listed(QStringList lines, int most) {
    if (most >= 0 && lines.size() > most) {
        const qsizetype more = lines.size() - most;
        lines = lines.mid(0, most);
        lines << QCoreApplication::translate("ImportReport", "and %1 more").arg(more);
    }
    return lines.join(QLatin1Char('\n'));
}

// "3 rows imported, 1 skipped": one text for each kind of rows and what
// was done with them, counted by the rows applied.
QString countsLine(const ImportReport& report, const QString& done) {
    const int n = report.imported;
    const qsizetype skipped = report.skipped.size();
    const bool lines = report.noun == QLatin1String("lines");
    if (report.noun == QLatin1String("entries and bands"))
        return QCoreApplication::translate("ImportReport", "%n entries and bands kept, %1 skipped",
                                           nullptr, n)
            .arg(skipped);
    if (done == QLatin1String("pasted"))
        return (lines ? QCoreApplication::translate("ImportReport", "%n lines pasted, %1 skipped",
                                                    nullptr, n)
                      : QCoreApplication::translate("ImportReport", "%n rows pasted, %1 skipped",
                                                    nullptr, n))
            .arg(skipped);
    return (lines ? QCoreApplication::translate("ImportReport", "%n lines imported, %1 skipped",
                                                nullptr, n)
                  : QCoreApplication::translate("ImportReport", "%n rows imported, %1 skipped",
                                                nullptr, n))
        .arg(skipped);
}

} // namespace

QStringList ReportLines(const ImportReport& report) {
    const QString stopped = StoppedLine(report);
    QStringList lines = (stopped.isEmpty() ? QStringList() : QStringList{stopped}) + report.notes +
                        report.skipped + report.changed;
    if (!report.comparedCount.isEmpty())
        lines << report.comparedCount << report.compared;
    return lines;
}

QString StoppedLine(const ImportReport& report) {
    if (report.stoppedAt.isEmpty())
        return {};
    return QCoreApplication::translate("ImportReport",
                                       "stopped at %1; the %n lines after it were not read",
                                       nullptr, report.notRead)
        .arg(report.stoppedAt);
}

QString ImportSummary(const ImportReport& report, const QString& done, int most) {
    QString text = countsLine(report, done);
    if (!report.changed.isEmpty())
        text +=
            QCoreApplication::translate("ImportReport", ", %1 changed").arg(report.changed.size());
    const QStringList lines = ReportLines(report);
    if (lines.isEmpty())
        return text;
    text += QStringLiteral(":\n") + listed(lines, most);
    // What changed in the entries in use is always said, at least in sum.
    if (most >= 0 && !report.comparedCount.isEmpty() && lines.indexOf(report.comparedCount) >= most)
        text += QLatin1Char('\n') + report.comparedCount;
    return text;
}

namespace {

Prompt reportPrompt(const ImportReport& report, const QString& title, const QString& done,
                    PromptIcon icon, const QString& heading) {
    QString text = ImportSummary(report, done, ReportedInSummary);
    if (!heading.isEmpty())
        text = heading + QLatin1Char('\n') + text;
    return {text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")), title, icon, PromptButtons::Ok,
            PromptAnswer::Ok};
}

QStringList reportDetails(const ImportReport& report) {
    const QStringList lines = ReportLines(report);
    return lines.size() > ReportedInSummary ? lines : QStringList();
}

} // namespace

void ShowImportReport(Prompter& prompter, const ImportReport& report, const QString& title,
                      const QString& done, PromptIcon icon, const QString& heading) {
    prompter.report(reportPrompt(report, title, done, icon, heading), reportDetails(report));
}

bool ShowImportReportOffering(Prompter& prompter, const ImportReport& report, const QString& title,
                              const QString& offer) {
    return prompter.reportOffering(
        reportPrompt(report, title, QStringLiteral("imported"), PromptIcon::Information, {}),
        reportDetails(report), offer);
}

QString ChangedRowsSummary(const ImportReport& report, int most) {
    if (report.changed.isEmpty())
        return {};
    return QCoreApplication::translate("ImportReport", "%n rows changed to fit:", nullptr,
                                       int(report.changed.size())) +
           QLatin1Char('\n') + listed(report.changed, most);
}

QString ListedUnder(const QString& heading, const QStringList& lines, int most) {
    return heading + QLatin1Char('\n') + listed(lines, most);
}

QString ChangedRow(const QString& where, const QStringList& changes) {
    return where + QStringLiteral(": ") + changes.join(QStringLiteral("; "));
}

} // namespace mtz4
