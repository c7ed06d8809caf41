#include "model/EntryFind.h"

#include <QRegularExpression>

namespace mtz4 {

namespace {

bool matches(const DataSet& ds, int e, const QString& text) {
    for (int column : {int(Col::Freq), int(Col::Name), int(Col::Note)}) {
        if (ds.MemText[e][column].contains(text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// A label in the one form the comparison uses: upper case, no blanks,
// "S" for Search Pass, no "P" before a Program Scan edge, zero-filled bank
// and channel numbers.
QString canonicalLabel(const QString& label) {
    QString s = label.toUpper();
    s.remove(QLatin1Char(' '));
    static const QRegularExpression channel(QStringLiteral("^(\\d{1,2})-(\\d{1,3})$"));
    static const QRegularExpression searchPass(QStringLiteral("^SP?(\\d{1,2})$"));
    static const QRegularExpression priority(QStringLiteral("^PR(\\d{1,2})$"));
    static const QRegularExpression programScan(QStringLiteral("^P?(\\d{1,2})([AB])$"));
    if (const auto m = channel.match(s); m.hasMatch())
        return QStringLiteral("%1-%2")
            .arg(m.captured(1).toInt(), 2, 10, QLatin1Char('0'))
            .arg(m.captured(2).toInt(), 3, 10, QLatin1Char('0'));
    if (const auto m = searchPass.match(s); m.hasMatch())
        return QStringLiteral("S%1").arg(m.captured(1).toInt());
    if (const auto m = priority.match(s); m.hasMatch())
        return QStringLiteral("PR%1").arg(m.captured(1).toInt());
    if (const auto m = programScan.match(s); m.hasMatch())
        return QString::number(m.captured(1).toInt()) + m.captured(2);
    return s;
}

} // namespace

int FindEntry(const DataSet& ds, const QString& text, int from, bool forward) {
    if (text.isEmpty())
        return -1;
    const int step = forward ? 1 : -1;
    int e = from < 0 ? (forward ? -1 : EntryCount) : from;
    for (int i = 0; i < EntryCount; ++i) {
        e = (e + step + EntryCount) % EntryCount;
        if (matches(ds, e, text))
            return e;
    }
    return -1;
}

int EntryOfRowLabel(const QStringList& labels, const QString& typed) {
    const QString wanted = canonicalLabel(typed);
    if (wanted.isEmpty())
        return -1;
    for (int e = 0; e < labels.size(); ++e) {
        if (!labels[e].isEmpty() && canonicalLabel(labels[e]) == wanted)
            return e;
    }
    return -1;
}

} // namespace mtz4
