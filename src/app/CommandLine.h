#pragma once

#include <QString>
#include <QStringList>

namespace mtz4 {

// The clone file named on the command line: the arguments after the program
// name, joined by blanks (a path with blanks may arrive split). A path in
// double quotes loses exactly those two quotes; anything else is used as it
// is. Empty when there are no arguments.
QString CommandFileFromArguments(const QStringList& arguments);

// What the program prints instead of starting when its only argument is
// "--version" or "--help"; empty for any other command line, which names a
// clone file to open.
QString InformationRequested(const QStringList& arguments);

} // namespace mtz4
