#include "files/ImportComparison.h"

#include "model/DataDiff.h"
#include "model/RowLabels.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace mtz4 {

namespace {

bool inUse(const DataSet& ds, int e) {
    return ds.MemEnable[e] || ds.MemData[e][Col::Freq] != 0.0;
}

} // namespace

int CompareWithBefore(ImportReport& report, const DataSet& before, const DataSet& after) {
    const QStringList labels = BuildRowLabels(after.bank);
    QList<DataDifference> differences;
    int entries = 0;
    for (int e = 0; e < EntryCount; ++e) {
        if (!inUse(before, e))
            continue;
        const QString where =
            labels.value(e).isEmpty()
                ? QCoreApplication::translate("ImportComparison", "Entry %1").arg(e)
                : labels[e];
        const QList<DataDifference> changed = CompareEntry(before, after, e, where);
        entries += changed.isEmpty() ? 0 : 1;
        differences += changed;
    }
    for (int b = 0; b < BandCount; ++b)
        differences += CompareBand(before, after, b);
    report.compared.clear();
    report.comparedCount.clear();
    if (differences.isEmpty())
        return entries;

    // The fields in the order of their counts, most first; ties in the
    // order they first came.
    QStringList fields;
    QHash<QString, int> counts;
    for (const DataDifference& d : differences) {
        if (counts[d.field]++ == 0)
            fields << d.field;
        report.compared << d.text();
    }
    std::stable_sort(fields.begin(), fields.end(), [&counts](const QString& a, const QString& b) {
        return counts[a] > counts[b];
    });
    QStringList byField;
    for (const QString& field : fields)
        byField << QStringLiteral("%1 %2").arg(field).arg(counts[field]);
    report.comparedCount =
        QCoreApplication::translate("ImportComparison", "Changes to entries in use before: %1 (%2)")
            .arg(differences.size())
            .arg(byField.join(QCoreApplication::translate("ImportComparison", ", ")));
    return entries;
}

} // namespace mtz4
