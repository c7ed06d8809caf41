// Tool > Detect Model against mtz4sim of each model and of a model this
// program does not know: what is sent, what the user is told, the model
// selected on Settings 1 as a choice of the user's; and the plain words of
// a "Region Error" in the status bar.
#include "WindowCloneSupport.h"
#include "app/MainWindow.h"

#include "editing/Settings1Page.h"

#include <QLabel>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

class DetectModelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { qunsetenv("MTZ4_COM1"); }
    void detectModelFindsTheReceiversModel();
    void regionErrorSaysWhatToDo();
    void regionErrorCureFindsTheModelAndRunsAgain_data();
    void regionErrorCureFindsTheModelAndRunsAgain();

private:
};

void DetectModelTest::detectModelFindsTheReceiversModel() {
    struct Case {
        const char* model; // of the simulated receiver; null: it accepts none
        QStringList messages;
        int selectedAfter;
    };
    // The offer to select the model found, keeping the channels (its first line).
    const auto offer = [](const char* model) {
        return QStringLiteral("The receiver accepted the model %1, but Settings 1 has MT-Z4J "
                              "selected. Select %1?")
            .arg(QLatin1String(model));
    };
    const Case cases[] = {
        {"MT-Z4J",
         {QStringLiteral("The receiver accepted the model MT-Z4J, the one selected on Settings "
                         "1.")},
         0},
        {"MT-Z40E", {offer("MT-Z40E")}, 1},
        {"MT-Z40T", {offer("MT-Z40T")}, 2},
        {"MT-Z40K", {offer("MT-Z40K")}, 3},
        {nullptr,
         {QStringLiteral("The receiver accepted none of the models MT-Z4J, MT-Z40E, MT-Z40T and "
                         "MT-Z40K.")},
         0},
    };
    for (const Case& c : cases) {
        SimRunner sim;
        QVERIFY(startSim(sim, c.model
                                  ? QStringList{QStringLiteral("--model"), QLatin1String(c.model)}
                                  : QStringList{QStringLiteral("--refuse-identification")}));
        Shell shell;
        frmMain& w = shell.window();
        // Yes to selecting the model found keeping the channels.
        shell.prompter.script({PromptAnswer::Yes});
        action(w, "mnuDetectModel")->trigger();

        // The first message (a report of what did not fit may follow).
        QVERIFY(!shell.prompter.texts().isEmpty());
        QCOMPARE(QStringList{shell.prompter.texts().first().section(QStringLiteral("\r\n"), 0, 0)},
                 c.messages);
        QCOMPARE(shell.ds().ModelIndex, c.selectedAfter);
        QVERIFY(w.settings1Page()->opbModel(c.selectedAfter)->isChecked());
        const QString status = w.statusPanel(0)->text();
        QVERIFY2(status.startsWith(QStringLiteral("Detect Model: ")), qPrintable(status));
        // Only identifications, and what enters clone mode after the one accepted.
        for (const QString& command : sim.commands())
            QVERIFY2(command.startsWith(QLatin1String("QZ~MT-Z4")) ||
                         command == QLatin1String("QZ~F0FD01W00") ||
                         command == QLatin1String("QZ~F00022R"),
                     qPrintable(command));
        if (!c.model) {
            QCOMPARE(sim.commands().size(), 4);
            continue;
        }
        QVERIFY2(
            status.contains(QStringLiteral("; the receiver accepted ") + QLatin1String(c.model)),
            qPrintable(status));
        // Left in clone mode: a read that follows needs no identification.
        const qsizetype sent = sim.commands().size();
        shell.prompter.script({PromptAnswer::No}); // the channels kept need no save first
        QCOMPARE(w.cloneCommands().runClone(frmMain::CloneCommand::ReadSettings),
                 LinkResult::Success);
        QCOMPARE(sim.commands().at(sent), QStringLiteral("QZ~F00022R"));
        QVERIFY(!sim.commands().mid(sent).contains(QStringLiteral("QZ~F0FD01W00")));
    }
}

void DetectModelTest::regionErrorSaysWhatToDo() {
    SimRunner sim;
    QVERIFY(startSim(sim, {QStringLiteral("--model"), QStringLiteral("MT-Z40T")}));
    Shell shell;
    frmMain& w = shell.window();
    shell.prompter.script({PromptAnswer::No}); // not now to finding the model
    QCOMPARE(w.cloneCommands().runClone(frmMain::CloneCommand::ReadSettings),
             LinkResult::RegionError);
    QCOMPARE(shell.prompter.texts().size(), 2);
    QCOMPARE(shell.prompter.texts().first(), QStringLiteral("Region Error"));
    QVERIFY(shell.prompter.texts().last().startsWith(
        QStringLiteral("The receiver did not accept the model MT-Z4J.")));
    const QString status = w.statusPanel(0)->text();
    QVERIFY2(status.startsWith(QStringLiteral(
                 "Read Settings: the receiver did not accept the selected model MT-Z4J; choose "
                 "the receiver's model on Settings 1, or find it with Tool > Detect Model "
                 "(Region Error, after ")),
             qPrintable(status));
}

void DetectModelTest::regionErrorCureFindsTheModelAndRunsAgain_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("Read ALL") << int(frmMain::CloneCommand::ReadAll);
    QTest::newRow("Write ALL") << int(frmMain::CloneCommand::WriteAll);
}

// Against a receiver of another model: "Region Error", Yes to finding the
// model, the model found selected keeping the channels, the command once
// more, and it succeeds.
void DetectModelTest::regionErrorCureFindsTheModelAndRunsAgain() {
    QFETCH(int, command);
    SimRunner sim;
    QVERIFY(startSim(sim, {QStringLiteral("--model"), QStringLiteral("MT-Z40E")}));
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    ds.MemData[0][Col::Freq] = 145.5;
    ds.MemText[0][Col::Freq] = QStringLiteral("145.500000");
    ds.MemEnable[0] = true;
    shell.prompter.script({PromptAnswer::Yes});
    QCOMPARE(w.cloneCommands().runClone(frmMain::CloneCommand(command)), LinkResult::Success);
    const QStringList texts = shell.prompter.texts();
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts[0], QStringLiteral("Region Error"));
    QCOMPARE(texts[2], QStringLiteral("Successed!!"));
    QCOMPARE(ds.ModelIndex, int(Model::MTZ40E));
    QVERIFY(w.settings1Page()->opbModel(Model::MTZ40E)->isChecked());
    // The receiver was asked as an MT-Z40E the second time.
    QCOMPARE(sim.commands().count(QStringLiteral("QZ~MT-Z4J")), 2); // the command, Detect Model
    QVERIFY(sim.commands().contains(QStringLiteral("QZ~MT-Z40E")));
    if (command == int(frmMain::CloneCommand::WriteAll))
        QCOMPARE(ds.MemData[0][Col::Freq], 145.5); // the channels kept
}

QTEST_MAIN(DetectModelTest)
#include "DetectModel_test.moc"
