#pragma once

#include "files/SettingsFile.h"

#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace mtz4 {

// Where the main window's placement is written when the program ends: the
// per-user settings file of organisation "mtz4-clone", application
// "mtz4clone" in the user's configuration folder (on Linux
// ~/.config/mtz4-clone/mtz4clone.conf, where QSettings keeps it), section
// "Settings". The window title contains a "/" and so cannot name the store
// itself.
inline constexpr char PlacementOrganisation[] = "mtz4-clone";
inline constexpr char PlacementApplication[] = "mtz4clone";

QString PlacementStorePath();
std::unique_ptr<SettingsFile> OpenPlacementStore();

// Where a setting that could not be stored is told (the window's status
// bar): "the settings were not stored: cannot write ...". Every Write...
// below goes through it; nothing is told while none is set.
void SetSettingsFailureHandler(std::function<void(const QString&)> handler);
// The text told for a store that failed for `reason`.
QString SettingsFailureText(const QString& reason);

// Writes "MainLeft", "MainTop", "MainWidth" and "MainHeight" in section
// "Settings": the window's outer rectangle in twips, each as the decimal text
// of a single-precision number. The program never reads them back. Returns
// the reason when they could not be stored, empty otherwise.
QString WritePlacement(SettingsFile& store, const QRectF& twips);
// The same for the window's frame as it stands; nothing for a minimised window.
QString WriteWindowPlacement(const QWidget& window);

// View > Hide Empty Entries, remembered between runs (section "View" of the
// same store).
bool ReadHideEmptyEntries();
void WriteHideEmptyEntries(bool hide);

// Tool > Quick Read: memory reads fetch only the entries in use (section
// "Tool" of the same store; off unless set).
bool ReadQuickRead();
// Tool > Verify After Write, remembered likewise.
bool ReadVerifyAfterWrite();
void WriteVerifyAfterWrite(bool verify);
void WriteQuickRead(bool quick);

// The serial device chosen in COM Port Setup outside the sixteen numbered
// ports (section "Port" of the same store): used instead of the INI file's
// port number until another port is chosen, even while it is unplugged.
// Empty when a numbered port is in use.
QString ReadChosenDevice();
void WriteChosenDevice(const QString& device);

// Stores one setting at once (the recent files, the note code page), a
// failure told as above.
void StoreSetting(const QString& key, const QVariant& value);

// The decimal text of a value as a single-precision number ("1500", "1234.5").
QString SingleText(double value);

} // namespace mtz4
