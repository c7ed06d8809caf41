#pragma once

// The commands a complete clone write must send, worked out independently of
// the link code: bank and channel numbers from the bank sizes, addresses by
// hand. Header only.

#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/GroupCodec.h"
#include "model/RecordCodec.h"
#include "model/SettingsCodec.h"

#include <QStringList>
#include <memory>

namespace mtz4::test {

// "QZ~F" + five hex digits + "W" + digits.
inline QString addressWrite(int address, const QString& digits) {
    return QStringLiteral("QZ~F%1W").arg(address, 5, 16, QLatin1Char('0')).toUpper() + digits;
}

// The "QZ~BC" writes of the entries, from 1299 down to 0, skipping empty
// records, with each memory channel's bank and channel taken from BankSize
// (the data set as encoded for the write).
inline QStringList entryWrites(const DataSet& ds) {
    QStringList codes;
    for (int b = 0; b < BankCount; ++b)
        for (int c = 0; c < ds.BankSize[b]; ++c)
            codes << QStringLiteral("%1%2").arg(b, 2, 10, QChar('0')).arg(c, 3, 10, QChar('0'));
    for (int list = 50; list <= 52; ++list)
        for (int c = 0; c < 100; ++c)
            codes << QStringLiteral("%1%2").arg(list).arg(c, 3, 10, QChar('0'));
    QStringList writes;
    for (int n = EntryCount - 1; n >= 0; --n) {
        const QString record = EncodeMem(ds, n);
        if (!record.startsWith(QStringLiteral("00000000")))
            writes << QStringLiteral("QZ~BC") + codes[n] + QLatin1Char('W') + record;
    }
    return writes;
}

// The four writes of 64 zero digits at 0180h..01E0h.
inline QStringList clearStep() {
    QStringList writes;
    for (int k = 0; k < 4; ++k)
        writes << addressWrite(0x180 + 0x20 * k, QString(64, QLatin1Char('0')));
    return writes;
}

// Write > "ALL(&A)" of `source` to an "MT-Z4J" receiver not in clone mode
// whose start bank code is `startBank`.
inline QStringList writeAllSequence(const DataSet& source, const QString& startBank) {
    auto ds = std::make_unique<DataSet>(source);
    EncodeSettings(*ds);
    ReadGroupChecks(*ds);
    EncodeGroups(*ds);
    EncodeBanks(*ds);
    const QString probe = QStringLiteral("QZ~F00022R");
    QStringList want{
        probe, probe, probe, QStringLiteral("QZ~MT-Z4J"), QStringLiteral("QZ~F0FD01W00"), probe};
    want << addressWrite(0x00, ds->SetLine1) << addressWrite(0x20, ds->SetLine2);
    for (int b = 0; b < BandCount; ++b)
        want << addressWrite(0x300 + 0x20 * b, EncodeVFO(*ds, b));
    want << probe << probe;
    for (int d = 0; d < 4; ++d)
        want << addressWrite(0x100 + 0x20 * d, ds->BankLines[d]);
    want << QStringLiteral("QZ~IM");
    want << addressWrite(0x80, ds->GroupLine.left(64))
         << addressWrite(0xA0, ds->GroupLine.mid(64, 64))
         << addressWrite(0xC0, ds->GroupLine.mid(128));
    want << entryWrites(*ds) << clearStep();
    want << QStringLiteral("QZ~BC") + startBank + QStringLiteral("000R")
         << QStringLiteral("QZ~FINISH");
    return want;
}

} // namespace mtz4::test
