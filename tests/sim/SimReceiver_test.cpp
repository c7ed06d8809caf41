// The simulator's command interpreter, driven directly without a line.

#include "Hex.h"
#include "MemoryImage.h"
#include "Receiver.h"

#include <QtTest>
#include <string>

using namespace mtz4::sim;

namespace {

std::string record(const std::string& byteDigits) {
    std::string r;
    for (int i = 0; i < RecordSize; ++i)
        r += byteDigits;
    return r;
}

std::string entryHex(const MemoryImage& image, int entry) {
    return toHex(image.read(MemoryImage::entryAddress(entry), RecordSize));
}

std::string ok(const std::string& command) {
    return command + "\r\r\nOK\r\n";
}

std::string refused(const std::string& command) {
    return command + "\r\r\nRE\r\n";
}

} // namespace

class SimReceiverTest : public QObject {
    Q_OBJECT

private:
    MemoryImage image;

    void enterCloneMode(Receiver& rx) {
        QCOMPARE(rx.handle("QZ~" + rx.model()).kind, ReplyKind::Ok);
        QCOMPARE(rx.handle("QZ~F0FD01W00").kind, ReplyKind::Ok);
        QVERIFY(rx.cloneMode());
    }

private slots:
    void init() { image = MemoryImage(); }

    void outsideCloneModeOnlyIdentificationIsAnswered() {
        Receiver rx("MT-Z4J", image);
        const MemoryImage before = image;
        for (const std::string& command : std::vector<std::string>{
                 "QZ~F00022R", "QZ~IM", "QZ~FINISH", "QZ~F00000W00", "QZ~BC00000R",
                 "QZ~BC00000W" + record("11"), "QZ~F0FD01W00"}) {
            const Reply reply = rx.handle(command);
            QCOMPARE(reply.kind, ReplyKind::EchoOnly);
            QCOMPARE(reply.bytes(), command + "\r");
        }
        QVERIFY(!rx.cloneMode());
        QVERIFY(image.bytes() == before.bytes());
    }

    void cloneModeIsEnteredOnlyAfterAGoodIdentification() {
        Receiver rx("MT-Z4J", image);
        image.setByte(0xFD01, 0x5A);
        // A refused identification does not open the way.
        QCOMPARE(rx.handle("QZ~MT-Z40E").bytes(), refused("QZ~MT-Z40E"));
        QCOMPARE(rx.handle("QZ~F0FD01W00").kind, ReplyKind::EchoOnly);
        // Nor does a good one followed by another command first.
        QCOMPARE(rx.handle("QZ~MT-Z4J").bytes(), ok("QZ~MT-Z4J"));
        QCOMPARE(rx.handle("QZ~F00022R").kind, ReplyKind::EchoOnly);
        QCOMPARE(rx.handle("QZ~F0FD01W00").kind, ReplyKind::EchoOnly);
        QVERIFY(!rx.cloneMode());
        // Identification straight before the one-byte write does.
        QCOMPARE(rx.handle("QZ~MT-Z4J").kind, ReplyKind::Ok);
        QCOMPARE(rx.handle("QZ~F0FD01W00").bytes(), ok("QZ~F0FD01W00"));
        QVERIFY(rx.cloneMode());
        QCOMPARE(image.byte(0xFD01), 0x00);
    }

    void eachModelAcceptsOnlyItsOwnIdentification() {
        for (std::string_view own : ModelNames) {
            Receiver rx(own, image);
            for (std::string_view other : ModelNames) {
                const std::string command = "QZ~" + std::string(other);
                QCOMPARE(rx.handle(command).kind,
                         own == other ? ReplyKind::Ok : ReplyKind::Refused);
            }
            QCOMPARE(rx.handle("QZ~MT-K2 T").kind, ReplyKind::Refused);
        }
        // In clone mode identification is still answered and changes nothing.
        Receiver rx("MT-Z40T", image);
        rx.setCloneMode(true);
        QCOMPARE(rx.handle("QZ~MT-Z4J").kind, ReplyKind::Refused);
        QCOMPARE(rx.handle("QZ~MT-Z40T").kind, ReplyKind::Ok);
        QVERIFY(rx.cloneMode());
    }

    void readReplyIsEchoThenTheFramedBlock() {
        Receiver rx("MT-Z4J", image);
        enterCloneMode(rx);
        for (int i = 0; i < RecordSize; ++i)
            image.setByte(0x20 + i, static_cast<std::uint8_t>(0xA0 + i));
        const Reply reply = rx.handle("QZ~F00020R");
        QCOMPARE(reply.kind, ReplyKind::Data);
        const std::string expected =
            "QZ~F00020R\r\r\n"
            "A0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBF"
            "\r\n";
        QCOMPARE(reply.bytes(), expected);
        QCOMPARE(reply.bytes().size(), std::size_t(79));

        // The start bank is byte 0 of the block at 0022h.
        image.setByte(Addr::StartBank, 0x2A);
        QCOMPARE(rx.handle("QZ~F00022R").bytes().substr(13, 2), std::string("2A"));
    }

    void addressCommandsCheckTheirForm_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one byte") << "QZ~F00100W07" << true;
        QTest::newRow("lower-case digits") << "QZ~F00100Wab" << true;
        QTest::newRow("last bytes of the image") << "QZ~F0FFFEW0102" << true;
        QTest::newRow("odd digits") << "QZ~F00100W123" << false;
        QTest::newRow("not hex") << "QZ~F00100W0G" << false;
        QTest::newRow("no data") << "QZ~F00100W" << false;
        QTest::newRow("past the image") << "QZ~F0FFFFW0102" << false;
        QTest::newRow("address beyond 64 KiB") << "QZ~F10000W00" << false;
        QTest::newRow("bad address") << "QZ~F0010XW00" << false;
        QTest::newRow("read past the image") << "QZ~F0FFF0R" << false;
        QTest::newRow("read with trailing text") << "QZ~F00100RX" << false;
        QTest::newRow("last block") << "QZ~F0FFE0R" << true;
        QTest::newRow("unknown") << "QZ~HELLO" << false;
        QTest::newRow("no prefix") << "F00100R" << false;
    }
    void addressCommandsCheckTheirForm() {
        QFETCH(QString, command);
        QFETCH(bool, accepted);
        Receiver rx("MT-Z4J", image);
        rx.setCloneMode(true);
        const MemoryImage before = image;
        const Reply reply = rx.handle(command.toStdString());
        QCOMPARE(reply.kind != ReplyKind::Refused, accepted);
        QCOMPARE(reply.echo, command.toStdString() + "\r");
        if (!accepted)
            QVERIFY(image.bytes() == before.bytes());
    }

    void addressWriteStoresEveryByte() {
        Receiver rx("MT-Z4J", image);
        rx.setCloneMode(true);
        QCOMPARE(rx.handle("QZ~F00180W0102030405").kind, ReplyKind::Ok);
        QCOMPARE(toHex(image.read(0x17F, 7)), std::string("00010203040500"));
        QCOMPARE(rx.handle("QZ~F0FFFEWabCD").kind, ReplyKind::Ok);
        QCOMPARE(image.byte(0xFFFE), 0xAB);
        QCOMPARE(image.byte(0xFFFF), 0xCD);
    }

    void eraseEmptiesEveryEntryAndNothingElse() {
        Receiver rx("MT-Z4J", image);
        rx.setCloneMode(true);
        for (int entry : {0, 640, 1299}) {
            image.write(MemoryImage::entryAddress(entry),
                        std::vector<std::uint8_t>(RecordSize, 0x12));
            image.setEntryEnabled(entry, true);
        }
        image.setByte(Addr::EnableBitmap + 162, 0x1F); // entry 1299 and the unused low bits
        image.setByte(MemoryImage::entryAddress(0) - 1, 0x33);
        image.setByte(MemoryImage::entryAddress(EntryCount), 0x44);
        const MemoryImage before = image;

        QCOMPARE(rx.handle("QZ~IM").bytes(), ok("QZ~IM"));
        for (int entry = 0; entry < EntryCount; ++entry) {
            QCOMPARE(entryHex(image, entry), record("FF"));
            QVERIFY(!image.entryEnabled(entry));
        }
        QCOMPARE(image.byte(Addr::EnableBitmap + 162), 0x0F);
        QCOMPARE(image.byte(MemoryImage::entryAddress(0) - 1), 0x33);
        QCOMPARE(image.byte(MemoryImage::entryAddress(EntryCount)), 0x44);
        QVERIFY(std::equal(before.bytes().begin(), before.bytes().begin() + Addr::EnableBitmap,
                           image.bytes().begin()));
    }

    void channelWriteGoesThroughTheBankTable() {
        Receiver rx("MT-Z4J", image);
        rx.setCloneMode(true);
        for (int bank = 0; bank < BankCount; ++bank)
            image.setBankSize(bank, 0);
        image.setBankSize(0, 10);
        image.setBankSize(2, 5);

        const std::string rec = record("5A");
        QCOMPARE(rx.handle("QZ~BC02000W" + rec).bytes(), ok("QZ~BC02000W" + rec));
        QCOMPARE(entryHex(image, 10), rec);
        QVERIFY(image.entryEnabled(10));
        QCOMPARE(image.byte(Addr::EnableBitmap + 1), 0x20); // bit 10: second byte, third bit
        QCOMPARE(rx.handle("QZ~BC02004W" + rec).kind, ReplyKind::Ok);
        QVERIFY(image.entryEnabled(14));
        QCOMPARE(rx.handle("QZ~BC00009W" + rec).kind, ReplyKind::Ok);
        QVERIFY(image.entryEnabled(9));

        QCOMPARE(rx.handle("QZ~BC50003W" + rec).kind, ReplyKind::Ok);
        QCOMPARE(entryHex(image, 1003), rec);
        QCOMPARE(rx.handle("QZ~BC51099W" + rec).kind, ReplyKind::Ok);
        QCOMPARE(entryHex(image, 1199), rec);
        QCOMPARE(rx.handle("QZ~BC52099W" + rec).kind, ReplyKind::Ok);
        QCOMPARE(entryHex(image, 1299), rec);
        QCOMPARE(image.byte(Addr::EnableBitmap + 162), 0x10); // bit 1299

        int enabled = 0;
        for (int entry = 0; entry < EntryCount; ++entry)
            enabled += image.entryEnabled(entry);
        QCOMPARE(enabled, 6);
    }

    void channelWriteRefusals_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("data");
        const QString rec = QString::fromStdString(record("11"));
        QTest::newRow("beyond its bank") << "00010" << rec;
        QTest::newRow("empty bank") << "01000" << rec;
        QTest::newRow("beyond the memory channels") << "03000" << rec;
        QTest::newRow("beyond Program Scan") << "50100" << rec;
        QTest::newRow("beyond Priority") << "52100" << rec;
        QTest::newRow("no such list") << "53000" << rec;
        QTest::newRow("list not decimal") << "0A000" << rec;
        QTest::newRow("short record") << "00000" << rec.left(62);
        QTest::newRow("long record") << "00000" << rec + "11";
        QTest::newRow("record not hex") << "00000" << rec.left(62) + "GG";
    }
    void channelWriteRefusals() {
        QFETCH(QString, address);
        QFETCH(QString, data);
        Receiver rx("MT-Z4J", image);
        rx.setCloneMode(true);
        for (int bank = 0; bank < BankCount; ++bank)
            image.setBankSize(bank, 0);
        image.setBankSize(0, 10);
        image.setBankSize(2, 990);
        image.setBankSize(3, 5); // would start at entry 1000
        const MemoryImage before = image;
        const std::string command = "QZ~BC" + address.toStdString() + "W" + data.toStdString();
        QCOMPARE(rx.handle(command).bytes(), refused(command));
        QVERIFY(image.bytes() == before.bytes());
    }

    void channelReadAnswersTheRecordAtTheChannel() {
        Receiver rx("MT-Z4J", image);
        rx.setCloneMode(true);
        for (int bank = 0; bank < BankCount; ++bank)
            image.setBankSize(bank, 0);
        image.setBankSize(0, 10);
        image.setBankSize(2, 990);
        for (int entry : {0, 3, 10, 1000, 1100})
            image.write(MemoryImage::entryAddress(entry),
                        std::vector<std::uint8_t>(RecordSize, static_cast<std::uint8_t>(entry)));

        auto read = [&](const std::string& code) {
            const Reply reply = rx.handle("QZ~BC" + code + "R");
            return reply.kind == ReplyKind::Data ? reply.body.substr(2, 64)
                                                 : std::string("refused");
        };
        QCOMPARE(read("00000"), entryHex(image, 0));
        QCOMPARE(read("00003"), entryHex(image, 3));
        QCOMPARE(read("02000"), entryHex(image, 10));
        // Channel 000 of an empty bank is answered with the record where the
        // bank would start, even past the memory channels.
        QCOMPARE(read("01000"), entryHex(image, 10));
        QCOMPARE(read("49000"), entryHex(image, 1000));
        QCOMPARE(read("51000"), entryHex(image, 1100));
        QCOMPARE(read("01001"), std::string("refused"));
        QCOMPARE(read("60000"), std::string("refused"));
        QCOMPARE(rx.handle("QZ~BC02000R").bytes().size(), std::size_t(80));
    }

    void finishLeavesCloneModeAndReportsIt() {
        Receiver rx("MT-Z40K", image);
        int finishes = 0;
        rx.onFinish = [&] { ++finishes; };
        enterCloneMode(rx);
        QCOMPARE(rx.handle("QZ~FINISH").bytes(), ok("QZ~FINISH"));
        QVERIFY(!rx.cloneMode());
        QCOMPARE(finishes, 1);
        QCOMPARE(rx.handle("QZ~FINISH").kind, ReplyKind::EchoOnly);
        QCOMPARE(rx.handle("QZ~F00022R").kind, ReplyKind::EchoOnly);
        QCOMPARE(finishes, 1);
        enterCloneMode(rx);
    }
};

QTEST_APPLESS_MAIN(SimReceiverTest)
#include "SimReceiver_test.moc"
