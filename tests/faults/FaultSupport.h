#pragma once

// Shared by the end-to-end fault and soak suites: random clone files, what a
// clone transfer must carry, and what the simulated receiver must hold after
// a given run. Header only.

#include "CloneFile.h"
#include "MemoryImage.h"
#include "Receiver.h"
#include "files/CloneFile.h"
#include "model/DataSet.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <memory>

#include <sys/mount.h>
#include <sys/resource.h>

namespace mtz4::test {

// A tmpfs of the given size, on a fresh folder or on the folder `at`,
// unmounted when destroyed. Mounting takes root with CAP_SYS_ADMIN (as in
// CI); mounted() says whether it worked.
class ScratchMount {
public:
    explicit ScratchMount(qint64 bytes, const QString& at = {})
        : at_(at.isEmpty() ? dir_.path() : at) {
        const QByteArray options = "size=" + QByteArray::number(bytes);
        mounted_ = dir_.isValid() && ::mount("tmpfs", QFile::encodeName(at_).constData(), "tmpfs",
                                             0, options.constData()) == 0;
    }
    ~ScratchMount() {
        if (mounted_)
            ::umount2(QFile::encodeName(at_).constData(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;
    bool mounted() const { return mounted_; }
    QString path(const QString& name) const { return at_ + QLatin1Char('/') + name; }
    bool makeReadOnly() {
        return ::mount("tmpfs", QFile::encodeName(at_).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       nullptr) == 0;
    }

private:
    QTemporaryDir dir_;
    QString at_;
    bool mounted_ = false;
};

// Lets every write beyond `bytes` of a file fail while it lives, as a full
// disk; programs started meanwhile inherit the limit.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    struct rlimit old_ {};
    void (*handler_)(int) = nullptr;
};

// Entries from here on have no enable bit that a clone read fetches.
inline constexpr int EntriesWithEnableBitsRead = 1280;

// Saves a random data set of model MT-Z4J at path; returns it as loaded back
// (what the tool works on), or null when the file could not be written.
inline std::unique_ptr<DataSet> writeRandomFile(const QString& path, quint32 seed) {
    QRandomGenerator rng(seed);
    auto ds = std::make_unique<DataSet>();
    FillRandomDataSet(*ds, rng, Model::MTZ4J);
    if (SaveCloneFile(*ds, path) != CloneFileStatus::Ok)
        return nullptr;
    auto loaded = std::make_unique<DataSet>();
    MakeFactoryDataSet(*loaded, Model::MTZ4J);
    return ReadCloneFile(*loaded, path) == CloneFileStatus::Ok ? std::move(loaded) : nullptr;
}

inline std::unique_ptr<DataSet> loadFile(const QString& path) {
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    return ReadCloneFile(*ds, path) == CloneFileStatus::Ok ? std::move(ds) : nullptr;
}

enum class Part { Settings, Memory, All };

// The first difference between two data sets in what a clone transfer of
// `part` carries (settings and VFO records; enable bits, entries with their
// names, bank sizes and groups); empty when there is none. Notes stay on the
// computer and are not compared.
inline QString travelledDifference(const DataSet& a, const DataSet& b, Part part) {
    if (part != Part::Memory) {
        if (!(a.settings == b.settings))
            return QStringLiteral("settings");
        for (int band = 0; band < BandCount; ++band)
            if (a.VfoData[band] != b.VfoData[band])
                return QStringLiteral("VFO band %1").arg(band);
    }
    if (part != Part::Settings) {
        for (int n = 0; n < EntriesWithEnableBitsRead; ++n) {
            if (a.MemEnable[n] != b.MemEnable[n] || a.MemData[n] != b.MemData[n] ||
                a.MemText[n][Col::Name] != b.MemText[n][Col::Name])
                return QStringLiteral("entry %1").arg(n);
        }
        for (int bank = 0; bank < BankCount; ++bank)
            if (a.BankSize[bank] != b.BankSize[bank])
                return QStringLiteral("size of bank %1").arg(bank);
        if (a.GroupFlag != b.GroupFlag)
            return QStringLiteral("groups");
    }
    return {};
}

// The clone file a simulated receiver of `model` dumps after carrying out
// `commands`, one after the other, from the factory state.
inline QByteArray receiverAfter(const QStringList& commands, bool cloneMode,
                                const char* model = "MT-Z4J") {
    sim::MemoryImage image;
    sim::Receiver receiver(model, image);
    receiver.setCloneMode(cloneMode);
    for (const QString& command : commands)
        receiver.handle(command.toStdString());
    return QByteArray::fromStdString(sim::cloneText(image));
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace mtz4::test
