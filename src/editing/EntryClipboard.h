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
// its list (memory channels, Program Scan, Search Pass or Priority); a row
// passed over takes no entry, so the next row lands where it would have.
// The rows are read as ReadPastedRows reads them: entry lines as copied, a
// spreadsheet's rows in the CSV file's columns, or any rows under a header
// naming their columns. Each row passes the checks of the edit dialog under
// the data set's model (EntryRefusal): the cellular lock-out of the MT-Z40T,
// the Search Pass duplicate rule (against the rows before it, and the
// entries no later row fills) and the options the model offers. Note and
// name are fitted to the note code page and the receiver (a character they
// cannot hold becomes its base letter or "?", a note longer than 255
// characters is cut); such a row is pasted and listed as changed. The
// report ends with what the paste changes in the entries in use before it
// (CompareWithBefore).
PastePlan PlanPaste(const DataSet& ds, const QString& text, int firstEntry);

// Stores the planned rows.
void ApplyPaste(DataSet& ds, const PastePlan& plan);

} // namespace mtz4
