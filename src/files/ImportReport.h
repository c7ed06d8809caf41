#pragma once

#include "model/Prompter.h"

#include <QString>
#include <QStringList>

namespace mtz4 {

// What an import did with the rows it read: how many it applied, those of
// them it had to change to fit (with what changed), and those it passed over
// (with the reason). Each line names its row the way the format does
// ("row 7 (Location 12)", "line 40 (MEMORY 22)").
struct ImportReport {
    int imported = 0;    // rows applied, the changed ones included
    QStringList changed; // "row 3 (Location 2): comment: ł → ?"
    QStringList skipped; // "row 7 (Location 1200): beyond the 1000 memory channels"
};

// The summary for the user: "N rows imported, M skipped" (`done` in place of
// "imported"), then ", K changed" when rows were changed; then, after a
// colon, each row skipped and each row changed on a line of its own, at most
// `most` of them (then "and N more"); a negative `most` lists them all.
QString ImportSummary(const ImportReport& report, const QString& done = QStringLiteral("imported"),
                      int most = -1);

// The rows changed to fit, for an import that otherwise passes its lines
// over silently: "K rows changed to fit:" and each on a line of its own, at
// most `most` of them; empty when none changed.
QString ChangedRowsSummary(const ImportReport& report, int most = -1);
// Shows that summary as a message ("Import"), when rows were changed.
void ShowChangedRows(const ImportReport& report, Prompter& prompter);

// A changed row's line: where, then its changes joined ("row 3: note: ł → ?;
// name: cut to 6 characters").
QString ChangedRow(const QString& where, const QStringList& changes);

} // namespace mtz4
