// The receiver model kept with the user and with each clone file: the last
// model selected at start, a file's model selected when it opens (every way
// in) without a question or a reset; a model change that keeps the channels
// as one undo step with its report; no question when nothing changed.
#include "app/FileCommands.h"
#include "app/FileDrop.h"
#include "app/FileModels.h"
#include "app/MainWindow.h"
#include "app/ModelCommands.h"
#include "editing/Settings1Page.h"
#include "editing/UndoHistory.h"
#include "files/CloneFile.h"
#include "model/EntryCodes.h"
#include "model/RecordCodec.h"
#include "support/Shell.h"
#include "support/TestFiles.h"
#include "support/WindowActions.h"

#include <QLabel>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

namespace {

const QString SaveQuestion = QStringLiteral("Save changes to settings?");

bool isModelQuestion(const Prompt& p) {
    return p.yesText == QLatin1String("Keep these channels");
}

} // namespace

class ModelKeptTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void aFilesModelIsSelectedWhenItOpens_data();
    void aFilesModelIsSelectedWhenItOpens();
    void theLastModelIsSelectedAtStart();
    void aModelChangeKeepsTheChannels();
    void noQuestionWhenNothingChanged_data();
    void noQuestionWhenNothingChanged();
};

void ModelKeptTest::aFilesModelIsSelectedWhenItOpens_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"Open", "Open Recent", "drop", "command line"})
        QTest::newRow(way) << QString::fromLatin1(way);
}

void ModelKeptTest::aFilesModelIsSelectedWhenItOpens() {
    QFETCH(QString, way);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z40e.MZ4"));
    {
        // Saved as an MT-Z40E file: the program remembers the model.
        Shell shell;
        QVERIFY(WriteCloneFile(path, 431.25));
        QVERIFY(shell.window().fileCommands().LoadCloneFile(path));
        shell.window().modelCommands().keepChannels(Model::MTZ40E);
        QVERIFY(shell.window().fileCommands().mnuFileSave_Click());
        QCOMPARE(RememberedFileModel(path), int(Model::MTZ40E));
    }
    QScopedValueRollback keep(KeepRememberedModels, true);
    WriteLastModel(Model::MTZ4J);
    const bool commandLine = way == QLatin1String("command line");
    Shell shell(commandLine ? QStringList{QStringLiteral("mtz4clone"),
                                          QLatin1Char('"') + path + QLatin1Char('"')}
                            : QStringList{QStringLiteral("mtz4clone")});
    frmMain& w = shell.window();
    if (way == QLatin1String("Open")) {
        shell.dialogs.openPaths << path;
        QVERIFY(w.fileCommands().mnuFileOpen_Click());
    } else if (way == QLatin1String("Open Recent")) {
        w.fileCommands().openRecent(path);
    } else if (way == QLatin1String("drop")) {
        QVERIFY(w.fileDrop().drop(path));
    }
    QCOMPARE(shell.ds().CurrentFile, path);
    QCOMPARE(shell.ds().ModelIndex, int(Model::MTZ40E));
    QVERIFY(w.settings1Page()->opbModel(Model::MTZ40E)->isChecked());
    // The file's data, not the factory data, and nothing asked.
    QCOMPARE(shell.ds().MemData[0][Col::Freq], 431.25);
    QVERIFY(!shell.ds().DataChanged);
    QCOMPARE(shell.prompter.texts(), QStringList{});
}

void ModelKeptTest::theLastModelIsSelectedAtStart() {
    {
        Shell shell;
        shell.window().settings1Page()->opbModel(Model::MTZ40T)->click();
        QCOMPARE(shell.ds().ModelIndex, int(Model::MTZ40T));
    }
    QScopedValueRollback keep(KeepRememberedModels, true);
    Shell shell;
    QCOMPARE(shell.ds().ModelIndex, int(Model::MTZ40T));
    QVERIFY(shell.window().settings1Page()->opbModel(Model::MTZ40T)->isChecked());
    QVERIFY(!shell.ds().DataChanged);
    // The MT-Z40T's own band plan, not the MT-Z4J's.
    const auto factory = FactoryDataSet(Model::MTZ40T);
    QCOMPARE(shell.ds().VfoData, factory->VfoData);
}

void ModelKeptTest::aModelChangeKeepsTheChannels() {
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    const QString path = shell.path(QStringLiteral("z4j.MZ4"));
    const auto file = FactoryDataSet(Model::MTZ4J);
    for (int entry : {0, 1}) {
        RecordFields fields{entry == 0 ? 145.5 : 835.0, 0, 0,
                            entry == 0 ? OptionTrainCode : OptionOffCode};
        PutRecordFields(file->MemData[entry], file->MemText[entry], fields);
        file->MemEnable[entry] = true;
    }
    QCOMPARE(SaveCloneFile(*file, path), CloneFileStatus::Ok);
    QVERIFY(w.fileCommands().LoadCloneFile(path));

    shell.prompter.script({PromptAnswer::Yes}); // Keep these channels
    w.settings1Page()->opbModel(Model::MTZ40T)->click();
    QCOMPARE(shell.prompter.prompts.size(), 2);
    QVERIFY(isModelQuestion(shell.prompter.prompts[0]));
    // The report names what did not fit.
    const QString report = shell.prompter.prompts[1].text;
    QVERIFY2(report.contains(QStringLiteral("00-000: option: Train → OFF")), qPrintable(report));
    QVERIFY2(report.contains(QLatin1String("00-001: a frequency of the cellular phone")),
             qPrintable(report));
    QCOMPARE(ds.ModelIndex, int(Model::MTZ40T));
    QVERIFY(w.settings1Page()->opbModel(Model::MTZ40T)->isChecked());
    QCOMPARE(ds.MemData[0][Col::Freq], 145.5);
    QVERIFY(!ds.MemEnable[1]);
    QCOMPARE(ds.CurrentFile, path);
    QVERIFY(w.statusPanel(0)->text().startsWith(QLatin1String("Model MT-Z40T: ")));

    // One step: Undo brings back the model and the entries.
    QCOMPARE(w.history()->undoText(), QStringLiteral("Model MT-Z40T"));
    w.history()->undo();
    QCOMPARE(ds.ModelIndex, int(Model::MTZ4J));
    QVERIFY(w.settings1Page()->opbModel(Model::MTZ4J)->isChecked());
    QVERIFY(ds.MemEnable[1]);
    QCOMPARE(int(ds.MemData[0][Col::Option]), OptionTrainCode);
    QVERIFY(!ds.DataChanged);
}

void ModelKeptTest::noQuestionWhenNothingChanged_data() {
    QTest::addColumn<bool>("fileOpen");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("questions"); // the model's question, then "Save changes..."
    QTest::addColumn<bool>("saveAsked");
    QTest::newRow("start-up data") << false << false << 0 << false;
    QTest::newRow("start-up data, edited") << false << true << 1 << true;
    QTest::newRow("file") << true << false << 1 << false;
    QTest::newRow("file, edited") << true << true << 2 << true;
    QTest::newRow("file, edited and undone") << true << false << 1 << false;
}

void ModelKeptTest::noQuestionWhenNothingChanged() {
    QFETCH(bool, fileOpen);
    QFETCH(bool, edited);
    QFETCH(int, questions);
    QFETCH(bool, saveAsked);
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    if (fileOpen) {
        const QString path = shell.path(QStringLiteral("radio.MZ4"));
        QVERIFY(WriteCloneFile(path, 118.1));
        QVERIFY(w.fileCommands().LoadCloneFile(path));
    }
    const bool undone = QByteArray(QTest::currentDataTag()).contains("undone");
    if (edited || undone) {
        w.editor()->apply(QStringLiteral("Attenuator"), DataPart::Settings, [](DataSet& d) {
            d.settings.chkATT = 1 - d.settings.chkATT;
            d.DataChanged = true;
        });
        QVERIFY(ds.DataChanged);
    }
    if (undone)
        w.history()->undo();
    // Factory data, then No to saving first.
    shell.prompter.script({PromptAnswer::No, PromptAnswer::No});
    w.settings1Page()->opbModel(Model::MTZ40K)->click();
    QCOMPARE(shell.prompter.prompts.size(), questions);
    QCOMPARE(shell.prompter.texts().contains(SaveQuestion), saveAsked);
    QCOMPARE(ds.ModelIndex, int(Model::MTZ40K));
    QVERIFY(!ds.DataChanged);
    QVERIFY(ds.CurrentFile.isEmpty());
}

QTEST_MAIN(ModelKeptTest)
#include "ModelKept_test.moc"
