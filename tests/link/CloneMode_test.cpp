// Entering clone mode, the identification, the channel total check and the
// one-line clone-mode commands, against a scripted receiver.
#include "link/CloneMode.h"
#include "model/DataSet.h"
#include "support/FakeLink.h"

#include <QTest>
#include <memory>

using namespace mtz4;
using namespace mtz4::test;

namespace {

const QString Probe = QStringLiteral("QZ~F00022R");
const QString FollowUp = QStringLiteral("QZ~F0FD01W00");

// A receiver in clone mode answers the probe; one that is not stays silent.
void receiverNotInCloneMode(FakeSerialPort& port) {
    port.answerNext(answer::silence(), 3);
}

} // namespace

class CloneModeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ds = std::make_unique<DataSet>(); }

    void receiverAlreadyInCloneModeGetsNoIdentification();
    void enteringCloneModeSendsTheWholeSequence();
    void refusedIdentificationIsARegionErrorAfterOneAttempt();
    void identificationFollowsTheModelButtons();
    void channelTotalIsCheckedOnlyForWritesOutsideCloneMode();
    void startBankCode_data();
    void startBankCode();
    void unopenablePortFailsWithoutWaiting();
    void silentReceiverCostsThirteenAttempts();
    void failedConfirmationShowsError();
    void identificationAndFollowUpRetries();
    void oneLineCommands();

private:
    std::unique_ptr<DataSet> ds;
};

void CloneModeTest::receiverAlreadyInCloneModeGetsNoIdentification() {
    FakeLink f;
    f.link().StartBankCode = QStringLiteral("07");
    f.port().answerNext(answer::silence());
    f.port().answerNext(answer::data(answer::block("2A")));
    QCOMPARE(SendQZMTZ4(f.link(), *ds, CloneFlag::Read), LinkResult::Success);
    QCOMPARE(f.port().commands(), QStringList(2, Probe));
    QCOMPARE(f.link().StartBankCode, QStringLiteral("07"));
    QVERIFY(f.prompter.prompts.isEmpty());
}

void CloneModeTest::enteringCloneModeSendsTheWholeSequence() {
    FakeLink f;
    receiverNotInCloneMode(f.port());
    f.port().answerNext(answer::ack("OK"));
    f.port().answerNext(answer::ack("OK"));
    f.port().answerNext(answer::data(answer::block("2A")));
    QCOMPARE(SendQZMTZ4(f.link(), *ds, CloneFlag::Write), LinkResult::Success);
    QCOMPARE(f.port().commands(),
             (QStringList{Probe, Probe, Probe, QStringLiteral("QZ~MT-Z4J"), FollowUp, Probe}));
    QCOMPARE(f.port().written.at(3), QByteArray("QZ~MT-Z4J\r"));
    QCOMPARE(f.link().StartBankCode, QStringLiteral("42"));
    QVERIFY(f.prompter.prompts.isEmpty());
}

void CloneModeTest::refusedIdentificationIsARegionErrorAfterOneAttempt() {
    FakeLink f;
    receiverNotInCloneMode(f.port());
    f.port().answerNext(answer::ack("RE"));
    QCOMPARE(SendQZMTZ4(f.link(), *ds, CloneFlag::Read), LinkResult::RegionError);
    QCOMPARE(f.port().commands(), (QStringList{Probe, Probe, Probe, QStringLiteral("QZ~MT-Z4J")}));
    QVERIFY(f.prompter.prompts.isEmpty()); // the calling command shows "Region Error"
}

void CloneModeTest::identificationFollowsTheModelButtons() {
    FakeLink f;
    f.port().setResponder(answer::ack("RE"));
    const auto identificationFor = [&](int button) {
        SelectModelButton(*ds, button);
        f.port().written.clear();
        SendQZMTZ4Main(f.link(), *ds, CloneFlag::Read);
        return f.port().commands().value(0);
    };
    QCOMPARE(identificationFor(1), QStringLiteral("QZ~MT-Z40E"));
    QCOMPARE(identificationFor(3), QStringLiteral("QZ~MT-Z40K"));
    QCOMPARE(identificationFor(2), QStringLiteral("QZ~MT-Z40T"));
    QCOMPARE(ds->ModelIndex, 2);
    // Buttons 4 and 5 are never the identification model: the last one stays.
    QCOMPARE(identificationFor(5), QStringLiteral("QZ~MT-Z40T"));
    QCOMPARE(identificationFor(-1), QStringLiteral("QZ~MT-Z40T"));
    QCOMPARE(ds->ModelIndex, 2);
    QCOMPARE(identificationFor(0), QStringLiteral("QZ~MT-Z4J"));
    QCOMPARE(identificationCommand(7), QStringLiteral("QZ~MT-Z40K"));
}

void CloneModeTest::channelTotalIsCheckedOnlyForWritesOutsideCloneMode() {
    ds->bank.lblAll = QStringLiteral("980");
    {
        FakeLink f;
        receiverNotInCloneMode(f.port());
        QCOMPARE(SendQZMTZ4(f.link(), *ds, CloneFlag::Write), LinkResult::Failure);
        QCOMPARE(f.port().commands(), QStringList(3, Probe));
        QCOMPARE(f.prompter.texts(), QStringList{QStringLiteral("Total CH must be 1000")});
        QCOMPARE(f.prompter.prompts.at(0).title, QStringLiteral("ERROR"));
        QCOMPARE(f.prompter.prompts.at(0).icon, PromptIcon::Critical);
    }
    {
        FakeLink f;
        receiverNotInCloneMode(f.port());
        f.port().answerNext(answer::ack("OK"), 2);
        f.port().answerNext(answer::data(answer::block("00")));
        QCOMPARE(SendQZMTZ4(f.link(), *ds, CloneFlag::Read), LinkResult::Success);
        QCOMPARE(f.port().commands().at(3), QStringLiteral("QZ~MT-Z4J"));
        QVERIFY(f.prompter.prompts.isEmpty());
    }
    {
        FakeLink f;
        f.port().answerNext(answer::data(answer::block("00")));
        QCOMPARE(SendQZMTZ4(f.link(), *ds, CloneFlag::Write), LinkResult::Success);
        QVERIFY(f.prompter.prompts.isEmpty());
    }
    // Only the exact caption passes.
    for (const char* caption : {"1000 ", " 1000", "01000", ""}) {
        FakeLink f;
        ds->bank.lblAll = QString::fromLatin1(caption);
        QCOMPARE(SendQZMTZ4Main(f.link(), *ds, CloneFlag::Write), LinkResult::Failure);
        QVERIFY(f.port().written.isEmpty());
    }
}

void CloneModeTest::startBankCode_data() {
    QTest::addColumn<QByteArray>("firstByte");
    QTest::addColumn<QString>("code");
    QTest::newRow("2A") << QByteArray("2A") << QStringLiteral("42");
    QTest::newRow("05") << QByteArray("05") << QStringLiteral("05");
    QTest::newRow("00") << QByteArray("00") << QStringLiteral("00");
    QTest::newRow("0D") << QByteArray("0D") << QStringLiteral("13");
    QTest::newRow("31") << QByteArray("31") << QStringLiteral("49");
    QTest::newRow("63 = 99") << QByteArray("63") << QStringLiteral("99");
    QTest::newRow("64 = 100 is no bank") << QByteArray("64") << QStringLiteral("00");
    QTest::newRow("FF") << QByteArray("FF") << QStringLiteral("00");
    QTest::newRow("not hex") << QByteArray("+5") << QStringLiteral("00");
}

void CloneModeTest::startBankCode() {
    QFETCH(QByteArray, firstByte);
    QFETCH(QString, code);
    FakeLink f;
    receiverNotInCloneMode(f.port());
    f.port().answerNext(answer::ack("OK"), 2);
    f.port().answerNext(answer::data(answer::block(firstByte)));
    QCOMPARE(SendQZMTZ4(f.link(), *ds, CloneFlag::Read), LinkResult::Success);
    QCOMPARE(f.link().StartBankCode, code);
}

void CloneModeTest::unopenablePortFailsWithoutWaiting() {
    FakeLink f;
    f.port().failOpen = true;
    QCOMPARE(SendQZMTZ4(f.link(), *ds, CloneFlag::Read), LinkResult::Failure);
    QCOMPARE(f.port().openedDevices.size(), 2); // the probe once, the identification once
    QCOMPARE(f.clock().now(), 0);
    QVERIFY(f.prompter.prompts.isEmpty());
}

void CloneModeTest::silentReceiverCostsThirteenAttempts() {
    FakeLink f;
    QCOMPARE(SendQZMTZ4(f.link(), *ds, CloneFlag::Read), LinkResult::Failure);
    QStringList expected(3, Probe);
    expected += QStringList(10, QStringLiteral("QZ~MT-Z4J"));
    QCOMPARE(f.port().commands(), expected);
    QCOMPARE(f.clock().now(), 13 * 500);
    QVERIFY(f.prompter.prompts.isEmpty());
}

void CloneModeTest::failedConfirmationShowsError() {
    FakeLink f;
    f.link().StartBankCode = QStringLiteral("07");
    receiverNotInCloneMode(f.port());
    f.port().answerNext(answer::ack("OK"), 2);
    QCOMPARE(SendQZMTZ4(f.link(), *ds, CloneFlag::Read), LinkResult::Failure);
    QCOMPARE(f.port().commands().size(), 3 + 2 + 10);
    QCOMPARE(f.prompter.texts(), QStringList{QStringLiteral("ERROR")});
    QCOMPARE(f.prompter.prompts.at(0).title, QStringLiteral("ERROR"));
    QCOMPARE(f.link().StartBankCode, QStringLiteral("07"));

    FakeLink broken;
    receiverNotInCloneMode(broken.port());
    broken.port().answerNext(answer::ack("OK"), 2);
    broken.port().answerNext(answer::portFailure());
    QCOMPARE(SendQZMTZ4(broken.link(), *ds, CloneFlag::Read), LinkResult::Failure);
    QCOMPARE(broken.port().commands().size(), 3 + 2 + 1); // "ERROR00" stops at once
    QCOMPARE(broken.prompter.texts(), QStringList{QStringLiteral("ERROR")});
}

void CloneModeTest::identificationAndFollowUpRetries() {
    {
        FakeLink f;
        f.port().answerNext(answer::ack("NG"), 2);
        f.port().answerNext(answer::silence());
        f.port().answerNext(answer::ack("OK"));
        f.port().answerNext(answer::ack("NG"));
        f.port().answerNext(answer::ack("OK"));
        QCOMPARE(SendQZMTZ4Main(f.link(), *ds, CloneFlag::Read), LinkResult::Success);
        QCOMPARE(f.port().commands(),
                 (QStringList{QStringLiteral("QZ~MT-Z4J"), QStringLiteral("QZ~MT-Z4J"),
                              QStringLiteral("QZ~MT-Z4J"), QStringLiteral("QZ~MT-Z4J"), FollowUp,
                              FollowUp}));
    }
    {
        // A refused follow-up is a plain failure, not a region error.
        FakeLink f;
        f.port().answerNext(answer::ack("OK"));
        f.port().answerNext(answer::ack("RE"));
        QCOMPARE(SendQZMTZ4Main(f.link(), *ds, CloneFlag::Read), LinkResult::Failure);
        QCOMPARE(f.port().commands().size(), 2);
    }
    {
        FakeLink f;
        f.port().answerNext(answer::ack("OK"));
        QCOMPARE(SendQZMTZ4Main(f.link(), *ds, CloneFlag::Read), LinkResult::Failure);
        QCOMPARE(f.port().commands().size(), 1 + 10);
    }
}

void CloneModeTest::oneLineCommands() {
    FakeLink f;
    f.port().answerNext(answer::ack("OK"));
    QCOMPARE(SendQZFINISH(f.link()), LinkResult::Success);
    f.port().answerNext(answer::ack("NG"));
    f.port().answerNext(answer::ack("OK"));
    QCOMPARE(SendQZIM(f.link()), LinkResult::Success);
    QCOMPARE(f.port().written, (QList<QByteArray>{"QZ~FINISH\r", "QZ~IM\r", "QZ~IM\r"}));

    f.port().written.clear();
    f.port().answerNext(answer::ack("RE"));
    QCOMPARE(SendQZIM(f.link()), LinkResult::Failure);
    QCOMPARE(f.port().written.size(), 1);

    f.port().written.clear();
    QCOMPARE(SendQZFINISH(f.link()), LinkResult::Failure); // silence
    QCOMPARE(f.port().written.size(), 10);
    QVERIFY(f.prompter.prompts.isEmpty());
}

QTEST_GUILESS_MAIN(CloneModeTest)
#include "CloneMode_test.moc"
