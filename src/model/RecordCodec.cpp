#include "model/RecordCodec.h"

#include "model/HexBits.h"
#include "model/ModelRules.h"
#include "model/NumericText.h"
#include "model/ReferenceTables.h"

namespace mtz4 {

namespace {

// Record bytes, as offsets into the 32-byte record.
enum : int {
    ByteFreq = 0,
    ByteMode = 4,
    ByteStep = 5,
    ByteShift = 6,
    ByteShiftDir = 10,
    ByteOption = 11,
    ByteTone = 12,
    ByteSecret = 13,
    ByteCarrier = 14,
    ByteSkip = 17,
    ByteName = 26,
};

constexpr int RecordDataStart = 2; // the decoders' text carries two characters before the data
constexpr int LastMode = 2;
constexpr int LastStep = 18;
constexpr int LastTone = 38;
constexpr int LastCarrierCode = CarrierJRCode;

int RecordByte(const QString& text, int k) {
    return HexByteAt(text, RecordDataStart + 2 * k);
}

QStringView RecordDigits(const QString& text, int k, int count) {
    return QStringView(text).mid(RecordDataStart + 2 * k, 2 * count);
}

// The option byte as the selected model may receive it: models without a
// voice scrambler get 00 for "secret", models without train get 00 for "train".
int OptionByte(double code, int model) {
    const int byte = int(RoundHalfEven(code) & 0xFF);
    return ModelOffersOption(model, byte) ? byte : 0;
}

// A frequency field: whole hertz, halves to even; anything outside 32 bits
// keeps its low 32 bits, so a negative value is written in two's complement.
void AppendFrequencyHex(QString& line, double mhz) {
    const quint32 hz = quint32(RoundHalfEven(mhz * 1000000.0));
    for (int k = 0; k < 4; ++k)
        AppendHexByte(line, hz >> (8 * k)); // least significant byte first
}

// The fields a memory entry and a band VFO have in common, bytes 0..14.
template <std::size_t N> QString EncodeCommonFields(const std::array<double, N>& row, int model) {
    QString line;
    line.reserve(64);
    AppendFrequencyHex(line, row[Col::Freq]);
    AppendHexByte(line, RoundHalfEven(row[Col::Mode]));
    AppendHexByte(line, RoundHalfEven(row[Col::Step]));
    AppendFrequencyHex(line, row[Col::Shift]);
    AppendHexByte(line, RoundHalfEven(row[Col::ShiftDir]));
    AppendHexByte(line, OptionByte(row[Col::Option], model));
    AppendHexByte(line, RoundHalfEven(row[Col::Tone]));
    AppendHexByte(line, RoundHalfEven(row[Col::Secret]));
    AppendHexByte(line, RoundHalfEven(row[Col::Carrier]));
    return line;
}

// What the frequency field said about a record: FFFFFFFF (the row is left
// as it is), 0 (the row's first clearColumns columns are emptied, note
// included) or a frequency (bytes 0..14 decoded into the row).
enum class RecordState { Unused, Cleared, Decoded };

template <std::size_t N>
RecordState DecodeCommonFields(const QString& text, std::array<double, N>& data,
                               std::array<QString, N>& texts, int clearColumns) {
    if (RecordDigits(text, ByteFreq, 4).compare(QLatin1String("FFFFFFFF"), Qt::CaseInsensitive) ==
        0)
        return RecordState::Unused;

    const double freq = HexToFrequency(RecordDigits(text, ByteFreq, 4));
    if (freq == 0.0) {
        for (int c = 0; c < clearColumns; ++c) {
            data[c] = 0.0;
            texts[c].clear();
        }
        return RecordState::Cleared;
    }

    auto clamped = [&](int k, int last, int repair) {
        const int value = RecordByte(text, k);
        return value > last ? repair : value;
    };

    data[Col::Freq] = freq;
    texts[Col::Freq] = FormatMHz(freq);

    const int mode = clamped(ByteMode, LastMode, 0);
    data[Col::Mode] = mode;
    texts[Col::Mode] = ModeText(mode);

    const int step = clamped(ByteStep, LastStep, 0);
    data[Col::Step] = step;
    texts[Col::Step] = StepText(step);

    const int option = RecordByte(text, ByteOption);
    data[Col::Option] = option;
    texts[Col::Option] = OptionText(option);

    const int secret = clamped(ByteSecret, LastSecretCode, SecretRepairCode);
    data[Col::Secret] = secret;
    texts[Col::Secret] = QString::number(secret);

    const int carrier = clamped(ByteCarrier, LastCarrierCode, 0);
    data[Col::Carrier] = carrier;
    texts[Col::Carrier] = CarrierText(carrier);

    const int tone = clamped(ByteTone, LastTone, 0);
    data[Col::Tone] = tone;
    texts[Col::Tone] = ToneText(tone);

    const int shiftDir = RecordByte(text, ByteShiftDir);
    data[Col::ShiftDir] = shiftDir;
    texts[Col::ShiftDir] = ShiftDirText(shiftDir);

    const double shift = HexToFrequency(RecordDigits(text, ByteShift, 4));
    data[Col::Shift] = shift;
    texts[Col::Shift] = FormatMHz(shift);
    return RecordState::Decoded;
}

} // namespace

QString FrequencyToHex(double mhz) {
    QString digits;
    digits.reserve(8);
    AppendFrequencyHex(digits, mhz);
    return digits;
}

double HexToFrequency(QStringView digits) {
    quint32 raw = 0;
    for (int k = 0; k < 4; ++k)
        raw |= quint32(HexByteAt(digits, 2 * k)) << (8 * k);
    // FFFFFFFF is erased memory: no frequency (an unset shift reads as 0).
    if (raw == 0xFFFFFFFFu)
        return 0.0;
    // The hertz value, unsigned as the record holds it, in MHz. Both numbers
    // are exact doubles, so the quotient is the double nearest to the exact
    // value: the one its six-decimal text reads back as.
    return double(raw) / 1e6;
}

QString EncodeName(const QString& name) {
    QString digits;
    digits.reserve(12);
    const qsizetype used = qMin<qsizetype>(name.size(), 6);
    for (qsizetype i = 0; i < used; ++i) {
        const char16_t code = name[i].unicode();
        AppendHexByte(digits, code >= 32 && code <= 126 ? code : ' ');
    }
    for (qsizetype i = used; i < 6; ++i)
        digits += QLatin1String("00");
    return digits;
}

QString DecodeName(QStringView digits) {
    QString name;
    name.reserve(6);
    for (int k = 0; k < 6; ++k) {
        const int code = HexByteAt(digits, 2 * k);
        name += code >= 32 && code <= 126 ? QChar(code) : QLatin1Char(' ');
    }
    return name;
}

QString ModeText(int code) {
    switch (code) {
    case 0:
        return QStringLiteral("FM");
    case 1:
        return QStringLiteral("AM");
    case 2:
        return QStringLiteral("WFM");
    default:
        return QString();
    }
}

QString StepText(int code) {
    const auto& list = Ref().StepList;
    return code >= 0 && code < int(list.size()) ? list[code] : QString();
}

QString OptionText(int code) {
    const auto& list = Ref().OptionList;
    return code >= 0 && code < int(list.size()) ? list[code] : QStringLiteral("None");
}

QString CarrierText(int code) {
    if (code == CarrierJRCode)
        return QStringLiteral("JR");
    return QString::number((code + 3) * 100) + QLatin1String("Hz");
}

QString ToneText(int code) {
    const auto& list = Ref().ToneList;
    return code >= 0 && code < int(list.size()) ? list[code] : QString();
}

QString ShiftDirText(int code) {
    switch (code) {
    case 1:
        return QStringLiteral("Shift+");
    case 2:
        return QStringLiteral("Shift-");
    default:
        return QStringLiteral("OFF");
    }
}

bool DecodeMem(DataSet& ds, const QString& text, int entry) {
    if (entry < 0 || entry >= EntryCount)
        return false;
    auto& data = ds.MemData[entry];
    auto& texts = ds.MemText[entry];
    if (DecodeCommonFields(text, data, texts, MemColumns) != RecordState::Decoded)
        return false;

    texts[Col::Name] = DecodeName(RecordDigits(text, ByteName, 6));
    const int skip = RecordByte(text, ByteSkip);
    data[Col::Skip] = skip > 1 ? 0 : skip;
    return true;
}

bool DecodeVFO(DataSet& ds, const QString& text, int band) {
    if (band < 0 || band >= BandCount)
        return false;
    return DecodeCommonFields(text, ds.VfoData[band], ds.VfoText[band], VfoColumns) ==
           RecordState::Decoded;
}

QString EncodeMem(const DataSet& ds, int entry) {
    if (entry < 0 || entry >= EntryCount)
        return QString();
    const auto& data = ds.MemData[entry];
    QString line = EncodeCommonFields(data, ds.ModelIndex);
    line += QLatin1String("0000");
    AppendHexByte(line, RoundHalfEven(data[Col::Skip]));
    line += QLatin1String("0000000000000000");
    line += EncodeName(ds.MemText[entry][Col::Name]);
    return line;
}

QString EncodeVFO(const DataSet& ds, int band) {
    if (band < 0 || band >= BandCount)
        return QString();
    return EncodeCommonFields(ds.VfoData[band], ds.ModelIndex);
}

} // namespace mtz4
