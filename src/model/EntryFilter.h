#pragma once

#include "model/DataSet.h"

#include <QList>
#include <QString>

namespace mtz4 {

// The filter of the memory list, as the user types it: words separated by
// blanks, every one of which an entry must match:
// - a frequency range in MHz, "118-137" (either end may be left out:
//   "400-", "-30"; a decimal point or comma): the entry's frequency lies in it;
// - a mode, "FM", "AM" or "WFM" in any case: the entry has that mode;
// - a number, "145": the entry's frequency begins with it, or its name or
//   note holds it;
// - any other word: the entry's name or note holds it, ignoring case.
// An empty filter takes every entry; an entry without a frequency is taken
// by no other.
class EntryFilter {
public:
    explicit EntryFilter(const QString& text = {});

    bool isEmpty() const { return terms_.isEmpty(); }
    bool matches(const DataSet& ds, int entry) const;

private:
    struct Term {
        enum class Kind { Range, Mode, Number, Word } kind = Kind::Word;
        double low = 0.0;
        double high = 0.0;
        int mode = 0;
        QString word;
        QString prefix; // of a frequency text, for a number
    };
    static Term termOf(const QString& word);
    static bool matches(const Term& term, const DataSet& ds, int entry);

    QList<Term> terms_;
};

} // namespace mtz4
