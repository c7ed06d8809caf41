// The sample clone file under docs/: it is what the program writes for the
// sample data set, it opens in the program, and opening and saving it again
// changes no byte. With MTZ4_WRITE_SAMPLE=1 in the environment the test
// writes the file anew first.
#include "SampleData.h"
#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "support/Shell.h"

#include <QStandardPaths>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

class SampleFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sampleIsTheProgramsOwnOutput();
    void sampleOpensAndSavesBackUnchanged();

private:
    QString samplePath_;
};

namespace {
QByteArray fileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

void SampleFileTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    samplePath_ = QStringLiteral(MTZ4_SOURCE_DIR "/docs/sample.MZ4");
    if (qEnvironmentVariableIntValue("MTZ4_WRITE_SAMPLE") == 1) {
        auto ds = std::make_unique<DataSet>();
        FillSampleDataSet(*ds);
        QDir().mkpath(QFileInfo(samplePath_).absolutePath());
        QCOMPARE(SaveCloneFile(*ds, samplePath_), CloneFileStatus::Ok);
    }
    QVERIFY2(QFile::exists(samplePath_), qPrintable(samplePath_));
}

void SampleFileTest::sampleIsTheProgramsOwnOutput() {
    auto ds = std::make_unique<DataSet>();
    FillSampleDataSet(*ds);
    QCOMPARE(fileContent(samplePath_), CloneFileText(*ds));
}

void SampleFileTest::sampleOpensAndSavesBackUnchanged() {
    Shell shell;
    shell.dialogs.openPaths = {samplePath_};
    QVERIFY(shell.window().fileCommands().mnuFileOpen_Click());
    QVERIFY(shell.prompter.prompts.isEmpty());
    QCOMPARE(shell.window().windowTitle(),
             QStringLiteral("sample.MZ4 - Orlenk MT-Z4/Z40 Clone Utility"));
    const DataSet& ds = shell.ds();
    QCOMPARE(ds.MemText[0][Col::Freq], QStringLiteral("118.100000"));
    QCOMPARE(ds.MemText[0][Col::Name].trimmed(), QStringLiteral("TWR"));
    QCOMPARE(ds.MemText[0][Col::Note], QStringLiteral("Tower, main runway"));
    QCOMPARE(ds.bank.txtBank[0], QStringLiteral("9"));
    QCOMPARE(ds.bank.lblAll, QStringLiteral("1000"));

    const QString copy = shell.path(QStringLiteral("copy.MZ4"));
    shell.dialogs.savePaths = {copy};
    QVERIFY(shell.window().fileCommands().mnuFileSaveAs_Click());
    QCOMPARE(fileContent(copy), fileContent(samplePath_));
}

QTEST_MAIN(SampleFileTest)
#include "SampleFile_test.moc"
