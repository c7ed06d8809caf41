#pragma once

#include "report/ChannelList.h"

#include <QByteArray>
#include <QList>

class QPagedPaintDevice;

namespace mtz4 {

// What goes on a page: the lines of the sections, in order.
struct PageLine {
    enum class Kind { Title, Columns, Row };
    Kind kind = Kind::Row;
    int section = 0;        // index into ChannelList::sections
    int row = 0;            // Row: index into the section's rows
    bool continued = false; // Title: the section goes on from the page before
};
using PageLines = QList<PageLine>;

// Lines a section title takes (the space before it included).
inline constexpr int TitleLines = 2;

// The channel list split into pages of `linesPerPage` lines: every section
// starts with its title and the column titles; a section that does not fit
// on the rest of a page starts on a new one when it would fit there (or
// when not even its first rows fit); a section longer than a page goes on
// over pages, its title and the column titles repeated.
QList<PageLines> PaginateChannelList(const ChannelList& list, int linesPerPage);

// Paints the channel list on the pages of `device` (a printer or a PDF
// writer): on every page a header line with the file name, the model and
// the date, and the page number at the foot. Returns the number of pages.
int PaintChannelList(const ChannelList& list, QPagedPaintDevice& device);

// The channel list as a PDF document on A4 paper.
QByteArray ChannelListPdf(const ChannelList& list);

} // namespace mtz4
