#include "editing/GridLayout.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QStringList>
#include <QTableView>
#include <cmath>

namespace mtz4 {

namespace {

constexpr int GridPointSize = 8;

} // namespace

std::array<QString, GridColumns> GridHeaderTexts() {
    // Column titles are the texts between the bars; the text after ";" would
    // be row labels, which the grids set themselves.
    const QString format = QString::fromLatin1(GridFormatString);
    const QStringList titles = format.section(QLatin1Char(';'), 0, 0).split(QLatin1Char('|'));
    std::array<QString, GridColumns> result;
    for (int c = 0; c < GridColumns && c < titles.size(); ++c)
        result[c] = titles[c];
    return result;
}

QString ModelColumnHeader(int model) {
    switch (model) {
    case 0:
        return QStringLiteral("Carrier");
    case 1:
        return QStringLiteral("Scr");
    default:
        return QStringLiteral("-");
    }
}

int TwipsToPixels(int twips, int dpi) {
    if (dpi <= 0)
        dpi = 96;
    return int(std::lround(double(twips) * dpi / 1440.0));
}

QFont NoteColumnFont() {
    const QString gothic = QStringLiteral("ＭＳ ゴシック");
    QFont font = QFontDatabase::hasFamily(gothic)
                     ? QFont(gothic)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(GridPointSize);
    return font;
}

void ApplyGridLayout(QTableView& view, const std::array<int, GridColumns>& widths) {
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
    rows->setFixedWidth(TwipsToPixels(widths[GridCol::Label], dpi));

    QHeaderView* columns = view.horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setHighlightSections(false);
    for (int c = 1; c < GridColumns; ++c) {
        if (widths[c] == 0) {
            view.setColumnHidden(c - 1, true);
        } else {
            view.setColumnHidden(c - 1, false);
            view.setColumnWidth(c - 1, TwipsToPixels(widths[c], dpi));
        }
    }
}

} // namespace mtz4
