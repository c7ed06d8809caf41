#include "app/SplashWindow.h"

#include "app/AboutBox.h"
#include "model/ReferenceTables.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace mtz4 {

namespace {
constexpr int Width = 480;
constexpr int Height = 220;
constexpr int Margin = 24; // between the texts and the panel's border
} // namespace

QPixmap frmSplash::picture() {
    QPixmap pixmap(Width, Height);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient background(0, 0, 0, Height);
    background.setColorAt(0.0, QColor(0x1f, 0x3a, 0x5f));
    background.setColorAt(1.0, QColor(0x0b, 0x16, 0x26));
    painter.fillRect(pixmap.rect(), background);
    painter.setPen(QPen(QColor(0x6f, 0x9f, 0xd8), 2));
    painter.drawRect(pixmap.rect().adjusted(1, 1, -2, -2));

    // The title in the largest size up to 24 pixels that fits the panel
    // with its margins, whatever font the system gives.
    const QRect titleBox(Margin, 40, Width - 2 * Margin, 40);
    QFont title = painter.font();
    title.setBold(true);
    for (int size = 24; size > 8; --size) {
        title.setPixelSize(size);
        if (QFontMetrics(title).horizontalAdvance(Ref().AppTitle) <= titleBox.width())
            break;
    }
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(titleBox, Qt::AlignCenter, Ref().AppTitle);

    QFont small = painter.font();
    small.setPixelSize(13);
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(QColor(0xc8, 0xd8, 0xec));
    painter.drawText(QRect(20, 90, Width - 40, 24), Qt::AlignCenter,
                     QStringLiteral("MT-Z4J  ·  MT-Z40E  ·  MT-Z40T  ·  MT-Z40K"));
    painter.drawText(QRect(20, Height - 50, Width - 40, 20), Qt::AlignCenter,
                     QCoreApplication::translate("SplashWindow", "Version %1  —  starting…")
                         .arg(QLatin1String(ProgramVersion)));
    painter.end();
    return pixmap;
}

frmSplash::frmSplash() : QSplashScreen(picture()) {
    setObjectName(QStringLiteral("frmSplash"));
}

} // namespace mtz4
