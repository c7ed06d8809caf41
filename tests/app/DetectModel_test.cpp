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

private:
};

void DetectModelTest::detectModelFindsTheReceiversModel() {
    struct Case {
        const char* model; // of the simulated receiver; null: it accepts none
        QStringList messages;
        int selectedAfter;
    };
    const QString save = QStringLiteral("Save changes to settings?");
    const auto offer = [](const char* model) {
        return QStringLiteral("The receiver accepted the model %1, but Settings 1 has MT-Z4J "
                              "selected.\r\n\r\nSelect %1 on Settings 1? As when you choose it "
                              "there, the data start afresh from the factory data of %1.")
            .arg(QLatin1String(model));
    };
    const Case cases[] = {
        {"MT-Z4J",
         {QStringLiteral("The receiver accepted the model MT-Z4J, the one selected on Settings "
                         "1.")},
         0},
        {"MT-Z40E", {offer("MT-Z40E"), save}, 1},
        {"MT-Z40T", {offer("MT-Z40T"), save}, 2},
        {"MT-Z40K", {offer("MT-Z40K"), save}, 3},
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
        // Yes to selecting the model found, No to saving the data first.
        shell.prompter.script({PromptAnswer::Yes, PromptAnswer::No});
        action(w, "mnuDetectModel")->trigger();

        QCOMPARE(shell.prompter.texts(), c.messages);
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
        QVERIFY2(status.endsWith(QStringLiteral("the receiver accepted ") + QLatin1String(c.model)),
                 qPrintable(status));
        // Left in clone mode: a read that follows needs no identification.
        const qsizetype sent = sim.commands().size();
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
    QCOMPARE(w.cloneCommands().runClone(frmMain::CloneCommand::ReadSettings),
             LinkResult::RegionError);
    QCOMPARE(shell.prompter.texts(), QStringList{QStringLiteral("Region Error")});
    const QString status = w.statusPanel(0)->text();
    QVERIFY2(status.startsWith(QStringLiteral(
                 "Read Settings: the receiver did not accept the selected model MT-Z4J; choose "
                 "the receiver's model on Settings 1, or find it with Tool > Detect Model "
                 "(Region Error, after ")),
             qPrintable(status));
}

QTEST_MAIN(DetectModelTest)
#include "DetectModel_test.moc"
