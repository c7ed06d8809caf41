// The simulator's line side without a line: reply pacing on a fake clock,
// the USB adapter's packets, command assembly, fault injection and the
// command line.

#include "Faults.h"
#include "InboundLine.h"
#include "LineAssembler.h"
#include "ReplyScheduler.h"
#include "SimOptions.h"
#include "Turnaround.h"
#include "UsbAdapter.h"

#include <QtTest>
#include <string>
#include <vector>

using namespace mtz4::sim;

namespace {

// A sink that records when each byte was taken.
struct RecordingSink {
    std::string taken;
    std::vector<Nanos> takenAt;
    Nanos now = 0;
    std::size_t room = SIZE_MAX; // bytes the line takes before it is full
    bool failed = false;

    ReplyScheduler::Sink sink() {
        return [this](const char* data, std::size_t size) -> long {
            if (failed)
                return -1;
            const std::size_t n = std::min(size, room);
            room -= n;
            taken.append(data, n);
            takenAt.insert(takenAt.end(), n, now);
            return static_cast<long>(n);
        };
    }
};

// Pumps at every due time until the queue is empty.
void runOnTime(ReplyScheduler& scheduler, RecordingSink& line) {
    while (const auto due = scheduler.nextDue()) {
        line.now = *due;
        QCOMPARE(scheduler.pump(line.now, line.sink()), ReplyScheduler::PumpResult::Done);
    }
}

} // namespace

class SimLineTest : public QObject {
    Q_OBJECT

private slots:
    void lineTimeIsTenBitsAt38400() {
        QCOMPARE(lineTime(1), Nanos(260416));
        QCOMPARE(lineTime(3), Nanos(781250));
        QCOMPARE(lineTime(38400), Nanos(10) * 1000000000);
    }

    void unpacedRepliesGoOutWholeAtTheirStart() {
        ReplyScheduler scheduler(false);
        RecordingSink line;
        QVERIFY(scheduler.queue("first", 1000));
        QVERIFY(scheduler.queue("second", 500)); // never before the reply ahead of it
        QCOMPARE(scheduler.nextDue().value(), Nanos(1000));
        QCOMPARE(scheduler.pump(999, line.sink()), ReplyScheduler::PumpResult::Done);
        QVERIFY(line.taken.empty());
        QCOMPARE(scheduler.pump(1000, line.sink()), ReplyScheduler::PumpResult::Done);
        QCOMPARE(line.taken, std::string("firstsecond"));
        QVERIFY(scheduler.idle());
        QCOMPARE(scheduler.stats().pacedBytes, 0u);
        QCOMPARE(scheduler.stats().replies, 2u);
    }

    void pacedBytesLeaveOnAnAbsoluteSchedule() {
        ReplyScheduler scheduler(true, 4);
        RecordingSink line;
        const Nanos t0 = 5000000;
        const std::string reply(76, 'x');
        QVERIFY(scheduler.queue(reply, t0));
        runOnTime(scheduler, line);
        QCOMPARE(line.taken, reply);
        // Each chunk of four leaves when its last byte is due; the last byte
        // leaves 76 character times after the start, not a moment later.
        for (std::size_t k = 0; k < reply.size(); ++k) {
            const std::size_t chunkEnd = std::min<std::size_t>((k / 4 + 1) * 4, reply.size());
            QCOMPARE(line.takenAt[k], t0 + lineTime(chunkEnd));
        }
        QCOMPARE(line.takenAt.back(), t0 + lineTime(76));
        QCOMPARE(scheduler.stats().pacedBytes, 76u);
        QCOMPARE(scheduler.stats().maxLate, Nanos(0));
        QVERIFY(qAbs(scheduler.stats().pacedSeconds() - 76 * 10.0 / 38400) < 1e-6);
    }

    void aLateWakeUpDoesNotDelayLaterBytes() {
        ReplyScheduler scheduler(true, 4);
        RecordingSink line;
        QVERIFY(scheduler.queue(std::string(76, 'x'), 0));
        line.now = lineTime(40) + 300000; // woke 0.3 ms late
        QCOMPARE(scheduler.pump(line.now, line.sink()), ReplyScheduler::PumpResult::Done);
        QCOMPARE(line.taken.size(), std::size_t(41)); // everything due by then
        QCOMPARE(scheduler.stats().maxLate, Nanos(300000) - (lineTime(41) - lineTime(40)));
        QCOMPARE(scheduler.nextDue().value(), lineTime(45));
        runOnTime(scheduler, line);
        QCOMPARE(line.takenAt.back(), lineTime(76));
    }

    void repliesQueueBehindEachOtherOnTheLine() {
        ReplyScheduler scheduler(true, 4);
        RecordingSink line;
        QVERIFY(scheduler.queue(std::string(12, 'a'), 0));
        QVERIFY(scheduler.queue(std::string(8, 'b'), lineTime(2))); // line busy until 12
        QVERIFY(scheduler.queue(std::string(4, 'c'), lineTime(100)));
        runOnTime(scheduler, line);
        QCOMPARE(line.takenAt[11], lineTime(12));
        QCOMPARE(line.takenAt[19], lineTime(20));
        QCOMPARE(line.takenAt[23], lineTime(100) + lineTime(4));
        QCOMPARE(scheduler.stats().replies, 3u);
    }

    void aFullLineKeepsTheRestAndAFailedOneIsReported() {
        ReplyScheduler scheduler(false);
        RecordingSink line;
        line.room = 3;
        QVERIFY(scheduler.queue("abcdef", 0));
        QCOMPARE(scheduler.pump(0, line.sink()), ReplyScheduler::PumpResult::LineFull);
        line.room = SIZE_MAX;
        QCOMPARE(scheduler.pump(0, line.sink()), ReplyScheduler::PumpResult::Done);
        QCOMPARE(line.taken, std::string("abcdef"));

        QVERIFY(scheduler.queue("x", 0));
        line.failed = true;
        QCOMPARE(scheduler.pump(0, line.sink()), ReplyScheduler::PumpResult::LineFailed);

        QVERIFY(!scheduler.queue(std::string(ReplyScheduler::maxQueued, 'y'), 0));
    }

    void commandsArriveWhenTheirLastCharacterHasCrossed() {
        InboundLine paced(true);
        paced.receive(11, 1000); // "QZ~F00000R" CR, written at once
        QCOMPARE(paced.startOf(0), Nanos(1000));
        QCOMPARE(paced.arrivalOf(10), 1000 + lineTime(11));
        // Read while the line still carries the first: these follow it.
        paced.receive(6, 1000 + lineTime(5));
        QCOMPARE(paced.startOf(0), 1000 + lineTime(11));
        QCOMPARE(paced.arrivalOf(5), 1000 + lineTime(17));
        // Read once the line is free: they start when read.
        paced.receive(2, lineTime(100));
        QCOMPARE(paced.arrivalOf(1), lineTime(100) + lineTime(2));
        QCOMPARE(paced.bytesReceived(), std::uint64_t(19));

        InboundLine unpaced(false);
        unpaced.receive(11, 1000);
        QCOMPARE(unpaced.startOf(3), Nanos(1000));
        QCOMPARE(unpaced.arrivalOf(10), Nanos(1000));
    }

    void turnaroundCountsCommandsThatFollowAReply() {
        Turnaround t;
        QCOMPARE(t.median(), Nanos(0));
        t.commandStarted(50); // the first command follows no reply
        const Nanos gaps[] = {300, 100, 200, 900, 400};
        Nanos now = 1000;
        for (Nanos gap : gaps) {
            t.replyEnded(now);
            t.commandStarted(now + gap);
            t.commandStarted(now + gap + 500000); // a retry after no reply
            now += 1000000;
        }
        QCOMPARE(t.count(), std::size_t(5));
        QCOMPARE(t.median(), Nanos(300));
        QCOMPARE(t.percentile(95), Nanos(900));
        QCOMPARE(t.percentile(40), Nanos(200));
        QCOMPARE(t.mean(), Nanos(380));
        t.replyEnded(now);
        t.commandStarted(now + 500);
        QCOMPARE(t.median(), Nanos(350)); // even count: between the middle two
    }

    void commandsAreCutAtEachCr() {
        LineAssembler assembler;
        QVERIFY(assembler.feed("QZ~F000").empty());
        auto commands = assembler.feed("22R\rQZ~IM\r\n\r\rQZ~FIN");
        QCOMPARE(commands, (std::vector<std::string>{"QZ~F00022R", "QZ~IM"}));
        commands = assembler.feed("ISH\r");
        QCOMPARE(commands, (std::vector<std::string>{"QZ~FINISH"}));

        // A line without end is dropped whole, and the next one is read.
        std::string babble(LineAssembler::maxLength + 10, '0');
        QVERIFY(assembler.feed(babble).empty());
        commands = assembler.feed("tail\rQZ~IM\r");
        QCOMPARE(commands, (std::vector<std::string>{"QZ~IM"}));
        QCOMPARE(assembler.discardedLines(), std::size_t(1));
    }

    void faultsFallOnTheCountedCommands() {
        FaultPlan plan;
        QCOMPARE(fateOf(plan, 1), CommandFate::Answer);
        plan.dropEvery = 3;
        plan.garbleEvery = 2;
        QCOMPARE(fateOf(plan, 1), CommandFate::Answer);
        QCOMPARE(fateOf(plan, 2), CommandFate::Garble);
        QCOMPARE(fateOf(plan, 3), CommandFate::Drop);
        QCOMPARE(fateOf(plan, 6), CommandFate::Drop);
        plan.silentAfter = 4;
        QCOMPARE(fateOf(plan, 4), CommandFate::Garble);
        QCOMPARE(fateOf(plan, 5), CommandFate::Silence);
        QCOMPARE(fateOf(plan, 6), CommandFate::Silence);
        plan.silentAfter = 0;
        QCOMPARE(fateOf(plan, 1), CommandFate::Silence);
    }

    void garbledRepliesFailTheFramingChecks() {
        Reply data{ReplyKind::Data, "QZ~F00022R\r", "\r\n" + std::string(64, '0') + "\r\n"};
        garble(data);
        const std::string bytes = data.bytes();
        QCOMPARE(bytes.size(), std::size_t(79));
        QVERIFY(bytes.substr(bytes.size() - 68, 2) != "\r\n");
        QVERIFY(bytes.substr(bytes.size() - 2) == "\r\n");

        Reply ack{ReplyKind::Ok, "QZ~IM\r", "\r\nOK\r\n"};
        garble(ack);
        QCOMPARE(ack.bytes(), std::string("QZ~IM\r??OK\r\n"));

        Reply echo{ReplyKind::EchoOnly, "QZ~IM\r", ""};
        garble(echo);
        QCOMPARE(echo.bytes(), std::string("QZ~IM?"));
    }

    // Characters come into the adapter at given times; each packet reaches
    // the computer when it is full or at the next 16 ms tick after its
    // first character.
    void usbAdapterDeliversFullPacketsAtOnceAndTheRestAtTheTick_data() {
        QTest::addColumn<QList<qint64>>("arrivals"); // size, then time in us, per arrival
        QTest::addColumn<QList<qint64>>("packets");  // size, then delivery time in us
        const qint64 tick = 16000;
        QTest::newRow("a data reply of 79 characters at once")
            << QList<qint64>{79, 1000} << QList<qint64>{62, 1000, 17, tick};
        QTest::newRow("a short acknowledgement")
            << QList<qint64>{17, 15000} << QList<qint64>{17, tick};
        QTest::newRow("exactly one packet") << QList<qint64>{62, 3000} << QList<qint64>{62, 3000};
        QTest::newRow("trickling in across a tick: the tick takes what is there")
            << QList<qint64>{10, 15000, 10, 17000} << QList<qint64>{10, tick, 10, 2 * tick};
        QTest::newRow("filled by later characters: goes when full")
            << QList<qint64>{40, 1000, 30, 5000} << QList<qint64>{62, 5000, 8, tick};
        QTest::newRow("200 characters at once")
            << QList<qint64>{200, 40000}
            << QList<qint64>{62, 40000, 62, 40000, 62, 40000, 14, 3 * tick};
    }
    void usbAdapterDeliversFullPacketsAtOnceAndTheRestAtTheTick() {
        QFETCH(QList<qint64>, arrivals);
        QFETCH(QList<qint64>, packets);
        UsbAdapter adapter(16000000, 0);
        RecordingSink line;
        QList<qint64> got; // size and time of each write to the computer
        const auto deliverUntil = [&](Nanos end) {
            while (const auto due = adapter.nextDue()) {
                if (*due > end)
                    break;
                line.now = *due;
                const std::size_t before = line.taken.size();
                QCOMPARE(adapter.deliver(line.now, line.sink()), ReplyScheduler::PumpResult::Done);
                for (std::size_t at = before; at < line.taken.size();) {
                    const std::size_t size =
                        std::min<std::size_t>(UsbAdapter::PacketSize, line.taken.size() - at);
                    got << qint64(size) << line.now / 1000;
                    at += size;
                }
            }
        };
        std::string sent;
        for (qsizetype i = 0; i < arrivals.size(); i += 2) {
            const Nanos at = arrivals[i + 1] * 1000;
            deliverUntil(at - 1);
            const std::string bytes(std::size_t(arrivals[i]), char('a' + i));
            adapter.receive(bytes.data(), bytes.size(), at);
            sent += bytes;
        }
        deliverUntil(INT64_MAX);
        QCOMPARE(got, packets);
        QCOMPARE(line.taken, sent);
        QVERIFY(adapter.idle());
    }

    void everyOptionIsParsedAndDocumented() {
        const std::vector<std::vector<std::string>> valid = {{"--model", "MT-Z40T"},
                                                             {"--image", "a.MZ4"},
                                                             {"--dump", "b.MZ4"},
                                                             {"--dump-raw", "c.bin"},
                                                             {"--link", "/tmp/l"},
                                                             {"--log", "d.log"},
                                                             {"--stats", "e.json"},
                                                             {"--clone-mode"},
                                                             {"--start-bank", "42"},
                                                             {"--silent-after", "0"},
                                                             {"--drop-every", "5"},
                                                             {"--garble-every", "7"},
                                                             {"--delay-ms", "450"},
                                                             {"--pace"},
                                                             {"--usb-latency", "16"},
                                                             {"--refuse-identification"},
                                                             {"--quiet"},
                                                             {"--help"}};
        const std::string usage = usageText();
        SimOptions all;
        std::vector<std::string> args;
        for (const auto& option : valid) {
            QVERIFY2(usage.find(option[0] + (option.size() > 1 ? " " : "")) != std::string::npos,
                     option[0].c_str());
            args.insert(args.end(), option.begin(), option.end());
        }
        std::string error;
        QVERIFY2(parseOptions(args, all, error), error.c_str());
        QCOMPARE(all.model, std::string("MT-Z40T"));
        QCOMPARE(all.startBank.value(), 42u);
        QCOMPARE(all.faults.silentAfter.value(), 0u);
        QCOMPARE(all.faults.dropEvery, 5u);
        QCOMPARE(all.faults.garbleEvery, 7u);
        QCOMPARE(all.faults.delayMs, 450u);
        QVERIFY(all.cloneMode && all.pace && all.quiet && all.help);
        QCOMPARE(all.stats, std::string("e.json"));
        QCOMPARE(all.usbLatencyMs, 16u);
        QVERIFY(all.refuseIdentification);

        SimOptions inlineForm;
        QVERIFY(parseOptions({"--model=MT-Z40E", "--delay-ms=10"}, inlineForm, error));
        QCOMPARE(inlineForm.model, std::string("MT-Z40E"));
        QCOMPARE(inlineForm.faults.delayMs, 10u);
        QVERIFY(!inlineForm.faults.silentAfter);
    }

    void badCommandLinesAreRefused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QStringList{"--speed"} << "unknown option";
        QTest::newRow("unknown model") << QStringList{"--model", "MT-K2 T"} << "unknown model";
        QTest::newRow("missing value") << QStringList{"--log"} << "needs a value";
        QTest::newRow("start bank too big") << QStringList{"--start-bank", "256"} << "0 to 255";
        QTest::newRow("not a number") << QStringList{"--delay-ms", "5ms"} << "whole number";
        QTest::newRow("drop every 0") << QStringList{"--drop-every", "0"} << "at least 1";
        QTest::newRow("no adapter latency") << QStringList{"--usb-latency", "0"} << "at least 1";
        QTest::newRow("adapter latency too long")
            << QStringList{"--usb-latency", "256"} << "0 to 255";
        QTest::newRow("value on a flag") << QStringList{"--pace=yes"} << "takes no value";
    }
    void badCommandLinesAreRefused() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        std::vector<std::string> argv;
        for (const QString& a : args)
            argv.push_back(a.toStdString());
        SimOptions options;
        std::string error;
        QVERIFY(!parseOptions(argv, options, error));
        QVERIFY2(error.find(message.toStdString()) != std::string::npos, error.c_str());
    }
};

QTEST_APPLESS_MAIN(SimLineTest)
#include "SimLine_test.moc"
