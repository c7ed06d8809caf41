// The libFuzzer entry points of a fuzz target. With the environment variable
// MTZ4_FUZZ_WRITE_SEEDS set to a directory, the program writes its seeds
// there as files (seed-0, seed-1, ...) and exits: scripts/fuzz.sh starts each
// corpus that way.
#include "FuzzTarget.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const QByteArray dir = qgetenv("MTZ4_FUZZ_WRITE_SEEDS");
    if (dir.isEmpty())
        return 0;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    const QList<QByteArray> seeds = mtz4::fuzz::seeds();
    for (qsizetype i = 0; i < seeds.size(); ++i) {
        QFile file(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("seed-%1").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(seeds[i]) != seeds[i].size())
            std::exit(1);
    }
    std::exit(0);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mtz4::fuzz::fuzzOne(QByteArrayView(data, qsizetype(size)));
    return 0;
}
