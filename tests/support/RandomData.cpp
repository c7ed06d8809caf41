#include "support/RandomData.h"

#include "model/BankCodec.h"
#include "model/ModelRules.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "reference/FactoryData.h"

#include <cmath>

namespace mtz4::test {

namespace {

QString hexByte(int v) {
    return QStringLiteral("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

QString hexLE32(quint32 v) {
    QString s;
    for (int i = 0; i < 4; ++i)
        s += hexByte(int((v >> (8 * i)) & 0xFF));
    return s;
}

int randomOption(QRandomGenerator& rng, int model) {
    static const int z4j[] = {0, 1, 2, 3};
    static const int z40e[] = {0, 2, 3, 4};
    static const int other[] = {0, 2, 3};
    if (model == 0)
        return z4j[rng.bounded(4)];
    if (model == 1)
        return z40e[rng.bounded(4)];
    return other[rng.bounded(3)];
}

// A frequency in whole hertz from `low` to `high` MHz that the model keeps
// (the MT-Z40T refuses its cellular ranges).
quint32 randomHz(QRandomGenerator& rng, int model, double low, double high) {
    const auto lowHz = quint32(std::llround(low * 1e6));
    const auto span = quint32(std::llround(high * 1e6)) - lowHz + 1;
    for (;;) {
        const quint32 hz = lowHz + rng.bounded(span);
        if (model != Model::MTZ40T || CellularAllowed(hz / 1e6))
            return hz;
    }
}

// Bytes 0..14 of a record.
QString recordHead(QRandomGenerator& rng, int model, double low = 0.1, double high = 1299.995) {
    const quint32 hz = randomHz(rng, model, low, high);
    const quint32 shiftHz = rng.bounded(100000000u);
    return hexLE32(hz) + hexByte(rng.bounded(3)) + hexByte(rng.bounded(18)) + hexLE32(shiftHz) +
           hexByte(rng.bounded(3)) + hexByte(randomOption(rng, model)) + hexByte(rng.bounded(39)) +
           hexByte(rng.bounded(29)) + hexByte(rng.bounded(29));
}

} // namespace

QString RandomMemRecord(QRandomGenerator& rng, int model) {
    QString name;
    const int len = rng.bounded(7);
    for (int i = 0; i < 6; ++i)
        name += hexByte(i < len ? 32 + rng.bounded(95) : 0);
    return recordHead(rng, model) + QStringLiteral("0000") + hexByte(rng.bounded(2)) +
           QStringLiteral("0000000000000000") + name;
}

QString RandomVfoRecord(QRandomGenerator& rng, int model, int band) {
    const auto& limit = Ref().BandLimit[model][band];
    return recordHead(rng, model, limit[0], limit[1]);
}

QString RandomNote(QRandomGenerator& rng) {
    static const QString specials = QStringLiteral(",\"' ;");
    QString note;
    const int len = rng.bounded(31);
    for (int i = 0; i < len; ++i) {
        switch (rng.bounded(4)) {
        case 0:
            note += specials[rng.bounded(specials.size())];
            break;
        case 1:
            note += QChar(0xA0 + rng.bounded(0x60)); // ISO-8859-1 upper half
            break;
        default:
            note += QChar(32 + rng.bounded(95));
        }
    }
    return note;
}

std::array<int, BankCount> RandomBankSizes(QRandomGenerator& rng) {
    std::array<int, BankCount> sizes{};
    int left = ChannelCount;
    for (int b = 0; b < BankCount - 1 && left > 0; ++b) {
        sizes[b] = rng.bounded(3) == 0 ? 0 : int(rng.bounded(left / 4 + 2)) % (left + 1);
        left -= sizes[b];
    }
    sizes[BankCount - 1] += left;
    return sizes;
}

void FillRandomDataSet(DataSet& ds, QRandomGenerator& rng, int model) {
    MakeFactoryDataSet(ds, model);
    for (int e = 0; e < EntryCount; ++e) {
        if (rng.bounded(2) == 0)
            continue;
        DecodeMem(ds, QStringLiteral("\r\n") + RandomMemRecord(rng, model), e);
        ds.MemText[e][Col::Note] = RandomNote(rng);
        ds.MemEnable[e] = true;
    }
    // Bands the model lacks keep their factory records.
    for (int b = 0; b < BandCount; ++b) {
        if (!ModelHasBand(model, b))
            continue;
        DecodeVFO(ds, QStringLiteral("\r\n") + RandomVfoRecord(rng, model, b), b);
        ds.VfoText[b][Col::Note] = RandomNote(rng);
    }
    const std::array<int, BankCount> sizes = RandomBankSizes(rng);
    for (int b = 0; b < BankCount; ++b)
        ds.bank.txtBank[b] = QString::number(sizes[b]);
    ReadBankTexts(ds);
    for (int b = 0; b < BankCount; ++b)
        ds.BankText[b] = ds.bank.txtBank[b];
    for (int i = BankCount; i < GroupBoxCount; ++i)
        ds.bank.chkGrp[i] = rng.bounded(2);
}

} // namespace mtz4::test
