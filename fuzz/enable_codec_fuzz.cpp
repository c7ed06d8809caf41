// The enable decoder on any six lines: the bits it decodes encode to lines
// that decode to the same bits.
#include "DataSetChecks.h"
#include "FuzzTarget.h"
#include "model/EnableCodec.h"
#include "reference/FactoryData.h"

#include <QRandomGenerator>
#include <memory>

namespace mtz4::fuzz {

// Input: EnableLines 0..5, separated by LF.
QList<QByteArray> seeds() {
    QList<QByteArray> inputs;
    QRandomGenerator rng(19);
    for (int i = 0; i < 4; ++i) {
        auto ds = std::make_unique<DataSet>();
        InitTables(*ds);
        for (int e = 0; e < EntryCount; ++e)
            ds->MemEnable[e] = rng.bounded(2) == 0;
        EncodeEnable(*ds);
        QByteArray input;
        for (int slot = 0; slot < 6; ++slot)
            input += ds->EnableLines[slot].toLatin1() + (slot < 5 ? "\n" : "");
        inputs.append(input);
    }
    return inputs;
}

void fuzzOne(QByteArrayView input) {
    DataSet* const ds = &reusedDataSet();
    InputReader in(input);
    for (auto& line : ds->EnableLines)
        line = QString::fromLatin1(in.until('\n'));
    DecodeEnable(*ds);
    const auto bits = ds->MemEnable;
    EncodeEnable(*ds);
    ds->MemEnable.fill(false);
    DecodeEnable(*ds);
    FUZZ_CHECK(ds->MemEnable == bits);
}

} // namespace mtz4::fuzz
