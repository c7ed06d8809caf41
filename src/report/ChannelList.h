#pragma once

#include "model/DataSet.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace mtz4 {

// One row of the printable channel list: an entry in use, as the memory grid
// shows it.
struct ChannelRow {
    QString label;        // "03-012", "12A", "S5", "Pr3"
    QString frequency;    // "145.500000"
    QString mode;         // "FM"
    QString step;         // "12.5KHz"
    QString toneOrOption; // "Tone 88.5Hz", "Rev. 88.5Hz", "Train JR", "Scr 12", or empty
    QString shift;        // "+0.600000", "-5.000000", or empty without a shift
    QString skip;         // "*" for an entry a scan skips, or empty
    QString name;
    QString note;
};

// A bank, or the Program Scan, Search Pass or Priority list, with its rows.
struct ChannelSection {
    QString title; // "Bank 3", "Program Scan", "Search Pass", "Priority"
    QList<ChannelRow> rows;
};

// The printable channel list of a data set: what every page's header says,
// and the sections with the entries in use, bank by bank (banks without an
// entry in use are left out), then Program Scan, Search Pass and Priority.
struct ChannelList {
    QString fileName; // the clone file's name, or a note that there is none
    QString model;    // "MT-Z4J"
    QDate date;
    QList<ChannelSection> sections;

    int rowCount() const;
    // "sample.MZ4 - MT-Z4J - 2026-12-09": the line at the top of every page.
    QString headerLine() const;
};

// The channel list of `ds` for receiver model `model` (0..3), from the clone
// file at `filePath` (empty: none), printed on `date`. Options the model does
// not offer show as none, as in the memory grid. Titles follow the user's
// language.
ChannelList MakeChannelList(const DataSet& ds, int model, const QString& filePath,
                            const QDate& date);

// The column titles, in the order of ChannelRow's fields.
QStringList ChannelListColumns();

// A row's texts in the order of ChannelListColumns().
QStringList ChannelRowCells(const ChannelRow& row);

} // namespace mtz4
