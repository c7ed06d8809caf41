#include "app/ImportPreview.h"

#include <QHeaderView>
#include <QTableWidget>

namespace mtz4 {

void FillImportPreview(QTableWidget& table, const QStringList& header,
                       const QList<QStringList>& rows, int firstRow) {
    qsizetype columns = header.size();
    for (const QStringList& row : rows)
        columns = qMax(columns, row.size());
    table.setColumnCount(int(columns));
    QStringList labels;
    for (int c = 0; c < columns; ++c)
        labels << (c < header.size() ? header[c].trimmed() : QString::number(c + 1));
    table.setHorizontalHeaderLabels(labels);
    table.setRowCount(firstRow + int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(
                QString(rows[r][c]).replace(QLatin1Char('\n'), QLatin1Char(' ')));
            item->setFlags(Qt::ItemIsEnabled);
            table.setItem(firstRow + r, c, item);
        }
    }
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.verticalHeader()->hide();
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 8);
    table.resizeColumnsToContents();
}

} // namespace mtz4
