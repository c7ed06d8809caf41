#include "files/ImportDestination.h"

#include "model/RowLabels.h"
#include "model/TextLanguage.h"

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
        return InLanguage("into bank %1 from its first channel", "バンク %1 の先頭チャンネルから")
            .arg(destination.bank);
    case ImportDestination::Kind::FromEntry:
        return InLanguage("from row %1 on", "行 %1 から")
            .arg(BuildRowLabels(ds.bank).value(destination.entry));
    case ImportDestination::Kind::FreeEntries:
        return InLanguage("into the free entries", "空きエントリーへ");
    }
    return InLanguage("as numbered in the file", "ファイルの番号どおり");
}

} // namespace mtz4
