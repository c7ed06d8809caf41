// File faults: saving where it cannot be done (a folder that takes no new
// file, a full disk, a path that is a folder, a file removed or replaced
// since it was opened) gives "File Open Error" with a reason and leaves the
// previous file intact, byte for byte; mtz4ctl read finds out before the
// first command whether its output can be written, and never reports
// success for a file it could not write.
//
// Read-only and full file systems are small tmpfs mounts where this process
// may mount (root with CAP_SYS_ADMIN, as in CI); elsewhere the test says so
// and uses an equivalent: a folder without write permission (not root), a
// file size limit (RLIMIT_FSIZE) for the full disk.
#include "FaultSupport.h"
#include "support/ScriptedPrompter.h"
#include "support/SimRunner.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace mtz4;
using namespace mtz4::test;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

std::unique_ptr<DataSet> randomData(quint32 seed) {
    QRandomGenerator rng(seed);
    auto ds = std::make_unique<DataSet>();
    FillRandomDataSet(*ds, rng, Model::MTZ4J);
    return ds;
}

// A save that must fail: "File Open Error", a reason naming the path, the
// data set's file and change flag as they were.
void checkRefusedSave(DataSet& ds, const QString& path, bool current = false) {
    const QString before = ds.CurrentFile;
    ds.DataChanged = true;
    ScriptedPrompter prompter;
    QVERIFY(!(current ? SaveCurrentCloneFile(ds, prompter) : SaveCloneFile(ds, path, prompter)));
    QCOMPARE(prompter.texts(), QStringList{QStringLiteral("File Open Error")});
    QCOMPARE(prompter.reasons.size(), 1);
    QVERIFY2(prompter.reasons[0].contains(QDir::toNativeSeparators(path)),
             qPrintable(prompter.reasons[0]));
    QCOMPARE(ds.CurrentFile, before);
    QVERIFY(ds.DataChanged);
}

} // namespace

class FileFaultsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void folderThatTakesNoFile() {
        const auto ds = randomData(1);
        const QByteArray previous = CloneFileText(*randomData(2));
        ScratchMount mount(1 << 20);
        QString folder;
        bool hasPrevious = true;
        if (mount.mounted()) {
            QVERIFY(writeBytes(mount.path(QStringLiteral("radio.MZ4")), previous));
            QVERIFY(mount.makeReadOnly());
            folder = mount.path(QString());
        } else if (::geteuid() != 0) {
            qInfo("cannot mount here: a folder without write permission instead");
            folder = dir.filePath(QStringLiteral("locked"));
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(writeBytes(folder + QStringLiteral("/radio.MZ4"), previous));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        } else {
            // Root writes through any permission; /proc takes no new file from anyone.
            qInfo("root that cannot mount here: /proc stands for the read-only folder");
            folder = QStringLiteral("/proc");
            hasPrevious = false;
        }
        const QString file = QDir(folder).filePath(QStringLiteral("radio.MZ4"));
        checkRefusedSave(*ds, file);
        if (hasPrevious) {
            QCOMPARE(fileBytes(file), previous);
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                     QStringList{QStringLiteral("radio.MZ4")});
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else {
            QVERIFY(!QFile::exists(file));
        }
    }

    void fullDisk() {
        const auto ds = randomData(3);
        const QByteArray previous = CloneFileText(*randomData(4));
        ScratchMount mount(previous.size() + 16 * 1024); // room for the old file only
        const QString file = mount.mounted() ? mount.path(QStringLiteral("radio.MZ4"))
                                             : dir.filePath(QStringLiteral("full.MZ4"));
        QVERIFY(writeBytes(file, previous));
        if (mount.mounted()) {
            checkRefusedSave(*ds, file);
        } else {
            qInfo("cannot mount here: a file size limit stands for the full disk");
            FileSizeLimit limit(4096);
            checkRefusedSave(*ds, file);
        }
        QCOMPARE(fileBytes(file), previous);
    }

    void pathThatIsAFolder() {
        const auto ds = randomData(5);
        const QString folder = dir.filePath(QStringLiteral("radio.MZ4"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(folder + QStringLiteral("/inside"), "kept"));
        checkRefusedSave(*ds, folder);
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(fileBytes(folder + QStringLiteral("/inside")), QByteArray("kept"));
    }

    void fileRemovedOrReplacedBetweenOpenAndSave() {
        const QString file = dir.filePath(QStringLiteral("opened.MZ4"));
        QVERIFY(writeBytes(file, CloneFileText(*randomData(6))));
        const auto ds = loadFile(file);
        QVERIFY(ds);

        // Replaced by another program: the Save command keeps its file.
        const QByteArray other = CloneFileText(*randomData(7));
        QVERIFY(writeBytes(file, other));
        checkRefusedSave(*ds, file, true);
        QCOMPARE(fileBytes(file), other);

        // Removed: the Save command does not bring back a file that someone removed.
        QVERIFY(QFile::remove(file));
        checkRefusedSave(*ds, file, true);
        QVERIFY(!QFile::exists(file));

        // Save As, which names its file anew, writes; then Save works again.
        QCOMPARE(SaveCloneFile(*ds, file), CloneFileStatus::Ok);
        QCOMPARE(SaveCurrentCloneFile(*ds), CloneFileStatus::Ok);
    }

    // The read's output is checked before the first command goes out.
    void readIntoAPlaceThatCannotHoldItSendsNothing() {
        SimRunner sim;
        QVERIFY(sim.start({QStringLiteral("--clone-mode")}));
        const QString folder = sim.path(QStringLiteral("folder"));
        QVERIFY(QDir().mkpath(folder));
        for (const QString& out : {sim.path(QStringLiteral("missing/out.MZ4")), folder}) {
            const CtlRun run = runCtl({QStringLiteral("read"), QStringLiteral("--device"),
                                       sim.device(), QStringLiteral("--model"),
                                       QStringLiteral("MT-Z4J"), QStringLiteral("-o"), out});
            QCOMPARE(run.exitCode, 1);
            const QStringList lines = run.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines[0], QStringLiteral("mtz4ctl: ERROR: File Open Error"));
            QVERIFY2(lines[1].contains(out), qPrintable(lines[1]));
        }
        QVERIFY(sim.commands().isEmpty());
        QVERIFY(QFileInfo(folder).isDir());
    }

    // A read whose file cannot be written after all is a failure, not a success.
    void readOntoAFullDiskFailsAndKeepsThePreviousFile() {
        ScratchMount mount(200 * 1024);
        SimRunner sim;
        QVERIFY(sim.start({QStringLiteral("--clone-mode")}));
        const QString out = mount.mounted() ? mount.path(QStringLiteral("out.MZ4"))
                                            : dir.filePath(QStringLiteral("read-full.MZ4"));
        const QByteArray previous = CloneFileText(*randomData(8));
        QVERIFY(writeBytes(out, previous));
        const QStringList args{QStringLiteral("read"),
                               QStringLiteral("--device"),
                               sim.device(),
                               QStringLiteral("--model"),
                               QStringLiteral("MT-Z4J"),
                               QStringLiteral("-o"),
                               out};
        CtlRun run;
        if (mount.mounted()) {
            QVERIFY(writeBytes(mount.path(QStringLiteral("filler")), QByteArray(60 * 1024, 'x')));
            run = runCtl(args);
        } else {
            qInfo("cannot mount here: a file size limit, inherited by mtz4ctl, stands for the "
                  "full disk");
            FileSizeLimit limit(4096);
            run = runCtl(args);
        }
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(!run.errors.contains(QStringLiteral("Successed!!")), qPrintable(run.errors));
        QVERIFY2(run.errors.startsWith(QStringLiteral("mtz4ctl: ERROR: File Open Error\n")),
                 qPrintable(run.errors));
        QCOMPARE(fileBytes(out), previous);
    }
};

QTEST_GUILESS_MAIN(FileFaultsTest)
#include "FileFaults_test.moc"
