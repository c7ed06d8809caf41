// Start-up: the state after start, the command-line file, the port number
// from the INI file.
#include "app/MainWindow.h"
#include "support/Shell.h"

#include "app/CommandLine.h"
#include "link/Link.h"
#include "model/ReferenceTables.h"

#include <QComboBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void stateAfterStartWithoutFile();
    void commandLineQuotesAreStrippedOnlyInPairs_data();
    void commandLineQuotesAreStrippedOnlyInPairs();
    void startWithGoodFile();
    void startWithQuotedFile();
    void startWithMissingFileKeepsDefaults();
    void startWithBadFileKeepsDefaults();
    void portFromIniFile_data();
    void portFromIniFile();
};

void StartupTest::stateAfterStartWithoutFile() {
    Shell shell;
    frmMain& w = shell.window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Orlenk MT-Z4/Z40 Clone Utility"));
    QVERIFY(!shell.ds().DataChanged);
    QVERIFY(shell.ds().CurrentFile.isEmpty());
    QCOMPARE(shell.ds().ModelIndex, 0);
    QVERIFY(shell.prompter.prompts.isEmpty());

    QCOMPARE(w.cbbBank()->count(), frmMain::BankListCount);
    QCOMPARE(w.cbbBank()->itemText(0), QStringLiteral("Bank 0"));
    QCOMPARE(w.cbbBank()->itemText(49), QStringLiteral("Bank 49"));
    QCOMPARE(w.cbbBank()->itemText(51), QStringLiteral("Seach Pass"));
    QCOMPARE(w.cbbBank()->currentText(), QStringLiteral("All"));
    QVERIFY(w.cbbBank()->isHidden());

    QCOMPARE(w.TabStrip1()->currentIndex(), int(frmMain::Settings1Tab));
    QCOMPARE(w.TabStrip1()->count(), 4);
    QCOMPARE(w.TabStrip1()->tabText(2), QStringLiteral("Memory"));

    // Default settings, factory VFO records and the bank boxes are in place.
    QVERIFY(shell.ds().SetLine1.startsWith(QStringLiteral("A5")));
    QVERIFY(!shell.ds().VfoText[0][Col::Freq].isEmpty());
    QCOMPARE(shell.ds().bank.txtBank[9], QStringLiteral("100"));
    QCOMPARE(shell.ds().bank.txtBank[10], QStringLiteral("0"));
    QVERIFY(w.isVisible());
}

void StartupTest::commandLineQuotesAreStrippedOnlyInPairs_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    const QString program = QStringLiteral("mtz4clone");
    QTest::newRow("none") << QStringList{program} << QString();
    QTest::newRow("quoted") << QStringList{program, QStringLiteral("\"/tmp/a b.MZ4\"")}
                            << QStringLiteral("/tmp/a b.MZ4");
    QTest::newRow("unquoted long") << QStringList{program, QStringLiteral("/tmp/radio.MZ4")}
                                   << QStringLiteral("/tmp/radio.MZ4");
    QTest::newRow("unquoted short")
        << QStringList{program, QStringLiteral("a.MZ4x")} << QStringLiteral("a.MZ4x");
    QTest::newRow("opening quote only")
        << QStringList{program, QStringLiteral("\"/tmp/x.MZ4")} << QStringLiteral("\"/tmp/x.MZ4");
    QTest::newRow("split at blanks")
        << QStringList{program, QStringLiteral("/tmp/my"), QStringLiteral("file.MZ4")}
        << QStringLiteral("/tmp/my file.MZ4");
    QTest::newRow("lone quote") << QStringList{program, QStringLiteral("\"")}
                                << QStringLiteral("\"");
}

void StartupTest::commandLineQuotesAreStrippedOnlyInPairs() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QCOMPARE(CommandFileFromArguments(arguments), file);
}

void StartupTest::startWithGoodFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(path, 433.5));
    Shell shell({QStringLiteral("mtz4clone"), path});
    QCOMPARE(shell.program->commandFile(), path);
    QVERIFY(shell.prompter.prompts.isEmpty());
    QCOMPARE(shell.window().windowTitle(),
             QStringLiteral("radio.MZ4 - Orlenk MT-Z4/Z40 Clone Utility"));
    QCOMPARE(shell.ds().CurrentFile, path);
    QCOMPARE(shell.ds().MemText[0][Col::Freq], QStringLiteral("433.500000"));
    QVERIFY(!shell.ds().DataChanged);
}

void StartupTest::startWithQuotedFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("with blank.MZ4"));
    QVERIFY(WriteCloneFile(path));
    Shell shell({QStringLiteral("mtz4clone"), QLatin1Char('"') + path + QLatin1Char('"')});
    QCOMPARE(shell.ds().CurrentFile, path);
    QVERIFY(shell.prompter.prompts.isEmpty());
    QCOMPARE(shell.window().windowTitle(),
             QStringLiteral("with blank.MZ4 - Orlenk MT-Z4/Z40 Clone Utility"));
}

void StartupTest::startWithMissingFileKeepsDefaults() {
    Shell shell({QStringLiteral("mtz4clone"), QStringLiteral("/nonexistent/radio.MZ4")});
    QCOMPARE(shell.prompter.texts(), QStringList{QStringLiteral("File Open Error")});
    QCOMPARE(shell.prompter.prompts.at(0).title, QStringLiteral("ERROR"));
    QCOMPARE(shell.window().windowTitle(), Ref().AppTitle);
    QVERIFY(shell.ds().CurrentFile.isEmpty());
    QVERIFY(!shell.ds().DataChanged);
    QCOMPARE(shell.window().cbbBank()->currentText(), QStringLiteral("All"));
    QVERIFY(shell.window().isVisible());
}

void StartupTest::startWithBadFileKeepsDefaults() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.MZ4"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < CloneFileLineCount; ++i)
        file.write("not a clone file\r\n");
    file.close();

    Shell shell({QStringLiteral("mtz4clone"), path});
    QCOMPARE(shell.prompter.texts(), QStringList{QStringLiteral("Data Error")});
    QCOMPARE(shell.window().windowTitle(), Ref().AppTitle);
    QVERIFY(shell.ds().CurrentFile.isEmpty());
    QVERIFY(!shell.ds().DataChanged);
}

void StartupTest::portFromIniFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("port");
    QTest::newRow("no file") << QByteArray() << 1;
    QTest::newRow("3") << QByteArray("3\r\n") << 3;
    QTest::newRow("14") << QByteArray("14\r\n") << 14;
    // The COM port dialog offers 15 and 16: they must survive a restart.
    QTest::newRow("16") << QByteArray("16\r\n") << 16;
    QTest::newRow("17") << QByteArray("17\r\n") << 1;
    QTest::newRow("0") << QByteArray("0\r\n") << 1;
    QTest::newRow("text") << QByteArray("COM3\r\n") << 1;
}

void StartupTest::portFromIniFile() {
    QFETCH(QByteArray, content);
    QFETCH(int, port);
    Shell shell({QStringLiteral("mtz4clone")}, content);
    QCOMPARE(shell.program->link().portNumber(), port);
    QVERIFY(!shell.program->link().isOpen());
}

QTEST_MAIN(StartupTest)
#include "Startup_test.moc"
