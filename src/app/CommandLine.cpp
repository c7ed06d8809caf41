#include "app/CommandLine.h"

namespace mtz4 {

QString CommandFileFromArguments(const QStringList& arguments) {
    const QString line = arguments.mid(1).join(QLatin1Char(' '));
    const QChar quote = QLatin1Char('"');
    if (line.size() >= 2 && line.front() == quote && line.back() == quote)
        return line.mid(1, line.size() - 2);
    return line;
}

} // namespace mtz4
