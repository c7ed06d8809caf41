#pragma once

// The data sets the benchmarks work on, shared by their programs.

#include "model/DataSet.h"
#include "model/HexBits.h"
#include "model/Limits.h"
#include "model/RecordCodec.h"
#include "reference/FactoryData.h"

#include <QString>
#include <memory>

namespace mtz4::bench {

// A 32-byte record as 64 hex digits, different for every entry: its own
// frequency, mode, step, tone, skip flag and name.
inline QString benchRecord(int entry) {
    const quint32 hertz = 118000000u + 25000u * static_cast<quint32>(entry);
    QString record;
    for (int k = 0; k < 4; ++k)
        record += HexByte((hertz >> (8 * k)) & 0xFF);
    record += HexByte(entry % 3);         // mode
    record += HexByte(entry % 19);        // step
    record += QStringLiteral("00000000"); // shift frequency
    record += QStringLiteral("00");       // shift direction
    record += QStringLiteral("00");       // option
    record += HexByte(entry % 39);        // tone
    record += QStringLiteral("00000000"); // secret, carrier, two unused bytes
    record += HexByte(entry % 2);         // skip
    record += QString(16, QLatin1Char('0'));
    const QString name = QStringLiteral("CH%1").arg(entry, 4, 10, QLatin1Char('0'));
    return record + EncodeName(name);
}

// The factory data of the MT-Z4J (banks 0..9 of 100 channels) with entries
// in use: all 1300 when `used` is EntryCount, otherwise `used` entries spread
// evenly over the entries with an enable bit in the receiver (0..1279: the
// banks, Program Scan, Search Pass and the first 80 Priority entries).
inline std::unique_ptr<DataSet> benchDataSet(int used = EntryCount) {
    constexpr int WithEnableBits = 1280;
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    const auto use = [&](int n) {
        DecodeMem(*ds, QStringLiteral("\r\n") + benchRecord(n), n);
        ds->MemEnable[n] = true;
    };
    if (used >= EntryCount) {
        for (int n = 0; n < EntryCount; ++n)
            use(n);
    } else {
        for (int k = 0; k < used; ++k)
            use(k * WithEnableBits / used);
    }
    return ds;
}

} // namespace mtz4::bench
