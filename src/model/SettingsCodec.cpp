#include "model/SettingsCodec.h"

#include "model/HexBits.h"

#include <vector>

namespace mtz4 {

namespace {

using Field = int& (*)(SettingsRecord&);

#define FIELD(name) [](SettingsRecord& s) -> int& { return s.name; }

enum class Kind {
    Marker,        // the block marker A5h; not decoded
    Fixed,         // a constant byte; not decoded
    Check,         // byte = check value
    CheckInverted, // byte = 1 - check value (00 means checked)
    Option,        // byte = selected button; out of range is repaired
    List,          // byte = list index + offset
    Slider,        // byte = slider position
    Copy,          // byte = the field's value again; not decoded
    OperatingMode, // 00 for "VFO", 01 for "Preset", else 02; not decoded
};

struct ByteRule {
    int byte;
    Kind kind;
    Field field = nullptr;
    int arg = 0;    // Fixed: the value; Option: the last index; List: the offset
    int repair = 0; // Option: the button selected for an out-of-range byte
};

const std::vector<ByteRule>& Line1Rules() {
    static const std::vector<ByteRule> rules = {
        {0, Kind::Marker},
        {1, Kind::Check, FIELD(chkATT)},
        {2, Kind::Option, FIELD(optAntenna), 1, 0},
        {3, Kind::CheckInverted, FIELD(chkBarAM)},
        {4, Kind::CheckInverted, FIELD(chkBarSW)},
        {5, Kind::Option, FIELD(optLamp), 3, 1},
        {6, Kind::List, FIELD(cbbScan), 0},
        {7, Kind::Fixed, nullptr, 0x00},
        {8, Kind::List, FIELD(cbbTimePr), 0},
        {9, Kind::Option, FIELD(optBand), 1, 0},
        {10, Kind::Option, FIELD(opbAPO), 3, 0},
        {11, Kind::Check, FIELD(chkBS)},
        {12, Kind::CheckInverted, FIELD(chkBeep)},
        {13, Kind::Check, FIELD(chkBell)},
        {14, Kind::Option, FIELD(opbKeyFunc), 1, 0},
        {15, Kind::Option, FIELD(opbMONI), 1, 0},
        {16, Kind::Option, FIELD(optLockBug), 1, 0},
        {17, Kind::Option, FIELD(opbBug), 4, 0},
        {18, Kind::Option, FIELD(optBugType), 1, 0},
        {19, Kind::Check, FIELD(chkCharge)},
        {20, Kind::List, FIELD(cbbChargeTime), 1},
        {21, Kind::List, FIELD(cbbSetMode), 4},
        {22, Kind::Option, FIELD(optSkip), 1, 0},
        {23, Kind::List, FIELD(cbbWildKey), 1},
        {24, Kind::List, FIELD(cbbRemocon[0]), 0},
        {25, Kind::List, FIELD(cbbRemocon[1]), 0},
        {26, Kind::List, FIELD(cbbRemocon[2]), 0},
        {27, Kind::List, FIELD(cbbRemocon[3]), 0},
        {28, Kind::Fixed, nullptr, 0x00},
        {29, Kind::Slider, FIELD(Slider1)},
        {30, Kind::Copy, FIELD(Slider1)},
        {31, Kind::Slider, FIELD(Slider2)},
    };
    return rules;
}

// The receiver's second block: bytes 0..22 are written, 23..31 left alone.
const std::vector<ByteRule>& Line2Rules() {
    static const std::vector<ByteRule> rules = {
        {0, Kind::OperatingMode, FIELD(opbOpMode)},
        {1, Kind::Fixed, nullptr, 0x06},
        {2, Kind::Fixed, nullptr, 0x00},
        {3, Kind::Option, FIELD(optRecRate), 3, 1},
        {4, Kind::Option, FIELD(optVscanSpeed), 4, 2},
        {5, Kind::Option, FIELD(optMscanSpeed), 4, 2},
        {6, Kind::Fixed, nullptr, 0x00},
        {7, Kind::Fixed, nullptr, 0x01},
        {8, Kind::Option, FIELD(opbKeyLock), 2, 0},
        {9, Kind::Fixed, nullptr, 0x00},
        {10, Kind::Fixed, nullptr, 0x00},
        {11, Kind::Fixed, nullptr, 0x00},
        {12, Kind::Fixed, nullptr, 0x00},
        {13, Kind::CheckInverted, FIELD(chkAutoWave)},
        {14, Kind::CheckInverted, FIELD(chkAutoStep)},
        {15, Kind::Option, FIELD(optAfTone), 1, 0},
        {16, Kind::Copy, FIELD(Slider1)},
        {17, Kind::Fixed, nullptr, 0x00},
        {18, Kind::Fixed, nullptr, 0x00},
        {19, Kind::Option, FIELD(opbOpMode), 2, 0},
        {20, Kind::Fixed, nullptr, 0x00},
        {21, Kind::Fixed, nullptr, 0x00},
        {22, Kind::List, FIELD(cbbTimeSp), 0},
    };
    return rules;
}

#undef FIELD

// The controls whose change marks the data as changed.
const std::vector<Field>& ChangeMarkingFields() {
    static const std::vector<Field> fields = {
        [](SettingsRecord& s) -> int& { return s.chkATT; },
        [](SettingsRecord& s) -> int& { return s.chkAutoStep; },
        [](SettingsRecord& s) -> int& { return s.chkBarAM; },
        [](SettingsRecord& s) -> int& { return s.chkBarSW; },
        [](SettingsRecord& s) -> int& { return s.chkBeep; },
        [](SettingsRecord& s) -> int& { return s.chkBell; },
        [](SettingsRecord& s) -> int& { return s.chkBS; },
        [](SettingsRecord& s) -> int& { return s.optLamp; },
        [](SettingsRecord& s) -> int& { return s.opbAPO; },
        [](SettingsRecord& s) -> int& { return s.opbBug; },
        [](SettingsRecord& s) -> int& { return s.opbKeyFunc; },
        [](SettingsRecord& s) -> int& { return s.opbMONI; },
        [](SettingsRecord& s) -> int& { return s.opbOpMode; },
        [](SettingsRecord& s) -> int& { return s.Slider1; },
        [](SettingsRecord& s) -> int& { return s.Slider2; },
    };
    return fields;
}

// Decodes one line into the record; repairs out-of-range option bytes in it.
void DecodeLine(QString& line, const std::vector<ByteRule>& rules, SettingsRecord& s) {
    for (const ByteRule& rule : rules) {
        const int byte = HexByteAt(line, 2 * rule.byte);
        switch (rule.kind) {
        case Kind::Check:
        case Kind::Slider:
            rule.field(s) = byte;
            break;
        case Kind::CheckInverted:
            rule.field(s) = 1 - byte;
            break;
        case Kind::List:
            rule.field(s) = byte - rule.arg;
            break;
        case Kind::Option:
            if (byte > rule.arg) {
                rule.field(s) = rule.repair;
                line = PutByte(line, HexByte(rule.repair), rule.byte);
            } else {
                rule.field(s) = byte;
            }
            break;
        case Kind::Marker:
        case Kind::Fixed:
        case Kind::Copy:
        case Kind::OperatingMode:
            break;
        }
    }
}

QString EncodeLine(const std::vector<ByteRule>& rules, SettingsRecord& s) {
    QString line;
    line.reserve(2 * int(rules.size()));
    for (const ByteRule& rule : rules) {
        int byte = 0;
        switch (rule.kind) {
        case Kind::Marker:
            byte = 0xA5;
            break;
        case Kind::Fixed:
            byte = rule.arg;
            break;
        case Kind::Check:
        case Kind::Option:
        case Kind::Slider:
        case Kind::Copy:
            byte = rule.field(s);
            break;
        case Kind::CheckInverted:
            byte = 1 - rule.field(s);
            break;
        case Kind::List:
            byte = rule.field(s) + rule.arg;
            break;
        case Kind::OperatingMode: {
            const int mode = rule.field(s);
            byte = mode == 0 ? 0 : mode == 1 ? 1 : 2;
            break;
        }
        }
        // Always two digits: a value outside 0..255 keeps its low 8 bits.
        line += HexByte(byte);
    }
    return line;
}

} // namespace

bool MarksDataChanged(const SettingsRecord& s, const int& field) {
    auto& record = const_cast<SettingsRecord&>(s); // the accessors only pick a field
    for (Field marking : ChangeMarkingFields())
        if (&marking(record) == &field)
            return true;
    return false;
}

QString DefaultSetLine1(int model) {
    if (model == Model::MTZ4J)
        return QStringLiteral("A5000000000100000000000100000000010200010C0401010208000100141403");
    return QStringLiteral("A5000000000100000000000100000000010200000C0401020208000100141403");
}

QString DefaultSetLine2(int model) {
    if (model == Model::MTZ4J)
        return QStringLiteral("0B0600010202000100000000000000001400000000000000FFFFFFFFFFFFFFFF");
    if (model == Model::MTZ40E)
        return QStringLiteral("0B060001020200010000000000000000140000000000000000FFFFFFFFFFFFFF");
    return QStringLiteral("0B040001020200010000000000000000140000000000000000FFFFFFFFFFFFFF");
}

QString PutByte(const QString& line, const QString& digits, int k) {
    QString result = line;
    for (int i = 0; i < 2 && i < digits.size(); ++i) {
        const qsizetype pos = 2 * qsizetype(k) + i;
        if (pos >= 0 && pos < result.size())
            result[pos] = digits[i];
    }
    return result;
}

bool DecodeSettings(DataSet& ds) {
    if (!ds.SetLine1.startsWith(QLatin1String("A5"), Qt::CaseInsensitive)) {
        ds.SetLine1 = DefaultSetLine1(ds.ModelIndex);
        ds.SetLine2 = DefaultSetLine2(ds.ModelIndex);
    }

    SettingsRecord before = ds.settings;
    DecodeLine(ds.SetLine1, Line1Rules(), ds.settings);
    DecodeLine(ds.SetLine2, Line2Rules(), ds.settings);

    bool changed = false;
    for (Field field : ChangeMarkingFields())
        if (field(before) != field(ds.settings))
            changed = true;
    if (changed)
        ds.DataChanged = true;
    return changed;
}

void EncodeSettings(DataSet& ds) {
    ds.SetLine1 = EncodeLine(Line1Rules(), ds.settings);
    ds.SetLine2 = EncodeLine(Line2Rules(), ds.settings);
}

} // namespace mtz4
