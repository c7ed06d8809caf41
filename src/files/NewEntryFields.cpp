#include "files/NewEntryFields.h"

#include "files/ChirpRecord.h"
#include "files/CsvRecord.h"
#include "files/CsvWords.h"
#include "model/EntryCodes.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "reference/BandDefaults.h"

namespace mtz4 {

namespace {

constexpr int SkipField = CsvRecordTexts;
constexpr int EnableField = CsvRecordTexts + 1;

// A truth value as ParseCsvRecord reads it: #TRUE# or #FALSE#; `empty` for
// an empty cell, the word itself for one that is no truth value.
QString flag(const QString& cell, const QLatin1String& empty) {
    if (cell.trimmed().isEmpty())
        return empty;
    const std::optional<bool> value = CsvTruthValue(cell);
    if (!value)
        return cell;
    return *value ? CsvWord::TrueFlag : CsvWord::FalseFlag;
}

QString shiftWord(const QString& cell) {
    const QString word = cell.trimmed();
    if (word == QLatin1String("+"))
        return QStringLiteral("SHIFT+");
    if (word == QLatin1String("-"))
        return QStringLiteral("SHIFT-");
    return word;
}

} // namespace

QString StepTextOfSize(const QString& cell) {
    QString size = cell.trimmed();
    if (size.endsWith(QLatin1String("khz"), Qt::CaseInsensitive))
        size.chop(3);
    const std::optional<double> kHz = ParseNumber(size);
    const int code = kHz ? StepOfKilohertz(*kHz) : -1;
    return code >= 0 ? StepText(code) : cell;
}

QStringList WithNewEntryDefaults(QStringList f, int model) {
    const BandDefault band = BandDefaultOf(model, ParseNumber(f[Col::Freq]).value_or(0.0));
    const auto orDefault = [&f](int field, const QString& value) {
        if (f[field].trimmed().isEmpty())
            f[field] = value;
    };
    orDefault(Col::Mode, ModeText(band.mode));
    orDefault(Col::Step, StepText(band.step));
    f[Col::Step] = StepTextOfSize(f[Col::Step]);
    orDefault(Col::Secret, QString::number(SecretRepairCode));
    orDefault(Col::Carrier, CarrierText(CarrierJRCode));
    orDefault(Col::Tone, QStringLiteral("88.5Hz"));
    f[Col::ShiftDir] = shiftWord(f[Col::ShiftDir]);
    orDefault(Col::Shift, QStringLiteral("0.600000"));
    f[SkipField] = flag(f[SkipField], CsvWord::FalseFlag);
    f[EnableField] = flag(f[EnableField], CsvWord::TrueFlag);
    return f;
}

} // namespace mtz4
