// Writes the clone file the clone benchmark transfers: all 1300 memory
// entries used (enabled, each with its own frequency, mode, step and name),
// factory settings and bands, banks 0..9 of 100 channels.
//
// Usage: make_bench_file OUT.MZ4
#include "files/CloneFile.h"
#include "model/DataSet.h"
#include "model/HexBits.h"
#include "model/Limits.h"
#include "model/RecordCodec.h"
#include "reference/FactoryData.h"

#include <cstdio>
#include <memory>

using namespace mtz4;

namespace {

// A 32-byte record as 64 hex digits.
QString benchRecord(int entry) {
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

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bench_file OUT.MZ4\n");
        return 2;
    }
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    for (int n = 0; n < EntryCount; ++n) {
        DecodeMem(*ds, QStringLiteral("\r\n") + benchRecord(n), n);
        ds->MemEnable[n] = true;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (SaveCloneFile(*ds, path) != CloneFileStatus::Ok) {
        std::fprintf(stderr, "make_bench_file: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
