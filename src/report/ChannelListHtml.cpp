#include "report/ChannelListHtml.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>

namespace mtz4 {

namespace {

const char* const Style = R"(
body { font-family: sans-serif; font-size: 10pt; margin: 1em; }
h1 { font-size: 14pt; margin: 0 0 0.5em 0; }
section { break-inside: avoid; page-break-inside: avoid; margin-bottom: 1em; }
table { border-collapse: collapse; width: 100%; }
th, td { text-align: left; padding: 1px 6px; white-space: nowrap; }
td.note { white-space: normal; }
thead th { border-bottom: 1px solid #444; }
thead tr.page th { font-weight: normal; color: #444; border: none; }
thead tr.section th { font-size: 11pt; border: none; padding-top: 4px; }
tbody tr:nth-child(even) { background: #eee; }
tr { break-inside: avoid; page-break-inside: avoid; }
)";

// HTML text; control characters other than the tab (which a note may hold
// from a file) are dropped: HTML has no place for them.
QString Escaped(QString text) {
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control && c != u'\t'; });
    return text.toHtmlEscaped();
}

} // namespace

QByteArray ChannelListHtml(const ChannelList& list) {
    const QStringList columns = ChannelListColumns();
    const int noteColumn = int(columns.size()) - 1;
    QString html;
    html +=
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n")
            .arg(ProgramLanguage());
    const QString title = QCoreApplication::translate("ChannelListHtml", "Channel list") +
                          QStringLiteral(": ") + list.headerLine();
    html += QStringLiteral("<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n<h1>%1</h1>\n")
                .arg(Escaped(title), QLatin1String(Style));
    if (list.sections.isEmpty())
        html += QStringLiteral("<p>%1</p>\n")
                    .arg(Escaped(
                        QCoreApplication::translate("ChannelListHtml", "No entry is in use.")));
    for (const ChannelSection& section : list.sections) {
        html += QStringLiteral("<section>\n<table>\n<thead>\n");
        html += QStringLiteral("<tr class=\"page\"><th colspan=\"%1\">%2</th></tr>\n")
                    .arg(columns.size())
                    .arg(Escaped(list.headerLine()));
        html += QStringLiteral("<tr class=\"section\"><th colspan=\"%1\">%2</th></tr>\n<tr>")
                    .arg(columns.size())
                    .arg(Escaped(section.title));
        for (const QString& column : columns)
            html += QStringLiteral("<th>%1</th>").arg(Escaped(column));
        html += QStringLiteral("</tr>\n</thead>\n<tbody>\n");
        for (const ChannelRow& row : section.rows) {
            const QStringList cells = ChannelRowCells(row);
            html += QStringLiteral("<tr>");
            for (int c = 0; c < cells.size(); ++c)
                html += (c == noteColumn ? QStringLiteral("<td class=\"note\">%1</td>")
                                         : QStringLiteral("<td>%1</td>"))
                            .arg(Escaped(cells[c]));
            html += QStringLiteral("</tr>\n");
        }
        html += QStringLiteral("</tbody>\n</table>\n</section>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

} // namespace mtz4
