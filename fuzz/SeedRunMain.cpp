// A fuzz target as a plain program: runs its seeds, then every file named on
// the command line (findings kept as regression inputs, say), once each.
#include "FuzzTarget.h"

#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    int runs = 0;
    for (const QByteArray& seed : mtz4::fuzz::seeds()) {
        mtz4::fuzz::fuzzOne(seed);
        ++runs;
    }
    for (int i = 1; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        mtz4::fuzz::fuzzOne(file.readAll());
        ++runs;
    }
    std::printf("%d inputs run, no finding\n", runs);
    return runs > 0 ? 0 : 1;
}
