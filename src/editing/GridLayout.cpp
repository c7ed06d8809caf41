#include "editing/GridLayout.h"

#include "editing/Twips.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStringList>
#include <QTableView>
#include <algorithm>
#include <cmath>

namespace mtz4 {

namespace {

constexpr int GridPointSize = 8;

// The widest text each grid column normally shows. The twips widths were laid
// out for one particular system font; with another font a column is widened
// just enough that these texts and the header are not cut short.
const std::array<const char*, GridColumns> WidestCellTexts{
    "",       "1299.995000", "WFM",    "12.5KHz",   "Train", "*",
    "3000Hz", "250.3Hz",     "Shift+", "99.999999", "",      "MMMMMM"};
// Pixels around a cell's text: the view's text margins (3 on each side) and
// its grid line, and one to spare.
constexpr int CellPadding = 8;

int fittedWidth(int twipsWidth, int dpi, const QFontMetrics& cell, const QFontMetrics& header,
                const QString& sample, const QString& title) {
    const int fit = std::max(cell.horizontalAdvance(sample), header.horizontalAdvance(title));
    return std::max(TwipsToPixels(twipsWidth, dpi), fit + CellPadding);
}

// The column titles, for the translations: they are shown translated.
[[maybe_unused]] constexpr const char* HeaderTitles[] = {
    QT_TRANSLATE_NOOP("GridLayout", "Frequency"),  QT_TRANSLATE_NOOP("GridLayout", "Mode"),
    QT_TRANSLATE_NOOP("GridLayout", "Step"),       QT_TRANSLATE_NOOP("GridLayout", "Option"),
    QT_TRANSLATE_NOOP("GridLayout", "Skip"),       QT_TRANSLATE_NOOP("GridLayout", "Carrier"),
    QT_TRANSLATE_NOOP("GridLayout", "Tone"),       QT_TRANSLATE_NOOP("GridLayout", "Shift"),
    QT_TRANSLATE_NOOP("GridLayout", "ShiftFreq."), QT_TRANSLATE_NOOP("GridLayout", "Note"),
    QT_TRANSLATE_NOOP("GridLayout", "Name")};

} // namespace

std::array<QString, GridColumns> GridHeaderTexts() {
    // Column titles are the texts between the bars; the text after ";" would
    // be row labels, which the grids set themselves.
    const QString format = QString::fromLatin1(GridFormatString);
    const QStringList titles = format.section(QLatin1Char(';'), 0, 0).split(QLatin1Char('|'));
    std::array<QString, GridColumns> result;
    for (int c = 0; c < GridColumns && c < titles.size(); ++c)
        result[c] = titles[c].isEmpty()
                        ? titles[c]
                        : QCoreApplication::translate("GridLayout", titles[c].toLatin1());
    return result;
}

QString ModelColumnHeader(int model) {
    switch (model) {
    case 0:
        return QCoreApplication::translate("GridLayout", "Carrier");
    case 1:
        return QCoreApplication::translate("GridLayout", "Scr");
    default:
        return QStringLiteral("-");
    }
}

std::optional<QFont> NoteColumnFont() {
    static const QStringList gothics{QStringLiteral("ＭＳ ゴシック"),
                                     QStringLiteral("MS Gothic"),
                                     QStringLiteral("IPAGothic"),
                                     QStringLiteral("IPAexGothic"),
                                     QStringLiteral("Noto Sans Mono CJK JP"),
                                     QStringLiteral("VL Gothic"),
                                     QStringLiteral("TakaoGothic")};
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : gothics) {
        if (installed.contains(family)) {
            QFont font(family);
            font.setPointSize(GridPointSize);
            return font;
        }
    }
    return std::nullopt;
}

void ApplyGridLayout(QTableView& view, const std::array<int, GridColumns>& widths,
                     const QString& widestRowLabel) {
    const int dpi = view.logicalDpiX();
    // The widths are laid out for text of 8 points.
    QFont font = view.font();
    font.setPointSize(GridPointSize);
    view.setFont(font);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setWordWrap(false);
    view.setCornerButtonEnabled(false);

    QHeaderView* rows = view.verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view.fontMetrics().height() + 4);
    rows->setHighlightSections(false);
    rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QFontMetrics cellMetrics(font);
    rows->setFixedWidth(fittedWidth(widths[GridCol::Label], dpi, cellMetrics, rows->fontMetrics(),
                                    widestRowLabel, QString()));

    QHeaderView* columns = view.horizontalHeader();
    const std::array<QString, GridColumns> titles = GridHeaderTexts();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setHighlightSections(false);
    for (int c = 1; c < GridColumns; ++c) {
        if (widths[c] == 0) {
            view.setColumnHidden(c - 1, true);
        } else {
            view.setColumnHidden(c - 1, false);
            view.setColumnWidth(c - 1,
                                fittedWidth(widths[c], dpi, cellMetrics, columns->fontMetrics(),
                                            QString::fromLatin1(WidestCellTexts[c]), titles[c]));
        }
    }
}

} // namespace mtz4
