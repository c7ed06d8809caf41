// Framing, time-out and classification of single exchanges, on a fake port
// and fake time.
#include "link/Exchange.h"
#include "link/PortDevice.h"
#include "link/ReplyAccumulator.h"
#include "support/FakeLink.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;
using answer::Echo;

namespace {

const QByteArray Digits = answer::block("2A");
const QString Block = QStringLiteral("\r\n") + QString::fromLatin1(Digits) + QStringLiteral("\r\n");

} // namespace

class ExchangeTest : public QObject {
    Q_OBJECT

private slots:
    void dataReplyEndsTheWaitAndReturnsTheTail_data();
    void dataReplyEndsTheWaitAndReturnsTheTail();
    void dataReplyFraming_data();
    void dataReplyFraming();
    void ackClassification_data();
    void ackClassification();
    void ackEndingEarlyWithCrLfIsStillWaitedOn();
    void unopenablePortFailsAtOnceAndIsRetriedNextTime();
    void portFailingDuringTheWaitEndsItAtOnce();
    void failedWriteIsAPortError();
    void staleInputNeverReachesTheResult();
    void lateCharactersAreDiscardedByTheNextExchange();
    void lateReplyToAnotherCommandIsNotTakenForThisOne();
    void nestedExchangeIsRefused();
    void accumulatorKeepsABoundedTail();
    void babblingDeviceIsBoundedAndGarbled();
    void traceRecordsEveryCommandReplyAndOutcome();
};

void ExchangeTest::dataReplyEndsTheWaitAndReturnsTheTail_data() {
    QTest::addColumn<int>("echo");
    QTest::newRow("with echo") << int(Echo::Yes);
    QTest::newRow("exactly 68 characters, no echo") << int(Echo::No);
}

void ExchangeTest::dataReplyEndsTheWaitAndReturnsTheTail() {
    QFETCH(int, echo);
    FakeLink f;
    f.port().answerNext(answer::data(Digits, Echo(echo), 30));
    const QString reply = f.link().SendQZData(QStringLiteral("QZ~F00020R"));
    QCOMPARE(reply, Block);
    QVERIFY(isDataReply(reply));
    QCOMPARE(blockDigits(reply), QString::fromLatin1(Digits));
    QCOMPARE(f.port().written, QList<QByteArray>{"QZ~F00020R\r"});
    QCOMPARE(f.clock().now(), 30); // not the full 500 ms
    QVERIFY(f.link().isOpen());    // opened by the first exchange, kept open
}

void ExchangeTest::dataReplyFraming_data() {
    QTest::addColumn<Answer>("chunks");
    QTest::addColumn<QString>("result");
    QTest::addColumn<qint64>("endsAt");
    const QByteArray block = "\r\n" + Digits + "\r\n";
    QTest::newRow("silence") << Answer{} << ReplyTooShort << qint64(500);
    QTest::newRow("67 characters ending CR LF are waited on")
        << Answer{{10, "\r\n" + Digits.left(63) + "\r\n"}} << ReplyTooShort << qint64(500);
    QTest::newRow("more than 67 ending CR LF, bad head")
        << Answer{{10, "QZ~F00020R\r" + QByteArray(66, 'X') + "\r\n"}} << ReplyGarbled
        << qint64(10);
    QTest::newRow("more than 67, no CR LF at the end")
        << Answer{{10, "\r\n" + Digits + "\r\nXY"}} << ReplyGarbled << qint64(500);
    QTest::newRow("short garbage") << Answer{{10, "@#!"}} << ReplyTooShort << qint64(500);
    QTest::newRow("split into chunks, complete with the last")
        << Answer{{40, "QZ~F00020R\r"}, {90, block.left(30)}, {200, block.mid(30)}} << Block
        << qint64(200);
    QTest::newRow("CR LF inside an early chunk does not end the wait")
        << Answer{{5, "\r\n"}, {15, block.left(40)}, {480, block.mid(40)}} << Block << qint64(480);
    QTest::newRow("block after the time-out is too late")
        << Answer{{10, block.left(20)}, {501, block.mid(20)}} << ReplyTooShort << qint64(500);
}

void ExchangeTest::dataReplyFraming() {
    QFETCH(Answer, chunks);
    QFETCH(QString, result);
    QFETCH(qint64, endsAt);
    FakeLink f;
    f.port().answerNext(answer::chunks(chunks));
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00020R")), result);
    QCOMPARE(f.clock().now(), endsAt);
}

void ExchangeTest::ackClassification_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("code");
    QTest::addColumn<qint64>("endsAt");
    // "QZ~IM" CR is 6 characters: a complete acknowledgement has 12.
    QTest::newRow("OK") << QByteArray("QZ~IM\r\r\nOK\r\n") << 0 << qint64(10);
    QTest::newRow("RE") << QByteArray("QZ~IM\r\r\nRE\r\n") << 4 << qint64(10);
    QTest::newRow("NG") << QByteArray("QZ~IM\r\r\nNG\r\n") << 1 << qint64(10);
    QTest::newRow("11 characters") << QByteArray("Z~IM\r\r\nOK\r\n") << 2 << qint64(500);
    QTest::newRow("silence") << QByteArray() << 2 << qint64(500);
    QTest::newRow("long, no CR LF at the end")
        << QByteArray("QZ~IM\r\r\nOK\r\nXX") << 1 << qint64(500);
}

void ExchangeTest::ackClassification() {
    QFETCH(QByteArray, reply);
    QFETCH(int, code);
    QFETCH(qint64, endsAt);
    FakeLink f;
    f.port().answerNext(reply.isEmpty() ? answer::silence() : answer::raw(reply));
    QCOMPARE(int(f.link().SendQZAck(QStringLiteral("QZ~IM"))), code);
    QCOMPARE(f.port().written, QList<QByteArray>{"QZ~IM\r"});
    QCOMPARE(f.clock().now(), endsAt);
}

void ExchangeTest::ackEndingEarlyWithCrLfIsStillWaitedOn() {
    FakeLink f;
    // The echo is missing at first; "OK" alone is too short to end the wait.
    f.port().answerNext(answer::chunks({{10, "\r\nOK\r\n"}, {120, "\r\nRE\r\n"}}));
    QCOMPARE(f.link().SendQZAck(QStringLiteral("QZ~IM")), AckCode::AckRefused);
    QCOMPARE(f.clock().now(), 120);
}

void ExchangeTest::unopenablePortFailsAtOnceAndIsRetriedNextTime() {
    FakeLink f;
    f.port().failOpen = true;
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00022R")), ReplyPortError);
    QCOMPARE(f.link().SendQZAck(QStringLiteral("QZ~IM")), AckCode::AckPortError);
    QCOMPARE(f.clock().now(), 0); // no wait
    QVERIFY(f.port().written.isEmpty());
    QCOMPARE(f.port().openedDevices.size(), 2); // each exchange tries again
    QVERIFY(!f.link().lastPortError().isEmpty());

    f.port().failOpen = false;
    f.port().answerNext(answer::ack("OK"));
    QCOMPARE(f.link().SendQZAck(QStringLiteral("QZ~IM")), AckCode::AckOk);
    QVERIFY(f.link().lastPortError().isEmpty());
}

void ExchangeTest::portFailingDuringTheWaitEndsItAtOnce() {
    FakeLink f;
    f.port().answerNext(answer::chunks({{10, "QZ~F00022R\r\r\n"}, {50, {}, true}}));
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00022R")), ReplyPortError);
    QCOMPARE(f.clock().now(), 50);
    QVERIFY(!f.link().isOpen()); // closed, so that the next exchange opens it afresh

    f.port().answerNext(answer::data(Digits));
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00022R")), Block);
    QCOMPARE(f.port().openedDevices.size(), 2);
}

void ExchangeTest::failedWriteIsAPortError() {
    FakeLink f;
    f.port().failWrite = true;
    QCOMPARE(f.link().SendQZAck(QStringLiteral("QZ~FINISH")), AckCode::AckPortError);
    QCOMPARE(f.clock().now(), 0);
}

void ExchangeTest::staleInputNeverReachesTheResult() {
    FakeLink f;
    // Open the port with a first exchange, then leave a complete block and an
    // acknowledgement waiting before the next command.
    f.port().answerNext(answer::ack("OK"));
    QCOMPARE(f.link().SendQZAck(QStringLiteral("QZ~IM")), AckCode::AckOk);
    f.port().injectInput("\r\n" + Digits + "\r\n\r\nOK\r\n");
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00022R")), ReplyTooShort);

    f.port().injectInput("\r\n" + answer::block("FF") + "\r\n");
    f.port().answerNext(answer::data(Digits));
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00022R")), Block);
}

void ExchangeTest::lateCharactersAreDiscardedByTheNextExchange() {
    FakeLink f;
    f.port().answerNext(answer::data(Digits, Echo::Yes, 700));
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00022R")), ReplyTooShort);
    f.clock().advance(300); // the late block arrives between exchanges
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00022R")), ReplyTooShort);
}

void ExchangeTest::lateReplyToAnotherCommandIsNotTakenForThisOne() {
    FakeLink f;
    // The reply to 00000 comes 550 ms late, in the wait of the next command.
    f.port().answerNext(answer::data(answer::block("11"), Echo::Yes, 550));
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00000R")), ReplyTooShort);
    f.port().answerNext(answer::data(Digits, Echo::Yes, 550));
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00020R")), ReplyTooShort);
    // Both in one wait: the stale one is dropped, the own one taken.
    f.port().answerNext(answer::chunks({{20, "QZ~F00020R\r\r\n" + Digits + "\r\n"},
                                        {40, "QZ~F00040R\r\r\n" + answer::block("44") + "\r\n"}}));
    QCOMPARE(blockDigits(f.link().SendQZData(QStringLiteral("QZ~F00040R"))),
             QString::fromLatin1(answer::block("44")));
    // The same for an acknowledgement.
    f.port().answerNext(answer::chunks({{20, "QZ~IM\r\r\nOK\r\n"}}));
    QCOMPARE(f.link().SendQZAck(QStringLiteral("QZ~FINISH")), AckCode::AckShort);
}

void ExchangeTest::nestedExchangeIsRefused() {
    FakeLink f;
    f.port().answerNext(answer::data(Digits, Echo::Yes, 100));
    QString nested;
    f.clock().schedule(40, [&] {
        QVERIFY(f.link().busy());
        nested = f.link().SendQZData(QStringLiteral("QZ~F00000R"));
    });
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00022R")), Block);
    QCOMPARE(nested, ReplyPortError);
    QCOMPARE(f.port().commands(), QStringList{QStringLiteral("QZ~F00022R")});
    QVERIFY(!f.link().busy());
}

void ExchangeTest::accumulatorKeepsABoundedTail() {
    ReplyAccumulator acc;
    const QByteArray piece(1000, 'x');
    for (int i = 0; i < 1000; ++i)
        acc.append(piece);
    acc.append("\r\nEND\r\n");
    QCOMPARE(acc.count(), 1000 * 1000 + 7);
    QVERIFY(acc.retained() <= ReplyAccumulator::TailCapacity);
    QVERIFY(acc.endsWithCrLf());
    QCOMPARE(acc.last(9), QByteArray("x\r\nEND\r\n").prepend('x'));
    QCOMPARE(acc.last(100000).size(), ReplyAccumulator::TailCapacity);

    acc.append(QByteArray(5000, 'y')); // one piece larger than the tail
    QCOMPARE(acc.last(3), QByteArray("yyy"));
    QCOMPARE(acc.retained(), ReplyAccumulator::TailCapacity);
    acc.clear();
    QCOMPARE(acc.count(), 0);
    QCOMPARE(acc.last(68), QByteArray());
}

void ExchangeTest::babblingDeviceIsBoundedAndGarbled() {
    FakeLink f;
    // 4 MB without a pause, then a well-framed block: the tail decides.
    Answer babble;
    for (int t = 1; t <= 400; ++t)
        babble.append({t, QByteArray(10000, 'Z')});
    f.port().answerNext(answer::chunks(babble));
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00022R")), ReplyGarbled);

    babble.append({450, "\r\n" + Digits + "\r\n"});
    f.port().answerNext(answer::chunks(babble));
    QCOMPARE(f.link().SendQZData(QStringLiteral("QZ~F00022R")), Block);
}

void ExchangeTest::traceRecordsEveryCommandReplyAndOutcome() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trace.txt"));
    FakeLink f;
    QString error;
    QVERIFY(f.link().startTrace(path, error));
    f.port().answerNext(answer::data(Digits, Echo::No));
    f.port().answerNext(answer::ack("RE"));
    f.port().answerNext(answer::raw(QByteArray("\x01\xff\"\\\t") + QByteArray(64, 'x') + "\r\n"));
    f.port().answerNext(answer::silence());
    f.link().SendQZData(QStringLiteral("QZ~F0000R"));
    f.link().SendQZAck(QStringLiteral("QZ~IM"));
    f.link().SendQZData(QStringLiteral("QZ~F0020R"));
    f.link().SendQZAck(QStringLiteral("QZ~FINISH"));
    f.port().answerNext(answer::portFailure());
    f.link().SendQZData(QStringLiteral("QZ~F0040R"));
    f.port().failOpen = true;
    f.link().SendQZData(QStringLiteral("QZ~F0060R"));
    QVERIFY(f.link().finishTrace(error));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList lines =
        QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.takeFirst().startsWith(QLatin1Char('#')));
    const QRegularExpression stamp(QStringLiteral(R"(^\d\d:\d\d:\d\d\.\d\d\d )"));
    for (QString& line : lines) {
        QVERIFY2(stamp.match(line).hasMatch(), qPrintable(line));
        line.remove(0, 13);
    }
    const QStringList want{
        // The fake port is asked nothing about its latency.
        QStringLiteral("* opened %1; low latency not asked for").arg(devicePathForPort(1)),
        QStringLiteral(R"(> "QZ~F0000R\r")"),
        QStringLiteral(R"(< "\r\n)") + QString::fromLatin1(Digits) +
            QStringLiteral(R"(\r\n" data)"),
        QStringLiteral(R"(> "QZ~IM\r")"),
        QStringLiteral(R"(< "QZ~IM\r\r\nRE\r\n" refused (RE))"),
        QStringLiteral(R"(> "QZ~F0020R\r")"),
        QStringLiteral(R"(< "\x01\xff\"\\\t)") + QString(64, QLatin1Char('x')) +
            QStringLiteral(R"(\r\n" garbled)"),
        QStringLiteral(R"(> "QZ~FINISH\r")"),
        QStringLiteral(R"(< "" time-out)"),
        QStringLiteral(R"(> "QZ~F0040R\r")"),
        QStringLiteral(R"(< "" port error: device removed)"),
        QStringLiteral(R"(! "QZ~F0060R\r" not sent: port error: )") + f.port().errorText(),
    };
    QCOMPARE(lines, want);
}

QTEST_GUILESS_MAIN(ExchangeTest)
#include "Exchange_test.moc"
