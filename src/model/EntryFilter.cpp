#include "model/EntryFilter.h"

#include "model/NumericText.h"
#include "model/RecordCodec.h"

#include <QRegularExpression>
#include <limits>

namespace mtz4 {

namespace {

constexpr int ModeCount = 3;

bool Holds(const DataSet& ds, int entry, const QString& word) {
    return ds.MemText[entry][Col::Name].contains(word, Qt::CaseInsensitive) ||
           ds.MemText[entry][Col::Note].contains(word, Qt::CaseInsensitive);
}

} // namespace

EntryFilter::EntryFilter(const QString& text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& word : text.split(blanks, Qt::SkipEmptyParts))
        terms_.append(termOf(word));
}

EntryFilter::Term EntryFilter::termOf(const QString& word) {
    Term term;
    term.word = word;
    for (int mode = 0; mode < ModeCount; ++mode) {
        if (word.compare(ModeText(mode), Qt::CaseInsensitive) == 0) {
            term.kind = Term::Kind::Mode;
            term.mode = mode;
            return term;
        }
    }
    // One "-" between two numbers, either of which may be left out.
    const qsizetype at = word.indexOf(QLatin1Char('-'));
    if (at >= 0 && word.count(QLatin1Char('-')) == 1 && word.size() > 1) {
        const QString low = word.left(at);
        const QString high = word.mid(at + 1);
        const std::optional<double> from = low.isEmpty() ? 0.0 : ParseNumber(low);
        const std::optional<double> to =
            high.isEmpty() ? std::numeric_limits<double>::max() : ParseNumber(high);
        if (from && to) {
            term.kind = Term::Kind::Range;
            term.low = qMin(*from, *to);
            term.high = qMax(*from, *to);
            return term;
        }
    }
    if (ParseNumber(word)) {
        term.kind = Term::Kind::Number;
        // The frequency text has a decimal point.
        term.prefix = QString(word).replace(QLatin1Char(','), QLatin1Char('.'));
    }
    return term;
}

bool EntryFilter::matches(const Term& term, const DataSet& ds, int entry) {
    const double mhz = ds.MemData[entry][Col::Freq];
    switch (term.kind) {
    case Term::Kind::Range:
        return mhz >= term.low && mhz <= term.high;
    case Term::Kind::Mode:
        return int(ds.MemData[entry][Col::Mode]) == term.mode;
    case Term::Kind::Number:
        return ds.MemText[entry][Col::Freq].startsWith(term.prefix) || Holds(ds, entry, term.word);
    case Term::Kind::Word:
        return Holds(ds, entry, term.word);
    }
    return false;
}

bool EntryFilter::matches(const DataSet& ds, int entry) const {
    if (terms_.isEmpty())
        return true;
    if (ds.MemData[entry][Col::Freq] == 0.0 || ds.MemText[entry][Col::Freq].isEmpty())
        return false;
    for (const Term& term : terms_) {
        if (!matches(term, ds, entry))
            return false;
    }
    return true;
}

} // namespace mtz4
