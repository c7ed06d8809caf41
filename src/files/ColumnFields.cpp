#include "files/ColumnFields.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace mtz4 {

namespace {

struct Word {
    const char* text; // lower case, UTF-8
    ColumnField field;
    int rank;
};

// clang-format off
const Word Words[] = {
    {"location", ColumnField::Position, 0}, {"memory", ColumnField::Position, 0},
    {"mem", ColumnField::Position, 1}, {"position", ColumnField::Position, 1},
    {"speicherplatz", ColumnField::Position, 0}, {"speicher", ColumnField::Position, 1},
    {"メモリー", ColumnField::Position, 0}, {"メモリ", ColumnField::Position, 0},
    {"メモリー番号", ColumnField::Position, 0}, {"位置", ColumnField::Position, 1},

    {"frequency", ColumnField::Frequency, 0}, {"freq", ColumnField::Frequency, 0},
    {"frequenz", ColumnField::Frequency, 0}, {"周波数", ColumnField::Frequency, 0},
    {"qrg", ColumnField::Frequency, 1}, {"rx frequency", ColumnField::Frequency, 1},
    {"rx freq", ColumnField::Frequency, 1}, {"receive frequency", ColumnField::Frequency, 1},
    {"empfangsfrequenz", ColumnField::Frequency, 1}, {"受信周波数", ColumnField::Frequency, 1},

    {"mode", ColumnField::Mode, 0}, {"modus", ColumnField::Mode, 0},
    {"モード", ColumnField::Mode, 0}, {"modulation", ColumnField::Mode, 1},
    {"betriebsart", ColumnField::Mode, 1}, {"変調", ColumnField::Mode, 1},
    {"電波型式", ColumnField::Mode, 1},

    {"step", ColumnField::Step, 0}, {"tstep", ColumnField::Step, 0},
    {"tuning step", ColumnField::Step, 0}, {"schritt", ColumnField::Step, 0},
    {"schrittweite", ColumnField::Step, 0}, {"raster", ColumnField::Step, 1},
    {"kanalraster", ColumnField::Step, 1}, {"ステップ", ColumnField::Step, 0},

    {"name", ColumnField::Name, 0}, {"alpha tag", ColumnField::Name, 0},
    {"名前", ColumnField::Name, 0}, {"名称", ColumnField::Name, 0},
    {"ネーム", ColumnField::Name, 0}, {"alpha", ColumnField::Name, 1},
    {"tag", ColumnField::Name, 1}, {"label", ColumnField::Name, 1},
    {"bezeichnung", ColumnField::Name, 1}, {"callsign", ColumnField::Name, 2},
    {"call", ColumnField::Name, 2}, {"rufzeichen", ColumnField::Name, 2},
    {"コールサイン", ColumnField::Name, 2},

    {"note", ColumnField::Note, 0}, {"notes", ColumnField::Note, 0},
    {"comment", ColumnField::Note, 0}, {"comments", ColumnField::Note, 0},
    {"description", ColumnField::Note, 0}, {"bemerkung", ColumnField::Note, 0},
    {"bemerkungen", ColumnField::Note, 0}, {"kommentar", ColumnField::Note, 0},
    {"beschreibung", ColumnField::Note, 0}, {"notiz", ColumnField::Note, 0},
    {"メモ", ColumnField::Note, 0}, {"備考", ColumnField::Note, 0},
    {"コメント", ColumnField::Note, 0}, {"説明", ColumnField::Note, 0},
    {"remark", ColumnField::Note, 1}, {"remarks", ColumnField::Note, 1},
    {"hinweis", ColumnField::Note, 1},

    {"tone", ColumnField::Tone, 0}, {"ctcss", ColumnField::Tone, 0},
    {"ctcss tone", ColumnField::Tone, 0}, {"pl", ColumnField::Tone, 1},
    {"pl tone", ColumnField::Tone, 1}, {"subton", ColumnField::Tone, 0},
    {"ton", ColumnField::Tone, 1}, {"トーン", ColumnField::Tone, 0},

    {"offset", ColumnField::Offset, 0}, {"shift", ColumnField::Offset, 0},
    {"shift frequency", ColumnField::Offset, 0}, {"duplex", ColumnField::Offset, 0},
    {"ablage", ColumnField::Offset, 0}, {"オフセット", ColumnField::Offset, 0},
    {"シフト", ColumnField::Offset, 0}, {"シフト幅", ColumnField::Offset, 0},
    {"デュプレックス", ColumnField::Offset, 0},

    {"skip", ColumnField::Skip, 0}, {"lockout", ColumnField::Skip, 1},
    {"überspringen", ColumnField::Skip, 0}, {"auslassen", ColumnField::Skip, 1},
    {"スキップ", ColumnField::Skip, 0},

    {"list", ColumnField::List, 0}, {"liste", ColumnField::List, 0},
    {"リスト", ColumnField::List, 0}, {"section", ColumnField::List, 1},
};
// clang-format on

const char* const Names[ColumnFieldCount] = {"none",   "position", "frequency", "mode",
                                             "step",   "name",     "note",      "tone",
                                             "offset", "skip",     "list"};

} // namespace

HeaderWord HeaderWordOf(const QString& cell) {
    // "Freq (MHz)", "Frequenz [kHz]", "Offset kHz": the unit apart.
    static const QRegularExpression unit(
        QStringLiteral("^(.*?)[\\s_]*[(\\[]?\\s*(mhz|khz|hz)\\s*[)\\]]?$"),
        QRegularExpression::CaseInsensitiveOption);
    QString word = cell.trimmed().toLower();
    if (word.startsWith(QChar(0xFEFF)))
        word.remove(0, 1);
    double toMHz = 1.0;
    if (const QRegularExpressionMatch m = unit.match(word);
        m.hasMatch() && !m.captured(1).isEmpty()) {
        toMHz = m.captured(2) == QLatin1String("khz") ? 0.001 : 1.0;
        word = m.captured(1).trimmed();
    }
    word.replace(QRegularExpression(QStringLiteral("[\\s_.-]+")), QStringLiteral(" "));
    word = word.trimmed();
    for (const Word& w : Words) {
        if (word == QString::fromUtf8(w.text))
            return {w.field, w.rank, toMHz};
    }
    return {};
}

QString ColumnFieldName(ColumnField field) {
    return QLatin1String(Names[int(field)]);
}

std::optional<ColumnField> ColumnFieldOfName(const QString& name) {
    for (int f = 0; f < ColumnFieldCount; ++f) {
        if (name.trimmed().compare(QLatin1String(Names[f]), Qt::CaseInsensitive) == 0)
            return ColumnField(f);
    }
    return std::nullopt;
}

QString ColumnFieldNames() {
    QStringList names;
    for (const char* name : Names)
        names << QLatin1String(name);
    return names.join(QStringLiteral(", "));
}

QString ColumnFieldCaption(ColumnField field) {
    switch (field) {
    case ColumnField::None:
        break;
    case ColumnField::Position:
        return QCoreApplication::translate("ColumnFields", "Position");
    case ColumnField::Frequency:
        return QCoreApplication::translate("ColumnFields", "Frequency");
    case ColumnField::Mode:
        return QCoreApplication::translate("ColumnFields", "Mode");
    case ColumnField::Step:
        return QCoreApplication::translate("ColumnFields", "Step");
    case ColumnField::Name:
        return QCoreApplication::translate("ColumnFields", "Name");
    case ColumnField::Note:
        return QCoreApplication::translate("ColumnFields", "Note");
    case ColumnField::Tone:
        return QCoreApplication::translate("ColumnFields", "Tone (CTCSS)");
    case ColumnField::Offset:
        return QCoreApplication::translate("ColumnFields", "Offset / Shift");
    case ColumnField::Skip:
        return QCoreApplication::translate("ColumnFields", "Skip");
    case ColumnField::List:
        return QCoreApplication::translate("ColumnFields", "List");
    }
    return QCoreApplication::translate("ColumnFields", "(not imported)");
}

} // namespace mtz4
