#include "files/ImportReport.h"

#include "model/TextLanguage.h"

namespace mtz4 {

namespace {

// The lines, at most `listed` of them, then "and N more".
QString listed(QStringList lines, int most) {
    if (most >= 0 && lines.size() > most) {
        const qsizetype more = lines.size() - most;
        lines = lines.mid(0, most);
        lines << InLanguage("and %1 more", "ほか %1 件").arg(more);
    }
    return lines.join(QLatin1Char('\n'));
}

constexpr int ListedInMessage = 10;

} // namespace

QString ImportSummary(const ImportReport& report, const QString& done, int most) {
    QString text = QStringLiteral("%1 rows %2, %3 skipped")
                       .arg(report.imported)
                       .arg(done)
                       .arg(report.skipped.size());
    if (!report.changed.isEmpty())
        text += InLanguage(", %1 changed", "、%1 件を変更").arg(report.changed.size());
    if (report.skipped.isEmpty() && report.changed.isEmpty())
        return text;
    return text + QStringLiteral(":\n") + listed(report.skipped + report.changed, most);
}

QString ChangedRowsSummary(const ImportReport& report, int most) {
    if (report.changed.isEmpty())
        return {};
    return InLanguage("%1 rows changed to fit:", "%1 行を収まるように変更しました:")
               .arg(report.changed.size()) +
           QLatin1Char('\n') + listed(report.changed, most);
}

void ShowChangedRows(const ImportReport& report, Prompter& prompter) {
    if (report.changed.isEmpty())
        return;
    prompter.ask({ChangedRowsSummary(report, ListedInMessage)
                      .replace(QLatin1Char('\n'), QStringLiteral("\r\n")),
                  QStringLiteral("Import"), PromptIcon::Information, PromptButtons::Ok,
                  PromptAnswer::Ok});
}

QString ChangedRow(const QString& where, const QStringList& changes) {
    return where + QStringLiteral(": ") + changes.join(QStringLiteral("; "));
}

} // namespace mtz4
