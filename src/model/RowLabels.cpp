#include "model/RowLabels.h"

#include "model/BankCodec.h"
#include "model/Limits.h"

namespace mtz4 {

namespace {

// "BB-CCC": bank 0..99 and channel 0..999, zero-filled. Put together by hand:
// a thousand of them are made on every refresh of the memory page.
QString bankChannelLabel(int bank, int channel) {
    const char text[] = {
        char('0' + bank / 10),     char('0' + bank % 10),         '-',
        char('0' + channel / 100), char('0' + channel / 10 % 10), char('0' + channel % 10)};
    return QString::fromLatin1(text, sizeof text);
}

} // namespace

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
        labels.append(bankChannelLabel(b, channel));
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
