#include "report/ChannelListPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace mtz4 {

namespace {

constexpr int FontPoints = 8;
constexpr int TitlePoints = 10;
// A section whose title, column titles and this many rows fit on the rest of
// a page starts there even when the whole section does not.
constexpr int MinRowsOnPage = 3;
constexpr int PdfResolution = 300;
constexpr qreal MarginMillimetres = 15;

int LinesOf(const PageLine& line) {
    return line.kind == PageLine::Kind::Title ? TitleLines : 1;
}

// The page's parts, measured with the painter's fonts.
struct Geometry {
    QRect page;
    int lineHeight = 0;
    int headerHeight = 0; // header line and the space below it
    int footerHeight = 0;
    QList<int> columnLeft; // and the page's right edge last
    int linesPerPage() const {
        return std::max((page.height() - headerHeight - footerHeight) / lineHeight, TitleLines + 2);
    }
};

Geometry Measure(const ChannelList& list, const QFont& font, const QFont& bold,
                 QPaintDevice& device, const QRect& page) {
    Geometry g;
    g.page = page;
    const QFontMetrics metrics(font, &device);
    const QFontMetrics titles(bold, &device);
    g.lineHeight = metrics.height() + metrics.height() / 4;
    g.headerHeight = g.lineHeight * 2;
    g.footerHeight = g.lineHeight * 2;

    // Every column as wide as its widest text, the note taking the rest.
    const QStringList columns = ChannelListColumns();
    const int padding = metrics.horizontalAdvance(QStringLiteral("   "));
    QList<int> widths;
    for (const QString& column : columns)
        widths << titles.horizontalAdvance(column) + padding;
    for (const ChannelSection& section : list.sections)
        for (const ChannelRow& row : section.rows) {
            const QStringList cells = ChannelRowCells(row);
            for (int c = 0; c < cells.size() - 1; ++c)
                widths[c] = std::max(widths[c], metrics.horizontalAdvance(cells[c]) + padding);
        }
    int x = page.left();
    for (int c = 0; c < widths.size(); ++c) {
        g.columnLeft << x;
        if (c < widths.size() - 1)
            x += widths[c];
    }
    g.columnLeft << page.right();
    return g;
}

void PaintHeader(QPainter& painter, const ChannelList& list, const Geometry& g, int page,
                 int pages) {
    const QRect top(g.page.left(), g.page.top(), g.page.width(), g.lineHeight);
    const QString title =
        QCoreApplication::translate("ChannelListPages", "Channel list") + QStringLiteral(": ");
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, title + list.fileName);
    painter.drawText(top, Qt::AlignHCenter | Qt::AlignVCenter, list.model);
    painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, list.date.toString(Qt::ISODate));
    painter.drawLine(top.bottomLeft(), top.bottomRight());
    const QRect foot(g.page.left(), g.page.bottom() - g.lineHeight, g.page.width(), g.lineHeight);
    painter.drawText(
        foot, Qt::AlignHCenter | Qt::AlignVCenter,
        QCoreApplication::translate("ChannelListPages", "Page %1 of %2").arg(page).arg(pages));
}

void PaintCells(QPainter& painter, const Geometry& g, int y, const QStringList& cells) {
    const QFontMetrics metrics = painter.fontMetrics();
    for (int c = 0; c < cells.size(); ++c) {
        const QRect cell(g.columnLeft[c], y, g.columnLeft[c + 1] - g.columnLeft[c], g.lineHeight);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(cells[c], Qt::ElideRight, cell.width()));
    }
}

} // namespace

QList<PageLines> PaginateChannelList(const ChannelList& list, int linesPerPage) {
    QList<PageLines> pages{PageLines()};
    int used = 0;
    const auto add = [&](const PageLine& line) {
        pages.last().append(line);
        used += LinesOf(line);
    };
    const auto newPage = [&] {
        pages.append(PageLines());
        used = 0;
    };
    for (int s = 0; s < list.sections.size(); ++s) {
        const int rows = int(list.sections[s].rows.size());
        const int whole = TitleLines + 1 + rows;
        const int rest = linesPerPage - used;
        const bool fitsOnANewPage = whole <= linesPerPage;
        if (used > 0 && whole > rest &&
            (fitsOnANewPage || rest < TitleLines + 1 + std::min(rows, MinRowsOnPage)))
            newPage();
        add({PageLine::Kind::Title, s});
        add({PageLine::Kind::Columns, s});
        for (int r = 0; r < rows; ++r) {
            if (used + 1 > linesPerPage) {
                newPage();
                add({PageLine::Kind::Title, s, 0, true});
                add({PageLine::Kind::Columns, s});
            }
            add({PageLine::Kind::Row, s, r});
        }
    }
    return pages;
}

int PaintChannelList(const ChannelList& list, QPagedPaintDevice& device) {
    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    QFont font(QStringLiteral("Sans Serif"), FontPoints);
    font.setStyleHint(QFont::SansSerif);
    // No ligatures: text copied from the page, or searched in it, reads as
    // it was written ("ffi" rather than one sign for it).
    font.setStyleStrategy(QFont::PreferNoShaping);
    QFont bold = font;
    bold.setBold(true);
    QFont titleFont = bold;
    titleFont.setPointSize(TitlePoints);
    painter.setFont(font);

    const QRect page(0, 0, device.width(), device.height());
    const Geometry g = Measure(list, font, bold, device, page);
    QList<PageLines> pages = PaginateChannelList(list, g.linesPerPage());
    const QStringList columns = ChannelListColumns();
    const QColor shade(235, 235, 235);

    for (int p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        painter.setFont(font);
        PaintHeader(painter, list, g, p + 1, int(pages.size()));
        if (list.sections.isEmpty())
            painter.drawText(
                QRect(page.left(), page.top() + g.headerHeight, page.width(), g.lineHeight),
                Qt::AlignLeft | Qt::AlignVCenter,
                QCoreApplication::translate("ChannelListPages", "No entry is in use."));
        int y = page.top() + g.headerHeight;
        for (const PageLine& line : pages[p]) {
            const ChannelSection& section = list.sections[line.section];
            switch (line.kind) {
            case PageLine::Kind::Title: {
                painter.setFont(titleFont);
                const QString title =
                    line.continued ? section.title + QCoreApplication::translate("ChannelListPages",
                                                                                 " (continued)")
                                   : section.title;
                painter.drawText(QRect(page.left(), y + g.lineHeight, page.width(), g.lineHeight),
                                 Qt::AlignLeft | Qt::AlignBottom, title);
                break;
            }
            case PageLine::Kind::Columns:
                painter.setFont(bold);
                PaintCells(painter, g, y, columns);
                painter.drawLine(page.left(), y + g.lineHeight, page.right(), y + g.lineHeight);
                break;
            case PageLine::Kind::Row:
                painter.setFont(font);
                if (line.row % 2 == 1)
                    painter.fillRect(QRect(page.left(), y, page.width(), g.lineHeight), shade);
                PaintCells(painter, g, y, ChannelRowCells(section.rows[line.row]));
                break;
            }
            y += LinesOf(line) * g.lineHeight;
        }
    }
    return int(pages.size());
}

QByteArray ChannelListPdf(const ChannelList& list) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
            QPageLayout::Millimeter));
        writer.setTitle(QCoreApplication::translate("ChannelListPages", "Channel list") +
                        QStringLiteral(": ") + list.headerLine());
        writer.setCreator(QStringLiteral("mtz4clone"));
        PaintChannelList(list, writer);
    }
    return pdf;
}

} // namespace mtz4
