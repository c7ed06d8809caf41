#include "model/RowLabels.h"

#include "model/BankCodec.h"
#include "model/Limits.h"

namespace mtz4 {

QStringList BuildRowLabels(const BankControls& bank) {
    QStringList labels;
    labels.reserve(EntryCount);

    // Memory channels: bank after bank as the size boxes give them, empty
    // banks skipped, channel numbers restarting at 000 in every bank.
    std::array<int, BankCount> sizes{};
    for (int i = 0; i < BankCount; ++i)
        sizes[i] = SizeBoxValue(bank.txtBank[i]);

    int b = 0;
    int channel = 0;
    for (int row = 0; row < ChannelCount; ++row) {
        while (b < BankCount && channel >= sizes[b]) {
            ++b;
            channel = 0;
        }
        if (b >= BankCount) {
            labels.append(QString()); // beyond the last bank
            continue;
        }
        labels.append(QStringLiteral("%1-%2")
                          .arg(b, 2, 10, QLatin1Char('0'))
                          .arg(channel, 3, 10, QLatin1Char('0')));
        ++channel;
    }

    for (int k = 0; k < FirstSearchPassEntry - FirstProgramScanEntry; ++k)
        labels.append(QString::number(k / 2) + (k % 2 == 0 ? QLatin1Char('A') : QLatin1Char('B')));
    for (int k = 0; k < FirstPriorityEntry - FirstSearchPassEntry; ++k)
        labels.append(QStringLiteral("S%1").arg(k));
    for (int k = 0; k < EntryCount - FirstPriorityEntry; ++k)
        labels.append(QStringLiteral("Pr%1").arg(k));
    return labels;
}

} // namespace mtz4
