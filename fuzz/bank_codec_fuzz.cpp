// The bank decoder on any four lines: what it decodes is written as sizes of
// at least 0 adding up to at most 1000, which decode to the same sizes again.
#include "DataSetChecks.h"
#include "FuzzTarget.h"
#include "model/BankCodec.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"

#include <QRandomGenerator>
#include <memory>

namespace mtz4::fuzz {

// Input: BankLines 0..3, separated by LF.
QList<QByteArray> seeds() {
    QList<QByteArray> inputs;
    QRandomGenerator rng(13);
    for (int i = 0; i < 4; ++i) {
        auto ds = std::make_unique<DataSet>();
        MakeFactoryDataSet(*ds, 0);
        const auto sizes = test::RandomBankSizes(rng);
        for (int b = 0; b < BankCount; ++b)
            ds->BankText[b] = QString::number(sizes[b]);
        EncodeBanks(*ds);
        QByteArray input;
        for (int slot = 0; slot < 4; ++slot)
            input += ds->BankLines[slot].toLatin1() + (slot < 3 ? "\n" : "");
        inputs.append(input);
    }
    return inputs;
}

void fuzzOne(QByteArrayView input) {
    DataSet* const ds = &reusedDataSet();
    InputReader in(input);
    for (int slot = 0; slot < 4; ++slot)
        ds->BankLines[slot] = QString::fromLatin1(in.until('\n'));
    DecodeBanks(*ds);
    ShowBanks(*ds);
    EncodeBanks(*ds);
    int total = 0;
    for (int b = 0; b < BankCount; ++b) {
        FUZZ_CHECK(ds->BankSize[b] >= 0);
        total += ds->BankSize[b];
    }
    FUZZ_CHECK(total <= ChannelCount);
    const auto sizes = ds->BankSize;
    const auto lines = ds->BankLines;
    DecodeBanks(*ds);
    for (int b = 0; b < BankCount; ++b)
        FUZZ_CHECK(ds->BankSize[b] == sizes[b]);
    ShowBanks(*ds);
    EncodeBanks(*ds);
    FUZZ_CHECK(ds->BankLines == lines);
}

} // namespace mtz4::fuzz
