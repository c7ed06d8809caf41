#pragma once

#include <QByteArray>
#include <QString>

namespace mtz4 {

// The serial port number kept between runs in "MT-Z4.ini": one line holding
// the port number as a decimal integer, ending in CR LF.
//
// The file lives beside the program. Where the program's directory cannot be
// written, or the program was installed for the whole system, it lives in
// the per-user configuration directory instead; a file found there is read
// first.
struct IniLocation {
    QString programDir; // the directory of the executable; empty: not used
    QString userDir;    // the per-user configuration directory
};

inline constexpr int FirstPort = 1;
inline constexpr int LastPort = 16;

// The stored port number, 1..16; 1 when there is no file or it holds no
// number in that range. A device or a pipe in the file's place is not read
// (port 1), and `problem` says so.
int ReadIniPort(const IniLocation& where, QString* problem = nullptr);

// The port number on the first line of an INI file's text, or 0 when that
// line holds no number from 1 to 16.
int IniPortOfText(const QByteArray& text);

// Writes the port number (through the checked writer: a file that cannot
// be written stays as it was). Returns false when neither place can be
// written, with the reasons in `reason`.
bool WriteIniPort(const IniLocation& where, int port, QString* reason = nullptr);

// The write at the program's end, safe with several windows of the program
// ending side by side: one at a time (a lock file beside the per-user copy),
// and a window that kept the port it found at start (`portAtStart`) leaves
// a port that another window stored since as it is, so that the newest
// choice stays. Returns false when the port should have been written and
// neither place could be, with the reasons in `reason`.
bool StoreIniPortAtExit(const IniLocation& where, int port, int portAtStart,
                        QString* reason = nullptr);

// The two places for this program: the executable's directory and the
// application's per-user configuration directory.
IniLocation DefaultIniLocation();

// The places for a program in `programDir`. A program installed with its
// desktop entry (`programDir`/../share/applications/mtz4clone.desktop, as
// `cmake --install` and the Debian package lay it out) uses only `userDir`:
// a run as administrator must not leave a file among the system's programs,
// and each user keeps a port of his own.
IniLocation IniLocationFor(const QString& programDir, const QString& userDir);

} // namespace mtz4
