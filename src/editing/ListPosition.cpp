#include "editing/ListPosition.h"

#include "model/Limits.h"

#include <QCoreApplication>

namespace mtz4 {

ListPosition MemoryListPosition(int row, const QString& rowLabel) {
    if (row <= ChannelCount)
        return {QCoreApplication::translate("ListPosition", "Bank %1").arg(rowLabel.left(2)),
                QCoreApplication::translate("ListPosition", "%1Ch").arg(rowLabel.right(3))};
    if (row <= FirstSearchPassEntry) {
        const int k = row - (FirstProgramScanEntry + 1);
        const QString edge = row % 2 == 1 ? QStringLiteral(" - A") : QStringLiteral(" - B");
        return {QCoreApplication::translate("ListPosition", "Program Scan"),
                QString::number(k / 2) + edge};
    }
    if (row <= FirstPriorityEntry)
        return {QCoreApplication::translate("ListPosition", "Search Pass"),
                QCoreApplication::translate("ListPosition", "%1Ch")
                    .arg(row - (FirstSearchPassEntry + 1))};
    return {
        QCoreApplication::translate("ListPosition", "Priority"),
        QCoreApplication::translate("ListPosition", "%1Ch").arg(row - (FirstPriorityEntry + 1))};
}

} // namespace mtz4
