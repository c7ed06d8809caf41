#pragma once

#include "model/Prompter.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace mtz4 {

// What an import did with the rows it read: how many it applied, those of
// them it had to change to fit (with what changed), and those it passed over
// (with the reason). Each line names its row the way the format does
// ("row 7 (Location 12)", "line 40 (MEMORY 22)").
struct ImportReport {
    int imported = 0;    // rows applied, the changed ones included
    QStringList changed; // "row 3 (Location 2): comment: ł → ?"
    QStringList skipped; // "row 7 (Location 1200): beyond the 1000 memory channels"
    // What concerns the import as a whole, listed first: lines passed over
    // without a line each (an exported empty entry), bank sizes that a save
    // will cut.
    QStringList notes;
    // What the format consists of, the word the summary counts: "rows",
    // "lines", or "entries and bands" (kept by a change of model).
    QString noun = QStringLiteral("rows");
    bool cancelled = false; // the user stopped it: nothing was applied
    // An import that stopped part-way: the line that stopped it and why
    // ("line 26 (BANK AMOUNT): \"x7\" is not a number"), and how many lines
    // after it were not read; empty and 0 otherwise.
    QString stoppedAt;
    int stoppedLine = 0; // its number, from 1
    int notRead = 0;
    // What the import changed in the entries and bands in use before it, by
    // field ("Changes to entries in use before: 3 (Note 2, Frequency 1)"),
    // then each change ("05-007 Note: 007 -> 7"); listed last
    // (CompareWithBefore).
    QString comparedCount;
    QStringList compared;
};

// Told how far an import has got (`done` of `total`, in characters of the
// file's text) every few hundred rows; it returns false to stop the import.
// The window shows a progress dialog and keeps its events going meanwhile.
using ImportProgress = std::function<bool(qint64 done, qint64 total)>;

// The summary for the user: "N rows imported, M skipped" ("pasted" as `done`
// says "N rows pasted"; the noun "entries and bands" says "N entries and
// bands kept"), then ", K changed" when rows were changed; then, after a
// colon, the line that stopped the import with the lines not read after it,
// the notes, each row skipped and each row changed on a line of its own, at
// most `most` of them (then "and N more", and the count of what changed in
// the entries in use when the lines shown leave it out); a negative `most`
// lists them all.
QString ImportSummary(const ImportReport& report, const QString& done = QStringLiteral("imported"),
                      int most = -1);

// Every line of the report below the summary: where it stopped (StoppedLine),
// notes, rows skipped, rows changed, then what changed in the entries in use
// before.
QStringList ReportLines(const ImportReport& report);

// Shows the report through the prompter (Prompter::report): the summary
// with the first rows (ReportedInSummary) as the text, after `heading` when
// one is given; every row in the details when they are more. Title and icon
// as given.
inline constexpr int ReportedInSummary = 20;
void ShowImportReport(Prompter& prompter, const ImportReport& report, const QString& title,
                      const QString& done = QStringLiteral("imported"),
                      PromptIcon icon = PromptIcon::Information, const QString& heading = {});
// The same, offering `offer` beside OK (Prompter::reportOffering): true
// when the user chose it.
bool ShowImportReportOffering(Prompter& prompter, const ImportReport& report, const QString& title,
                              const QString& offer);

// The rows changed to fit, for an import that otherwise passes its lines
// over silently: "K rows changed to fit:" and each on a line of its own, at
// most `most` of them; empty when none changed.
QString ChangedRowsSummary(const ImportReport& report, int most = -1);

// For an import that stopped part-way: "stopped at line 26 (BANK AMOUNT):
// \"x7\" is not a number; the 20 lines after it were not read"; empty for one
// that did not stop.
QString StoppedLine(const ImportReport& report);

// A heading, then each line on a line of its own, at most `most` of them
// (then "and N more"; a negative `most` lists them all): what an export
// could not carry, for one.
QString ListedUnder(const QString& heading, const QStringList& lines, int most = -1);

// A changed row's line: where, then its changes joined ("row 3: note: ł → ?;
// name: cut to 6 characters").
QString ChangedRow(const QString& where, const QStringList& changes);

} // namespace mtz4
