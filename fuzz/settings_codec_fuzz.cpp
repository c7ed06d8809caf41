// The settings decoder on any two lines: what it decodes encodes to lines of
// hex digits of the usual widths, which decode to the same settings again.
#include "FuzzTarget.h"
#include "model/SettingsCodec.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"

#include <QRandomGenerator>
#include <array>
#include <memory>

namespace mtz4::fuzz {

namespace {

bool isUpperHex(const QString& line) {
    for (const QChar c : line)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return false;
    return true;
}

} // namespace

// Input: the model (1 byte), SetLine1, LF, SetLine2.
QList<QByteArray> seeds() {
    QList<QByteArray> inputs;
    QRandomGenerator rng(11);
    for (int model = 0; model < ModelCount; ++model) {
        auto ds = std::make_unique<DataSet>();
        test::FillRandomDataSet(*ds, rng, model);
        EncodeSettings(*ds);
        inputs.append(char(model) + ds->SetLine1.toLatin1() + '\n' + ds->SetLine2.toLatin1());
    }
    return inputs;
}

void fuzzOne(QByteArrayView input) {
    // The factory data set of each model, made once; each input starts from
    // the settings of one of them.
    static const std::unique_ptr<std::array<DataSet, ModelCount>> factory = [] {
        auto made = std::make_unique<std::array<DataSet, ModelCount>>();
        for (int model = 0; model < ModelCount; ++model)
            MakeFactoryDataSet((*made)[model], model);
        return made;
    }();
    static const std::unique_ptr<DataSet> ds = std::make_unique<DataSet>();
    InputReader in(input);
    const DataSet& start = (*factory)[in.below(ModelCount)];
    ds->settings = start.settings;
    ds->SetLine1 = QString::fromLatin1(in.until('\n'));
    ds->SetLine2 = QString::fromLatin1(in.rest());
    DecodeSettings(*ds);
    EncodeSettings(*ds);
    FUZZ_CHECK(ds->SetLine1.size() == 64 && isUpperHex(ds->SetLine1));
    FUZZ_CHECK(ds->SetLine2.size() == 46 && isUpperHex(ds->SetLine2));
    const SettingsRecord once = ds->settings;
    const QString line1 = ds->SetLine1, line2 = ds->SetLine2;
    DecodeSettings(*ds);
    FUZZ_CHECK(ds->settings == once);
    EncodeSettings(*ds);
    FUZZ_CHECK(ds->SetLine1 == line1 && ds->SetLine2 == line2);
}

} // namespace mtz4::fuzz
