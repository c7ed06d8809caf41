#include "files/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace mtz4;

class IniFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    IniLocation where() const {
        return {root.filePath(QStringLiteral("program")), root.filePath(QStringLiteral("user"))};
    }
    void put(const QString& dir, const QByteArray& content) {
        QDir().mkpath(dir);
        QFile f(QDir(dir).filePath(QStringLiteral("MT-Z4.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray content(const QString& dir) {
        QFile f(QDir(dir).filePath(QStringLiteral("MT-Z4.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private slots:
    void cleanup() {
        QDir(where().programDir).removeRecursively();
        QDir(where().userDir).removeRecursively();
    }

    void portNumbers_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("port");
        QTest::newRow("14") << QByteArray("14\r\n") << 14;
        QTest::newRow("15 is kept") << QByteArray("15\r\n") << 15;
        QTest::newRow("16 is kept") << QByteArray("16\r\n") << 16;
        QTest::newRow("17") << QByteArray("17\r\n") << 1;
        QTest::newRow("0") << QByteArray("0\r\n") << 1;
        QTest::newRow("negative") << QByteArray("-3\r\n") << 1;
        QTest::newRow("no number") << QByteArray("COM3\r\n") << 1;
        QTest::newRow("empty") << QByteArray() << 1;
        QTest::newRow("blanks and no line end") << QByteArray("  7") << 7;
    }
    void portNumbers() {
        QFETCH(QByteArray, content);
        QFETCH(int, port);
        put(where().programDir, content);
        QCOMPARE(ReadIniPort(where()), port);
    }

    void noFileGivesPortOne() { QCOMPARE(ReadIniPort(where()), 1); }

    void writeGoesBesideTheProgramAsOneLine() {
        QDir().mkpath(where().programDir);
        QVERIFY(WriteIniPort(where(), 16));
        QCOMPARE(content(where().programDir), QByteArray("16\r\n"));
        QCOMPARE(ReadIniPort(where()), 16);
    }

    void perUserCopyIsReadFirstAndRetiredByAProgramDirWrite() {
        put(where().programDir, "3\r\n");
        put(where().userDir, "9\r\n");
        QCOMPARE(ReadIniPort(where()), 9);
        QVERIFY(WriteIniPort(where(), 4));
        QCOMPARE(content(where().userDir), QByteArray("<missing>"));
        QCOMPARE(ReadIniPort(where()), 4);
    }

    void unwritableProgramDirFallsBackToTheUserDir() {
        // A program "directory" that is a file can never be written, even by root.
        QFile blocker(root.filePath(QStringLiteral("program")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(WriteIniPort(where(), 12));
        QCOMPARE(content(where().userDir), QByteArray("12\r\n"));
        QCOMPARE(ReadIniPort(where()), 12);
        QFile::remove(root.filePath(QStringLiteral("program")));
    }

    // Two windows end one after the other: one that kept the port it found
    // leaves the port the other stored since.
    void portAtExitWithTwoWindows_data() {
        QTest::addColumn<QByteArray>("stored"); // what the file holds at exit
        QTest::addColumn<int>("atStart");
        QTest::addColumn<int>("atExit");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("unchanged: another window's choice stays")
            << QByteArray("3\r\n") << 1 << 1 << QByteArray("3\r\n");
        QTest::newRow("changed here: written")
            << QByteArray("3\r\n") << 1 << 5 << QByteArray("5\r\n");
        QTest::newRow("no file yet: written") << QByteArray() << 1 << 1 << QByteArray("1\r\n");
        QTest::newRow("a file without a port: written")
            << QByteArray("x\r\n") << 2 << 2 << QByteArray("2\r\n");
    }
    void portAtExitWithTwoWindows() {
        QFETCH(QByteArray, stored);
        QFETCH(int, atStart);
        QFETCH(int, atExit);
        QFETCH(QByteArray, after);
        QDir().mkpath(where().programDir);
        if (!stored.isEmpty())
            put(where().programDir, stored);
        QVERIFY(StoreIniPortAtExit(where(), atExit, atStart));
        QCOMPARE(content(where().programDir), after);
    }

    void installedProgramKeepsItsIniPerUser() {
        const QString prefix = root.filePath(QStringLiteral("prefix"));
        const QString bin = prefix + QStringLiteral("/bin");
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(IniLocationFor(bin, where().userDir).programDir, bin);

        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/share/applications")));
        QFile entry(prefix + QStringLiteral("/share/applications/mtz4clone.desktop"));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.close();
        const IniLocation installed = IniLocationFor(bin, where().userDir);
        QVERIFY(installed.programDir.isEmpty());
        QVERIFY(WriteIniPort(installed, 7)); // even where the program's directory is writable
        QCOMPARE(content(where().userDir), QByteArray("7\r\n"));
        QVERIFY(!QFile::exists(bin + QStringLiteral("/MT-Z4.ini")));
        QCOMPARE(ReadIniPort(installed), 7);
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "IniFile_test.moc"
