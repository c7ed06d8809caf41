#pragma once

#include "files/CsvRecord.h"
#include "model/CodePage.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace mtz4 {

// One row of CHIRP's generic CSV as a record of the receiver, shared by the
// import of a CHIRP file and by a paste of rows under CHIRP's header.

// The columns a CHIRP row is read by, found by their header names (case and
// blanks ignored); -1 for a column the header lacks.
struct ChirpColumns {
    int location = -1;
    int name = -1;
    int frequency = -1;
    int duplex = -1;
    int offset = -1;
    int tone = -1;
    int rToneFreq = -1;
    int cToneFreq = -1;
    int mode = -1;
    int tStep = -1;
    int skip = -1;
    int comment = -1;
};
ChirpColumns ChirpColumnsOf(const QStringList& header);

// The receiver's steps in kHz, by step code (0 for none), and the step code
// of a size in kHz (-1 for a size the receiver lacks).
double StepKilohertz(int code);
int StepOfKilohertz(double kHz);

// What a row gives: the record, or why it cannot be taken; and, for a record,
// what the mapping had to change, one item each.
struct ChirpRowRecord {
    std::optional<CsvRecord> record;
    QString whyNot;
    QStringList changes;
};

// The record of a row for model `model`, enabled, as a new memory channel:
// - Frequency: 0.1 .. 1299.995 MHz, or the row is refused. Numbers are read
//   whole, in any notation (ParseNumber: "145,5", "1E-06"); a number field
//   that is no number refuses the row.
// - Mode FM and NFM as FM, AM and NAM as AM, WFM; Auto or none: the mode of
//   the band that holds the frequency (BandDefaultOf), Auto said; any other
//   mode refuses the row.
// - Duplex "+" or "-" with Offset the shift (0 .. 99.999999 MHz, or the row
//   is refused). "split" (Offset the other frequency of the pair): the shift
//   that reaches it when that is less than 100 MHz, else no shift; either
//   way said. "off" and none: no shift; any other word no shift, said.
// - Tone "TSQL" with cToneFreq: the Tone option with that tone; "TSQL-R":
//   the Reverse option (reverse tone) with it. A tone the receiver lacks,
//   and the squelch modes it does not have (DTCS, DTCS-R, Cross, any other
//   word), leave the squelch off, said. "Tone" (an encoder tone, nothing to
//   the receiver) and none: no option.
// - TStep in kHz the step of that size; a step the receiver lacks: the
//   band's default, said (none: the band's default without a word).
// - Skip "S" the skip mark. Name and Comment as they stand, leading blanks
//   included, fitted (FitName, FitNote into `page`; a line break of a
//   comment becomes a space), every change said.
ChirpRowRecord ChirpRecordOf(const QStringList& row, const ChirpColumns& columns, int model,
                             CodePage page);

} // namespace mtz4
