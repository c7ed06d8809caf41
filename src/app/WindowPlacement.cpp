#include "app/WindowPlacement.h"

#include "editing/Twips.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QWidget>

namespace mtz4 {

namespace {
// Significant digits of a single-precision number.
constexpr int SingleDigits = 7;

std::function<void(const QString&)>& failureHandler() {
    static std::function<void(const QString&)> handler;
    return handler;
}

// Opens the store, lets `change` change it and writes it at once; a failure
// is told.
void store(const std::function<void(SettingsFile&)>& change) {
    const auto settings = OpenPlacementStore();
    change(*settings);
    QString reason;
    if (!settings->sync(&reason) && failureHandler())
        failureHandler()(SettingsFailureText(reason));
}

const QString HideEmptyKey = QStringLiteral("View/HideEmptyEntries");
const QString QuickReadKey = QStringLiteral("Tool/QuickRead");
const QString VerifyAfterWriteKey = QStringLiteral("Tool/VerifyAfterWrite");
const QString ChosenDeviceKey = QStringLiteral("Port/Device");
} // namespace

QString PlacementStorePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QString::fromLatin1(PlacementOrganisation) + QLatin1Char('/') +
                  QString::fromLatin1(PlacementApplication) + QStringLiteral(".conf"));
}

std::unique_ptr<SettingsFile> OpenPlacementStore() {
    return std::make_unique<SettingsFile>(PlacementStorePath());
}

void SetSettingsFailureHandler(std::function<void(const QString&)> handler) {
    failureHandler() = std::move(handler);
}

QString SettingsFailureText(const QString& reason) {
    return QCoreApplication::translate("WindowPlacement", "the settings were not stored: %1")
        .arg(reason);
}

bool ReadHideEmptyEntries() {
    return OpenPlacementStore()->value(HideEmptyKey, false).toBool();
}

void WriteHideEmptyEntries(bool hide) {
    store([hide](SettingsFile& s) { s.setValue(HideEmptyKey, hide); });
}

bool ReadVerifyAfterWrite() {
    return OpenPlacementStore()->value(VerifyAfterWriteKey, false).toBool();
}

void WriteVerifyAfterWrite(bool verify) {
    store([verify](SettingsFile& s) { s.setValue(VerifyAfterWriteKey, verify); });
}

bool ReadQuickRead() {
    return OpenPlacementStore()->value(QuickReadKey, false).toBool();
}

void WriteQuickRead(bool quick) {
    store([quick](SettingsFile& s) { s.setValue(QuickReadKey, quick); });
}

QString ReadChosenDevice() {
    return OpenPlacementStore()->value(ChosenDeviceKey).toString();
}

void WriteChosenDevice(const QString& device) {
    store([&device](SettingsFile& s) {
        if (device.isEmpty())
            s.remove(ChosenDeviceKey);
        else
            s.setValue(ChosenDeviceKey, device);
    });
}

void StoreSetting(const QString& key, const QVariant& value) {
    store([&](SettingsFile& s) { s.setValue(key, value); });
}

QString SingleText(double value) {
    return QString::number(double(float(value)), 'g', SingleDigits);
}

QString WritePlacement(SettingsFile& store, const QRectF& twips) {
    store.setValue(QStringLiteral("Settings/MainLeft"), SingleText(twips.left()));
    store.setValue(QStringLiteral("Settings/MainTop"), SingleText(twips.top()));
    store.setValue(QStringLiteral("Settings/MainWidth"), SingleText(twips.width()));
    store.setValue(QStringLiteral("Settings/MainHeight"), SingleText(twips.height()));
    QString reason;
    return store.sync(&reason) ? QString() : reason;
}

QString WriteWindowPlacement(const QWidget& window) {
    if (window.isMinimized())
        return {};
    const QRect frame = window.frameGeometry();
    const auto twips = [&window](int pixels) { return PixelsToTwips(pixels, &window); };
    return WritePlacement(*OpenPlacementStore(),
                          QRectF(twips(frame.left()), twips(frame.top()), twips(frame.width()),
                                 twips(frame.height())));
}

} // namespace mtz4
