#pragma once

#include "files/ColumnFields.h"
#include "files/CsvRecord.h"
#include "files/EntryPlacement.h"
#include "files/ImportReport.h"
#include "model/DataSet.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace mtz4 {

// A CSV file of anyone's making whose first row names its columns: a club's
// spreadsheet ("Frequenz;Modus;Name;Bemerkung"), a frequency database's
// export ("Freq (MHz),Alpha Tag,Mode,Description"), the stock lists that
// come with the program. Its rows are memory channels (or, by a List
// column, Program Scan edges, Search Pass or Priority entries).

// The header row and what each of its columns holds.
struct ColumnsHeader {
    QChar separator = QLatin1Char(',');
    int line = 0; // the header's line, from 1; 0 for a file without a line
    QStringList cells;
    QList<ColumnField> fields; // one a column
    QList<double> toMHz;       // one a column: 0.001 for a column in kHz

    bool namesFrequency() const { return columnOf(ColumnField::Frequency) >= 0; }
    // The first column of the field, -1 for none.
    int columnOf(ColumnField field) const { return int(fields.indexOf(field)); }
};

// The header: the first line among the first ten that hold anything but a
// comment ("#" first) with a cell naming the frequency (HeaderWordOf), its
// cells separated by the comma, semicolon or TAB that finds the most fields.
// Each field goes to the column that names it most surely (the first of
// equals); the others of that field are not imported, but for the offset,
// which takes the direction and the amount from several columns (Duplex
// and Offset). When no line names the frequency: the first line that holds
// anything, split at the separator that splits it most, its columns as their
// words say (for a mapping given by hand).
ColumnsHeader FindColumnsHeader(const QString& text);

// Puts column `column` (from 0) to `field`, taking the field away from any
// other column (an offset may have several).
void SetColumnField(ColumnsHeader& header, int column, ColumnField field);

// Applies "COLUMN=FIELD" (mtz4ctl's --map): COLUMN is a header text (any
// case) or a column number from 1, FIELD a field's name (ColumnFieldName).
// False with the reason in `error` for a column or field that is none.
bool MapColumn(ColumnsHeader& header, const QString& assignment, QString* error);

// The mapping for a message, one column a line: `1 "Frequenz" -> frequency`.
QStringList ColumnMappingLines(const ColumnsHeader& header);

// The columns that are not imported, for the report: "Columns not imported:
// "Kanal" (1), "Extra" (6)"; empty when every column is.
QString UnmappedColumnsNote(const ColumnsHeader& header);

// A row as a record for model `model`, with what a new entry takes for what
// it leaves out (WithNewEntryDefaults):
// - the frequency in MHz (kHz by the header), read whole (ParseNumber);
// - the mode FM, AM or WFM (NFM, FMN as FM, NAM as AM, W-FM, WBFM as WFM;
//   Auto the band's, said); another refuses the row;
// - the step as a size in kHz or a step's text; a size the receiver lacks
//   takes the band's, said;
// - a tone of the tone list as the Tone option with that tone; none, "off"
//   or "0" no option; another tone leaves the squelch off, said;
// - the offset from every column of it: a signed number ("-0.6", "+5"), a
//   direction ("+", "-", "Shift+", "plus"), "split" with the other
//   frequency, or "off"/"simplex"; a direction without an amount 0.600000;
// - skip "S", "Skip", "Yes", "Ja", "X" or a truth value;
// - the list "Memory" (also empty), "Program Scan", "Search Pass",
//   "Priority" (or PS, SP, PR), else the row is refused;
// - name and note as they stand, fitted (ParseCsvRecord).
struct ColumnsRow {
    std::optional<CsvRecord> record;
    QString whyNot;
    QStringList changes;
    ImportList list = ImportList::Channels;
    QString position; // the position cell, when there is one
};
ColumnsRow ColumnsRowOf(const QStringList& cells, const ColumnsHeader& header, int model,
                        CodePage page);

// Merges the rows under the header of a file's text (read as UTF-8 or in the
// note code page, ImportFileText) into the data set, each where `placement`
// puts it: as numbered, by the position column (an entry number 0..999 or a
// row label, "03-012", "S5", "12A", "Pr3"); otherwise as the destination
// says. Every row passes the model's rules (EntryRefusal); a row left out,
// changed to fit or given again (as numbered) is in the report, named by its
// line and frequency ("row 7 (145,500)"), and so are the columns not
// imported and the lines above the header. `progress` as for the other
// imports; stopped, the report is `cancelled`.
ImportReport ImportColumnsCsvText(DataSet& ds, const QByteArray& bytes, const ColumnsHeader& header,
                                  EntryPlacement& placement, const ImportProgress& progress = {});

} // namespace mtz4
