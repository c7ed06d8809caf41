#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace mtz4 {

// The lists of public channels that come with the program (marine VHF,
// PMR446, CB, airband ...): CSV files whose first row names their columns
// (ColumnsCsv), each with a few comment lines before it that say what it
// is and where its frequencies come from:
//   # Title: PMR446
//   # Region: Europe (CEPT)
//   # Purpose: Licence-free walkie-talkies, analogue FM
//   # Source: ECC Decision (15)05 ...
// and the same keys with "-" and a language code for the texts in that
// language ("Title-ja" for the Japanese, "Title-de" for the German ...).
struct StockList {
    QString name; // the file's name without ".csv": what mtz4ctl import --stock takes
    QString path;
    QString title; // in the user's language where the file has it
    QString region;
    QString purpose;
    QString source;
};

// Where they are installed: share/mtz4clone/stock beside the program's bin
// folder, or, in a build folder, doc/stock beside the programs. Empty when
// neither exists.
QString StockListFolder();

// The lists of the folder, by title; none when there is no folder.
QList<StockList> StockLists(const QString& folder = StockListFolder());
// The list of that name (any case); none when there is no such list.
std::optional<StockList> StockListNamed(const QString& name,
                                        const QString& folder = StockListFolder());

} // namespace mtz4
