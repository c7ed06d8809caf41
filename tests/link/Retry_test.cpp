// The callers' retry loops, their stop rules and messages, and the command
// texts they send.
#include "link/Commands.h"
#include "link/Retry.h"
#include "support/FakeLink.h"

#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

class RetryTest : public QObject {
    Q_OBJECT

private slots:
    void dataLoop_data();
    void dataLoop();
    void ackLoop_data();
    void ackLoop();
    void callerAttemptCount();
    void readBlockSendsTheReadCommand();
    void commandsCarryTheAddressInFiveHexDigits();
};

void RetryTest::dataLoop_data() {
    QTest::addColumn<QList<int>>("script"); // 0 silence, 1 garbage, 2 data, 3 port failure
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("data at once") << QList<int>{2} << int(LoopEnd::Done) << 1 << QStringList{};
    QTest::newRow("silence, garbage, then data")
        << QList<int>{0, 1, 0, 2} << int(LoopEnd::Done) << 4 << QStringList{};
    QTest::newRow("data on the tenth attempt")
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 2} << int(LoopEnd::Done) << 10 << QStringList{};
    QTest::newRow("never answered") << QList<int>{} << int(LoopEnd::RetriesExhausted) << 10
                                    << QStringList{QStringLiteral("Communication Error")};
    QTest::newRow("port failure stops at once")
        << QList<int>{0, 3} << int(LoopEnd::PortFailure) << 2
        << QStringList{QStringLiteral("COM Port Error")};
}

void RetryTest::dataLoop() {
    QFETCH(QList<int>, script);
    QFETCH(int, end);
    QFETCH(int, attempts);
    QFETCH(QStringList, messages);
    for (Reporting reporting : {Reporting::Silently, Reporting::WithMessages}) {
        FakeLink f;
        for (int step : script) {
            const Responder answers[] = {answer::silence(),
                                         answer::raw(QByteArray(80, '?') + "\r\n"),
                                         answer::data(answer::block("11")), answer::portFailure()};
            f.port().answerNext(answers[step]);
        }
        const DataLoop loop = readReply(f.link(), QStringLiteral("QZ~F00100R"), reporting);
        QCOMPARE(int(loop.end), end);
        QCOMPARE(loop.attempts, attempts);
        QCOMPARE(f.port().written.size(), attempts);
        QCOMPARE(loop.ok(), end == int(LoopEnd::Done));
        if (loop.ok())
            QCOMPARE(loop.digits(), QString::fromLatin1(answer::block("11")));
        QCOMPARE(f.prompter.texts(),
                 reporting == Reporting::WithMessages ? messages : QStringList{});
        for (const Prompt& p : f.prompter.prompts) {
            QCOMPARE(p.title, QStringLiteral("ERROR"));
            QCOMPARE(p.icon, PromptIcon::Critical);
        }
    }
}

void RetryTest::ackLoop_data() {
    QTest::addColumn<QList<QByteArray>>("words"); // "" = silence
    QTest::addColumn<bool>("openFails");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<QString>("message");
    QTest::newRow("OK") << QList<QByteArray>{"OK"} << false << int(LoopEnd::Done) << 1 << QString();
    QTest::newRow("NG and short replies are retried")
        << QList<QByteArray>{"NG", "", "NG", "OK"} << false << int(LoopEnd::Done) << 4 << QString();
    QTest::newRow("RE stops at once")
        << QList<QByteArray>{"NG", "RE"} << false << int(LoopEnd::Refused) << 2
        << QStringLiteral("COM Port Error");
    QTest::newRow("port cannot be opened")
        << QList<QByteArray>{} << true << int(LoopEnd::PortFailure) << 1
        << QStringLiteral("COM Port Error");
    QTest::newRow("ten bad replies")
        << QList<QByteArray>(10, "NG") << false << int(LoopEnd::RetriesExhausted) << 10
        << QStringLiteral("Communication Error");
}

void RetryTest::ackLoop() {
    QFETCH(QList<QByteArray>, words);
    QFETCH(bool, openFails);
    QFETCH(int, end);
    QFETCH(int, attempts);
    QFETCH(QString, message);
    FakeLink f;
    f.port().failOpen = openFails;
    for (const QByteArray& word : words)
        f.port().answerNext(word.isEmpty() ? answer::silence() : answer::ack(word));
    const QString command = QStringLiteral("QZ~F00100W") + QString(64, QLatin1Char('0'));
    const AckLoop loop = sendWrite(f.link(), command, Reporting::WithMessages);
    QCOMPARE(int(loop.end), end);
    QCOMPARE(loop.attempts, attempts);
    QCOMPARE(f.port().openedDevices.size(), 1);
    QCOMPARE(f.prompter.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    if (!openFails)
        QCOMPARE(f.port().commands(), QStringList(attempts, command));

    FakeLink quiet;
    quiet.port().failOpen = openFails;
    for (const QByteArray& word : words)
        quiet.port().answerNext(word.isEmpty() ? answer::silence() : answer::ack(word));
    QCOMPARE(int(sendWrite(quiet.link(), command, Reporting::Silently).end), end);
    QVERIFY(quiet.prompter.prompts.isEmpty());
}

void RetryTest::callerAttemptCount() {
    FakeLink f;
    const DataLoop probe = retryData(f.link(), QStringLiteral("QZ~F00022R"), 3);
    QCOMPARE(probe.end, LoopEnd::RetriesExhausted);
    QCOMPARE(probe.attempts, 3);
    QCOMPARE(f.clock().now(), 1500); // three full time-outs

    const AckLoop ack = retryAck(f.link(), QStringLiteral("QZ~IM"));
    QCOMPARE(ack.attempts, MaxAttempts);
    QCOMPARE(ack.lastCode, AckCode::AckShort);
    QCOMPARE(f.clock().now(), 1500 + 5000);
}

void RetryTest::readBlockSendsTheReadCommand() {
    FakeLink f;
    f.port().answerNext(answer::data(answer::block("7F")));
    const DataLoop loop = readBlock(f.link(), 0x4A0, Reporting::WithMessages);
    QVERIFY(loop.ok());
    QCOMPARE(loop.digits().left(2), QStringLiteral("7F"));
    QCOMPARE(f.port().written, QList<QByteArray>{"QZ~F004A0R\r"});
}

void RetryTest::commandsCarryTheAddressInFiveHexDigits() {
    QCOMPARE(readCommand(0x22), QStringLiteral("QZ~F00022R"));
    QCOMPARE(readCommand(0xAC60), QStringLiteral("QZ~F0AC60R"));
    QCOMPARE(writeCommand(0xFD01, QStringLiteral("00")), QStringLiteral("QZ~F0FD01W00"));
    QCOMPARE(writeCommand(0x1E0, QStringLiteral("AB")), QStringLiteral("QZ~F001E0WAB"));
    QCOMPARE(bankChannelWriteCommand(QStringLiteral("50003"), QStringLiteral("FF")),
             QStringLiteral("QZ~BC50003WFF"));
    QCOMPARE(readBackCommand(QStringLiteral("42")), QStringLiteral("QZ~BC42000R"));
    QCOMPARE(readBackCommand(QString()), QStringLiteral("QZ~BC000R"));
}

QTEST_GUILESS_MAIN(RetryTest)
#include "Retry_test.moc"
