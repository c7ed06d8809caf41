#pragma once

#include "files/CsvRecord.h"
#include "files/ImportReport.h"
#include "model/DataSet.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace mtz4 {

// Copy and paste of memory entries as text: one line per entry, its fields
// separated by tabs, in the order of the CSV export's line ("MT-Z4", the
// section, the channel, frequency .. name, SKIP, ENABLE), so that the rows
// paste sensibly into a spreadsheet and back.

// The text of the given entries, in the order given.
QString EntriesAsText(const DataSet& ds, const QList<int>& entries);

// What a paste would do: the records to store and where, each row changed
// to fit ("row 2: note: 東 → ?") and each row left out with the reason
// ("row 3: a frequency outside 0.1 .. 1299.995 MHz"); `imported` counts the
// rows to store.
struct PastePlan : ImportReport {
    struct Row {
        int entry = 0;
        CsvRecord record;
    };
    QList<Row> rows;
    int overwritesInUse = 0; // entries in use that the rows would replace
};

// Plans pasting `text` into consecutive entries from `firstEntry` on, within
// its list (memory channels, Program Scan, Search Pass or Priority). A row is
// an entry line as copied (or from a spreadsheet with the same columns), or
// just its 13 fields from FREQUENCY on; a header line and empty lines are
// passed over. Each row passes the checks of the edit dialog and of the CSV
// import under the data set's model: the frequency and offset ranges, the
// cellular lock-out of the MT-Z40T, the Search Pass duplicate rule and the
// options the model offers. Note and name are fitted to the note code page
// and the receiver (a character they cannot hold becomes its base letter or
// "?", a note longer than 255 characters is cut); such a row is pasted and
// listed as changed.
PastePlan PlanPaste(const DataSet& ds, const QString& text, int firstEntry);

// Stores the planned rows.
void ApplyPaste(DataSet& ds, const PastePlan& plan);

} // namespace mtz4
