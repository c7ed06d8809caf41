#pragma once

#include <QList>
#include <QStringList>

class QTableWidget;

namespace mtz4 {

// Fills a table with the first rows of a file as their cells, under the
// file's header (numbers 1, 2 ... when it has none), the rows starting at
// table row `firstRow` (the rows above are the caller's). Read-only.
void FillImportPreview(QTableWidget& table, const QStringList& header,
                       const QList<QStringList>& rows, int firstRow = 0);

} // namespace mtz4
