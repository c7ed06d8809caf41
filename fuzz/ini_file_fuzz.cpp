// The INI reader on any text: a port number from 1 to 16, or none.
#include "FuzzTarget.h"
#include "files/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace mtz4::fuzz {

// The files the program writes for every port number.
QList<QByteArray> seeds() {
    QList<QByteArray> files;
    QTemporaryDir dir;
    for (int port = FirstPort; port <= LastPort; ++port) {
        WriteIniPort({dir.path(), QString()}, port);
        QFile file(dir.filePath(QStringLiteral("MT-Z4.ini")));
        if (file.open(QIODevice::ReadOnly))
            files.append(file.readAll());
    }
    return files;
}

void fuzzOne(QByteArrayView input) {
    const int port = IniPortOfText(input.toByteArray());
    FUZZ_CHECK(port == 0 || (port >= FirstPort && port <= LastPort));
}

} // namespace mtz4::fuzz
