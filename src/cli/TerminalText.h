#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace mtz4::cli {

// What the tool prints comes partly from files and the receiver (notes,
// names, fields, device descriptions), and none of it may drive the
// terminal: control characters other than the tab (C0, DEL and C1) are
// shown escaped as \xHH ("\x1b" for ESC). Ordinary text is left as it is.
QString EscapedControls(QStringView text);

// The text escaped so, in the terminal's encoding, ready to print.
QByteArray TerminalText(QStringView text);

} // namespace mtz4::cli
