#include "files/ImportReport.h"

#include "model/TextLanguage.h"

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
                                       "stopped at %1; the %2 lines after it were not read")
        .arg(report.stoppedAt)
        .arg(report.notRead);
}

QString ImportSummary(const ImportReport& report, const QString& done, int most) {
    QString text;
    if (ProgramTextLanguage() == TextLanguage::Japanese) {
        // Rows and lines are both 行; what was done is pasting or importing.
        text = QStringLiteral("%1 行を%2、%3 行を飛ばしました")
                   .arg(report.imported)
                   .arg(done == QLatin1String("pasted") ? QStringLiteral("貼り付け")
                                                        : QStringLiteral("取り込み"))
                   .arg(report.skipped.size());
    } else {
        text = QStringLiteral("%1 %2 %3, %4 skipped")
                   .arg(report.imported)
                   .arg(report.noun, done)
                   .arg(report.skipped.size());
    }
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
    const QString rows =
        ProgramTextLanguage() == TextLanguage::Japanese
            ? QString::number(report.changed.size())
            : Counted(report.changed.size(), QStringLiteral("row"), QStringLiteral("rows"));
    return QCoreApplication::translate("ImportReport", "%1 changed to fit:").arg(rows) +
           QLatin1Char('\n') + listed(report.changed, most);
}

QString ListedUnder(const QString& heading, const QStringList& lines, int most) {
    return heading + QLatin1Char('\n') + listed(lines, most);
}

QString ChangedRow(const QString& where, const QStringList& changes) {
    return where + QStringLiteral(": ") + changes.join(QStringLiteral("; "));
}

} // namespace mtz4
