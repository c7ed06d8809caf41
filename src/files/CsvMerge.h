#pragma once

#include "files/CsvRecord.h"
#include "files/EntryPlacement.h"
#include "files/ImportReport.h"
#include "model/DataSet.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace mtz4 {

// Applies the lines of our CSV file to a data set, one line at a time, and
// says in the report what became of each: applied, changed to fit, or passed
// over with the reason. Lines without a frequency (an exported empty entry
// or band) are counted rather than listed, and the header line passes
// silently. Band and entry lines keep the model's rules (EntryRefusal,
// BandRefusal). Search Pass lines are checked for duplicates once the whole
// file is read (finish()), against what the file leaves in the other Search
// Pass entries: a list reordered in a spreadsheet comes back whole. A band,
// entry, bank or group box given again: the later line is taken, and the
// earlier one is listed as passed over, naming the later one. A band or
// entry line with more fields than it has, not all of them empty, is passed
// over: a decimal comma outside quotes splits a number in two ("145,5"),
// and what follows is then in the wrong columns.
//
// With a `placement` to a destination, the entry lines go where it puts
// them (their numbers keep only the Program Scan edges together), and the
// VFO, bank size and group lines, which belong to the file's own layout, are
// left out, counted in a note.
class CsvMerge {
public:
    CsvMerge(DataSet& ds, ImportReport& report, EntryPlacement* placement = nullptr);

    // Applies every record of the line (numbered from 1) whose fields are
    // `fields`; false when a bank or group line holds a number field that
    // is not a number.
    bool line(const QStringList& fields, int number);
    // Applies the Search Pass lines held back, and notes the lines without
    // a frequency.
    void finish();

private:
    enum class Section { None, Vfo, Memory, ProgramScan, SearchPass, Priority, BankAmount, Group };
    struct Pending {
        int entry;
        CsvRecord record;
        QString where;
        QStringList changes;
    };

    bool has(qsizetype count) const { return next_ + count <= fields_->size(); }
    QString upper(const QString& text) const;
    QString where(const QString& section, const QString& channel) const;
    void skip(const QString& where, const QString& reason);
    // The line at `where` applied to `target` (entries 0..1299, then bands,
    // bank size boxes and group boxes); none for a line placed by a
    // destination, which no later line can give again.
    void applied(const QString& where, const QStringList& changes, std::optional<int> target);
    bool placed() const { return placement_ && !placement_->asNumbered(); }
    void place(Section section, int numbered, const QString& at, const CsvRecord& record,
               const QStringList& changes);
    qsizetype extraFieldsEnd() const;

    void record(Section section, const QString& sectionWord);
    bool numberPair(Section section, const QString& sectionWord);

    DataSet& ds_;
    ImportReport& report_;
    EntryPlacement* placement_;
    int leftOut_ = 0; // VFO, bank and group lines a destination leaves out
    const QStringList* fields_ = nullptr;
    int lineNumber_ = 0;
    qsizetype next_ = 0;
    int withoutFrequency_ = 0;
    int bandsLacked_ = 0;
    QList<Pending> searchPass_;
    // The line that last applied each target, and its line of the report's
    // changes (-1: none), for a target given again.
    struct Applied {
        QString where;
        qsizetype changedLine;
    };
    QHash<int, Applied> applied_;
};

} // namespace mtz4
