#include "editing/ListPosition.h"

#include "model/Limits.h"

namespace mtz4 {

ListPosition MemoryListPosition(int row, const QString& rowLabel) {
    const QString ch = QStringLiteral("Ch");
    if (row <= ChannelCount)
        return {QStringLiteral("Bank ") + rowLabel.left(2), rowLabel.right(3) + ch};
    if (row <= FirstSearchPassEntry) {
        const int k = row - (FirstProgramScanEntry + 1);
        const QString edge = row % 2 == 1 ? QStringLiteral(" - A") : QStringLiteral(" - B");
        return {QStringLiteral("Program Scan"), QString::number(k / 2) + edge};
    }
    if (row <= FirstPriorityEntry)
        return {QStringLiteral("Search Pass"),
                QString::number(row - (FirstSearchPassEntry + 1)) + ch};
    return {QStringLiteral("Priority"), QString::number(row - (FirstPriorityEntry + 1)) + ch};
}

} // namespace mtz4
