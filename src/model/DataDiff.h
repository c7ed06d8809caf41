#pragma once

#include "model/DataSet.h"

#include <QList>
#include <QString>

namespace mtz4 {

// One difference between two data sets: where (a row label such as "03-012",
// "Band 5", "Bank 12", "GRP3", "Settings"), which field (a column header
// such as "Frequency", a bank, a setting's caption), and the value in each.
struct DataDifference {
    QString where;
    QString field;
    QString thisValue;
    QString otherValue;

    // "03-012 Frequency: 145.500000 -> 145.520000"
    QString text() const;
    bool operator==(const DataDifference&) const = default;
};

// Every difference between `mine` and `other`, field by field: the memory
// entries (labelled by `mine`'s row labels; the enable flag, the display
// texts and the skip mark), the VFO bands, the bank sizes, the group boxes
// and the offered settings (by their captions and the texts of their
// values). Beyond what the texts show, the bytes that go to the receiver: a
// coded field of an entry or band whose texts agree but whose code differs
// ("03-012 Shift code: 00 -> 10"), and the bytes a file keeps of a note
// whose texts agree but whose bytes differ ("00-003 Note bytes differ: 81
// 20 78 -> 82 20 78"). Entries empty in both are alike whatever they hold.
QList<DataDifference> CompareData(const DataSet& mine, const DataSet& other);

// The differences of one memory entry, named `where`, or of one VFO band,
// as CompareData lists them (empty entries included).
QList<DataDifference> CompareEntry(const DataSet& mine, const DataSet& other, int entry,
                                   const QString& where);
QList<DataDifference> CompareBand(const DataSet& mine, const DataSet& other, int band);

} // namespace mtz4
