#include "files/ImportDestination.h"

#include "model/RowLabels.h"

#include <QCoreApplication>

namespace mtz4 {

ImportList ImportListOfEntry(int entry) {
    if (entry >= FirstPriorityEntry)
        return ImportList::Priority;
    if (entry >= FirstSearchPassEntry)
        return ImportList::SearchPass;
    if (entry >= FirstProgramScanEntry)
        return ImportList::ProgramScan;
    return ImportList::Channels;
}

QString DestinationText(const ImportDestination& destination, const DataSet& ds) {
    switch (destination.kind) {
    case ImportDestination::Kind::AsNumbered:
        break;
    case ImportDestination::Kind::Bank:
        return QCoreApplication::translate("ImportDestination",
                                           "into bank %1 from its first channel")
            .arg(destination.bank);
    case ImportDestination::Kind::FromEntry:
        return QCoreApplication::translate("ImportDestination", "from row %1 on")
            .arg(BuildRowLabels(ds.bank).value(destination.entry));
    case ImportDestination::Kind::FreeEntries:
        return QCoreApplication::translate("ImportDestination", "into the free entries");
    }
    return QCoreApplication::translate("ImportDestination", "as numbered in the file");
}

} // namespace mtz4
