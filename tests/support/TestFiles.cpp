#include "support/TestFiles.h"

#include "reference/FactoryData.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>

namespace mtz4::test {

std::unique_ptr<DataSet> FactoryDataSet(int model) {
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, model);
    return ds;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool WithFileSizeLimit(qint64 bytes, const std::function<bool()>& write) {
    struct rlimit old {};
    if (getrlimit(RLIMIT_FSIZE, &old) != 0)
        return write();
    struct rlimit small = old;
    small.rlim_cur = rlim_t(bytes);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

} // namespace mtz4::test
