// Automatic backups: the names, pruning to the newest 50, the data set left
// as it was, the list with its counts, and a folder that cannot be written.
#include "files/Backups.h"
#include "reference/FactoryData.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace mtz4;

class BackupsTest : public QObject {
    Q_OBJECT

private slots:
    void writtenListedAndPruned();
    void pruningTouchesOnlyBackupsAndSurvivesAClockSetBack();
    void aFolderThatCannotBeWritten();
    void twoWindowsKeepEachOthersBackups();
};

void BackupsTest::writtenListedAndPruned() {
    QTemporaryDir dir;
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ40E);
    ds->MemData[3][Col::Freq] = 145.5;
    ds->MemEnable[3] = true;
    ds->CurrentFile = QStringLiteral("/somewhere/radio.MZ4");
    ds->DataChanged = true;
    const auto before = std::make_unique<DataSet>(*ds);

    const QDateTime start(QDate(2026, 12, 8), QTime(5, 12, 33));
    QString error;
    const QString first = WriteBackup(*ds, QStringLiteral("after read"), start, &error, dir.path());
    QCOMPARE(QFileInfo(first).fileName(),
             QStringLiteral("2026-12-08 05-12-33 MT-Z40E after read.MZ4"));
    const QString second =
        WriteBackup(*ds, QStringLiteral("after read"), start, &error, dir.path());
    QVERIFY(second.endsWith(QStringLiteral(" after read (2).MZ4")));
    QCOMPARE(ds->CurrentFile, before->CurrentFile);
    QVERIFY(ds->DataChanged);
    QCOMPARE(ds->MemText, before->MemText);

    for (int i = 1; i <= BackupsKept; ++i)
        QVERIFY(
            !WriteBackup(*ds, QStringLiteral("after read"), start.addSecs(i), &error, dir.path())
                 .isEmpty());
    const QList<BackupInfo> backups = ListBackups(dir.path());
    QCOMPARE(backups.size(), BackupsKept);
    QCOMPARE(backups.first().when, start.addSecs(BackupsKept));
    QCOMPARE(backups.last().when, start.addSecs(1)); // the two oldest are gone
    QCOMPARE(backups.first().model, QStringLiteral("MT-Z40E"));
    QCOMPARE(backups.first().occasion, QStringLiteral("after read"));
    QCOMPARE(backups.first().enabledEntries, 1);
    QVERIFY(!QFile::exists(first) && !QFile::exists(second));
}

void BackupsTest::pruningTouchesOnlyBackupsAndSurvivesAClockSetBack() {
    QTemporaryDir dir;
    DataSet ds;
    MakeFactoryDataSet(ds, 0);
    QString error;
    // Files of the user's own in the folder, one named almost like a backup.
    const QStringList own = {dir.filePath(QStringLiteral("radio.MZ4")),
                             dir.filePath(QStringLiteral("2020-01-01 00-00-00 MT-Z4J mine.MZ4"))};
    for (const QString& path : own) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // Backups written before the clock was set back by a year.
    const QDateTime future(QDate(2027, 6, 1), QTime(12, 0, 0));
    for (int i = 0; i < BackupsKept; ++i)
        QVERIFY(!WriteBackup(ds, QStringLiteral("before Write ALL"), future.addSecs(i), &error,
                             dir.path())
                     .isEmpty());
    // Every backup written since is kept; the future-dated ones go first.
    const QDateTime now(QDate(2026, 6, 1), QTime(12, 0, 0));
    QStringList written;
    for (int i = 0; i < 3; ++i)
        written << WriteBackup(ds, QStringLiteral("before Read ALL"), now.addSecs(i), &error,
                               dir.path());
    for (const QString& path : written + own)
        QVERIFY2(QFile::exists(path), qPrintable(path));
    const QList<BackupInfo> backups = ListBackups(dir.path(), false);
    QCOMPARE(backups.size(), BackupsKept);
    QVERIFY(!QFile::exists(
        dir.filePath(QStringLiteral("2027-06-01 12-00-00 MT-Z4J before Write ALL.MZ4"))));
    QVERIFY(QFile::exists(
        dir.filePath(QStringLiteral("2027-06-01 12-00-03 MT-Z4J before Write ALL.MZ4"))));

    // Within one second the later backup is the newer one: the first goes.
    QTemporaryDir second;
    QString last;
    for (int i = 0; i <= BackupsKept; ++i)
        last = WriteBackup(ds, QStringLiteral("after Read ALL"), now, &error, second.path());
    QVERIFY(last.endsWith(QStringLiteral(" after Read ALL (51).MZ4")));
    const QList<BackupInfo> sameSecond = ListBackups(second.path(), false);
    QCOMPARE(sameSecond.size(), BackupsKept);
    QCOMPARE(sameSecond.first().sequence, BackupsKept + 1);
    QCOMPARE(sameSecond.last().sequence, 2);
}

void BackupsTest::aFolderThatCannotBeWritten() {
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("backups"));
    QFile file(blocked); // a file where the folder should be
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    DataSet ds;
    MakeFactoryDataSet(ds, 0);
    QString error;
    QVERIFY(
        WriteBackup(ds, QStringLiteral("after read"), QDateTime::currentDateTime(), &error, blocked)
            .isEmpty());
    // In the plain words of a failed save.
    QVERIFY2(error.startsWith(QStringLiteral("cannot write %1/").arg(blocked)) &&
                 error.endsWith(QStringLiteral(": %1 is not a folder").arg(blocked)),
             qPrintable(error));
}

// Two windows back up into the same folder: one's backup dated a moment after
// the other's is not taken for one from before a clock set back, and neither
// is pruned; two writing in the same second get names of their own, even
// side by side.
void BackupsTest::twoWindowsKeepEachOthersBackups() {
    QTemporaryDir dir;
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, 0);
    QString error;
    const QDateTime start(QDate(2026, 6, 1), QTime(12, 0, 0));
    for (int i = 0; i < BackupsKept; ++i)
        WriteBackup(*ds, QStringLiteral("after Read ALL"), start.addSecs(i), &error, dir.path());
    const QString other = WriteBackup(*ds, QStringLiteral("before Write ALL"),
                                      start.addSecs(BackupsKept + 5), &error, dir.path());
    const QString mine = WriteBackup(*ds, QStringLiteral("before Read ALL"),
                                     start.addSecs(BackupsKept + 4), &error, dir.path());
    QVERIFY(QFile::exists(other));
    QVERIFY(QFile::exists(mine));
    QCOMPARE(ListBackups(dir.path(), false).size(), BackupsKept);

    QTemporaryDir same;
    QStringList written[2];
    const auto write = [&](int window) {
        for (int i = 0; i < 20; ++i)
            written[window] << WriteBackup(*ds, QStringLiteral("after Read ALL"), start, nullptr,
                                           same.path());
    };
    std::unique_ptr<QThread> thread(QThread::create(write, 1));
    thread->start();
    write(0);
    thread->wait();
    QCOMPARE(ListBackups(same.path(), false).size(), 40);
}

QTEST_GUILESS_MAIN(BackupsTest)
#include "Backups_test.moc"
