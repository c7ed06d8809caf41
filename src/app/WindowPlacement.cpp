#include "app/WindowPlacement.h"

#include "editing/Twips.h"

#include <QSettings>
#include <QWidget>

namespace mtz4 {

namespace {
// Significant digits of a single-precision number.
constexpr int SingleDigits = 7;
} // namespace

std::unique_ptr<QSettings> OpenPlacementStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromLatin1(PlacementOrganisation),
                                       QString::fromLatin1(PlacementApplication));
}

namespace {
const QString HideEmptyKey = QStringLiteral("View/HideEmptyEntries");
const QString QuickReadKey = QStringLiteral("Tool/QuickRead");
const QString ChosenDeviceKey = QStringLiteral("Port/Device");
} // namespace

bool ReadHideEmptyEntries() {
    return OpenPlacementStore()->value(HideEmptyKey, false).toBool();
}

void WriteHideEmptyEntries(bool hide) {
    OpenPlacementStore()->setValue(HideEmptyKey, hide);
}

bool ReadVerifyAfterWrite() {
    return OpenPlacementStore()->value(QStringLiteral("Tool/VerifyAfterWrite"), false).toBool();
}

void WriteVerifyAfterWrite(bool verify) {
    OpenPlacementStore()->setValue(QStringLiteral("Tool/VerifyAfterWrite"), verify);
}

bool ReadQuickRead() {
    return OpenPlacementStore()->value(QuickReadKey, false).toBool();
}

void WriteQuickRead(bool quick) {
    OpenPlacementStore()->setValue(QuickReadKey, quick);
}

QString ReadChosenDevice() {
    return OpenPlacementStore()->value(ChosenDeviceKey).toString();
}

void WriteChosenDevice(const QString& device) {
    const auto store = OpenPlacementStore();
    if (device.isEmpty())
        store->remove(ChosenDeviceKey);
    else
        store->setValue(ChosenDeviceKey, device);
}

QString SingleText(double value) {
    return QString::number(double(float(value)), 'g', SingleDigits);
}

void WritePlacement(QSettings& store, const QRectF& twips) {
    store.beginGroup(QStringLiteral("Settings"));
    store.setValue(QStringLiteral("MainLeft"), SingleText(twips.left()));
    store.setValue(QStringLiteral("MainTop"), SingleText(twips.top()));
    store.setValue(QStringLiteral("MainWidth"), SingleText(twips.width()));
    store.setValue(QStringLiteral("MainHeight"), SingleText(twips.height()));
    store.endGroup();
    store.sync();
}

void WriteWindowPlacement(const QWidget& window) {
    if (window.isMinimized())
        return;
    const QRect frame = window.frameGeometry();
    const auto twips = [&window](int pixels) { return PixelsToTwips(pixels, &window); };
    WritePlacement(*OpenPlacementStore(), QRectF(twips(frame.left()), twips(frame.top()),
                                                 twips(frame.width()), twips(frame.height())));
}

} // namespace mtz4
