// The record decoders on any text: frequencies and offsets stay within what
// a record holds, every field within its list, and a decoded record encodes
// to a line that decodes to the same row again.
#include "DataSetChecks.h"
#include "FuzzTarget.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"

#include <QRandomGenerator>
#include <memory>

namespace mtz4::fuzz {

namespace {

// The rows but for the option, which the encoder may write as 00 for the model.
template <std::size_t N>
bool sameButOption(const std::array<double, N>& a, const std::array<double, N>& b) {
    for (std::size_t c = 0; c < N; ++c)
        if (c != std::size_t(Col::Option) && a[c] != b[c])
            return false;
    return true;
}

} // namespace

// Input: the model (1 byte), then the record text as the decoders take it.
QList<QByteArray> seeds() {
    QList<QByteArray> lines;
    QRandomGenerator rng(7);
    for (int model = 0; model < ModelCount; ++model) {
        for (int i = 0; i < 4; ++i) {
            lines.append(char(model) + QByteArray("\r\n") +
                         test::RandomMemRecord(rng, model).toLatin1());
            lines.append(char(model) + QByteArray("\r\n") +
                         test::RandomVfoRecord(rng, model, 2 + i).toLatin1());
        }
    }
    lines.append(QByteArray(1, '\0') + "\r\n" + QByteArray(64, 'F'));
    return lines;
}

void fuzzOne(QByteArrayView input) {
    static const std::unique_ptr<DataSet> ds = [] {
        auto made = std::make_unique<DataSet>();
        MakeFactoryDataSet(*made, Model::MTZ4J);
        return made;
    }();
    InputReader in(input);
    ds->ModelIndex = in.below(ModelCount);
    const QString text = QString::fromLatin1(in.rest());

    if (DecodeMem(*ds, text, 0)) {
        const auto& row = ds->MemData[0];
        checkFrequencies(*ds);
        FUZZ_CHECK(ds->MemText[0][Col::Freq] == FormatMHz(row[Col::Freq]));
        FUZZ_CHECK(row[Col::Mode] <= 2 && row[Col::Step] <= 18 && row[Col::Tone] <= 38);
        FUZZ_CHECK(row[Col::Secret] <= 28 && row[Col::Carrier] <= 28 && row[Col::Skip] <= 1);
        FUZZ_CHECK(ds->MemText[0][Col::Name].size() == 6);
        const QString line = EncodeMem(*ds, 0);
        FUZZ_CHECK(line.size() == 64);
        const auto before = row;
        FUZZ_CHECK(DecodeMem(*ds, QStringLiteral("\r\n") + line, 1));
        FUZZ_CHECK(sameButOption(before, ds->MemData[1]));
    }
    if (DecodeVFO(*ds, text, 0)) {
        checkFrequencies(*ds);
        const QString line = EncodeVFO(*ds, 0);
        FUZZ_CHECK(line.size() == 30);
        const auto before = ds->VfoData[0];
        FUZZ_CHECK(DecodeVFO(*ds, QStringLiteral("\r\n") + line, 1));
        FUZZ_CHECK(sameButOption(before, ds->VfoData[1]));
    }
}

} // namespace mtz4::fuzz
