#include "model/HexBits.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "reference/FactoryData.h"

#include <QRandomGenerator>
#include <QTest>
#include <memory>

using namespace mtz4;

namespace {
// The decoders take the data from character 3, as in a receiver reply.
QString Reply(const QString& line) {
    return QStringLiteral("\r\n") + line;
}

// A record line with the given bytes replaced (byte index -> two digits).
QString Record(std::initializer_list<std::pair<int, const char*>> bytes) {
    QString line = QStringLiteral("4086A408") + QString(56, QLatin1Char('0'));
    for (auto [k, digits] : bytes)
        line.replace(2 * k, 2, QLatin1String(digits));
    return line;
}
} // namespace

class RecordCodecTest : public QObject {
    Q_OBJECT
    std::unique_ptr<DataSet> ds;

private slots:
    void init() {
        ds = std::make_unique<DataSet>();
        MakeFactoryDataSet(*ds, Model::MTZ4J);
    }

    void frequencyFields() {
        QVERIFY(DecodeMem(*ds, Reply(Record({})), 0));
        QCOMPARE(ds->MemData[0][Col::Freq], 145.0);
        QCOMPARE(ds->MemText[0][Col::Freq], QStringLiteral("145.000000"));
        QCOMPARE(FrequencyToHex(145.0), QStringLiteral("4086A408"));

        QVERIFY(DecodeMem(*ds, Reply(Record({{0, "38"}, {1, "1A"}, {2, "08"}, {3, "00"}})), 1));
        QCOMPARE(ds->MemData[1][Col::Freq], 0.531);
        QCOMPARE(ds->MemText[1][Col::Freq], QStringLiteral("0.531000"));
        QCOMPARE(HexToFrequency(QStringLiteral("50C30000")), 0.05);

        // Shift FFFFFFFF (erased) reads as 0.
        QVERIFY(DecodeMem(*ds, Reply(Record({{6, "FF"}, {7, "FF"}, {8, "FF"}, {9, "FF"}})), 2));
        QCOMPARE(ds->MemData[2][Col::Shift], 0.0);
        QCOMPARE(ds->MemText[2][Col::Shift], QStringLiteral("0.000000"));
        // Values of 80000000h and more are unsigned, never negative, and
        // encode back to the same digits.
        for (const char* digits : {"C0BDF0FF", "99999999", "FEFFFFFF", "00000080"}) {
            const double mhz = HexToFrequency(QString::fromLatin1(digits));
            QVERIFY2(mhz > 2147.0 && mhz <= 4294.967295, digits);
            QCOMPARE(FrequencyToHex(mhz), QLatin1String(digits));
        }
        QCOMPARE(HexToFrequency(QStringLiteral("C0BDF0FF")), 4293.967296);
        // Exactly the value of the frequency's six-decimal text, for any hertz value.
        QRandomGenerator rng(61);
        for (int i = 0; i < 200000; ++i) {
            const quint32 edges[] = {0, 1, 999999, 1000000, 0xFFFFFFFEu};
            const quint32 raw = i < 5 ? edges[i] : rng.bounded(0xFFFFFFFFu);
            QString digits;
            for (int k = 0; k < 4; ++k)
                AppendHexByte(digits, qint64(raw >> (8 * k)));
            QString text = QString::number(raw).rightJustified(7, QLatin1Char('0'));
            text.insert(text.size() - 6, QLatin1Char('.'));
            QVERIFY2(HexToFrequency(digits) == NumericValue(text), qPrintable(text));
        }

        // Halves round to the even hertz; values beyond 32 bits keep their low bits.
        QCOMPARE(FrequencyToHex(144.0000005), FrequencyToHex(144.0));
        QCOMPARE(FrequencyToHex(0.0000015), QStringLiteral("02000000"));
        QCOMPARE(FrequencyToHex(-1.0), QStringLiteral("C0BDF0FF"));
        QCOMPARE(FrequencyToHex(4294.967297), QStringLiteral("01000000"));
    }

    void emptyRecords() {
        ds->MemData[5][Col::Freq] = 7.0;
        ds->MemText[5][Col::Note] = QStringLiteral("keep");
        QVERIFY(
            !DecodeMem(*ds, Reply(QStringLiteral("FFFFFFFF") + QString(56, QLatin1Char('0'))), 5));
        QCOMPARE(ds->MemData[5][Col::Freq], 7.0);
        QCOMPARE(ds->MemText[5][Col::Note], QStringLiteral("keep"));

        QVERIFY(!DecodeMem(*ds, Reply(QString(64, QLatin1Char('0'))), 5));
        QCOMPARE(ds->MemData[5][Col::Freq], 0.0);
        QCOMPARE(ds->MemText[5][Col::Note], QString());

        QVERIFY(!DecodeVFO(*ds, Reply(QString(30, QLatin1Char('0'))), 3));
        QCOMPARE(ds->VfoText[3][Col::Step], QString());
        QVERIFY(!DecodeMem(*ds, QString(), 0)); // nothing at all decodes as frequency 0
    }

    void outOfRangeCodesAreRepairedAndEveryCodeHasItsText() {
        QVERIFY(DecodeMem(*ds,
                          Reply(Record({{4, "05"},
                                        {5, "13"},
                                        {11, "07"},
                                        {12, "27"},
                                        {13, "1E"},
                                        {14, "1C"},
                                        {10, "09"},
                                        {17, "02"}})),
                          0));
        const auto& d = ds->MemData[0];
        const auto& t = ds->MemText[0];
        QCOMPARE(d[Col::Mode], 0.0);
        QCOMPARE(t[Col::Mode], QStringLiteral("FM"));
        QCOMPARE(d[Col::Step], 0.0); // 19 is beyond the last step code
        QCOMPARE(d[Col::Option], 7.0);
        QCOMPARE(t[Col::Option], QStringLiteral("None"));
        QCOMPARE(d[Col::Tone], 0.0);
        QCOMPARE(t[Col::Tone], QStringLiteral("67.0Hz"));
        QCOMPARE(d[Col::Secret], 11.0);
        QCOMPARE(t[Col::Secret], QStringLiteral("11"));
        QCOMPARE(t[Col::Carrier], QStringLiteral("JR"));
        QCOMPARE(d[Col::ShiftDir], 9.0);
        QCOMPARE(t[Col::ShiftDir], QStringLiteral("OFF"));
        QCOMPARE(d[Col::Skip], 0.0);

        QVERIFY(DecodeMem(*ds, Reply(Record({{5, "12"}, {14, "00"}, {11, "04"}, {10, "02"}})), 1));
        QCOMPARE(ds->MemData[1][Col::Step], 18.0);
        QCOMPARE(ds->MemText[1][Col::Step], QString());
        QCOMPARE(ds->MemText[1][Col::Carrier], QStringLiteral("300Hz"));
        QCOMPARE(ds->MemText[1][Col::Option], QStringLiteral("Scr"));
        QCOMPARE(ds->MemText[1][Col::ShiftDir], QStringLiteral("Shift-"));
        QCOMPARE(CarrierText(27), QStringLiteral("3000Hz"));
    }

    void namesAreSixPrintableCharacters() {
        QCOMPARE(DecodeName(QStringLiteral("4142001F7F43")), QStringLiteral("AB   C"));
        QCOMPARE(EncodeName(QStringLiteral("AB")), QStringLiteral("414200000000"));
        // At most six characters; anything unprintable is written as a space.
        QCOMPARE(EncodeName(QStringLiteral("ABCDEFGH")), QStringLiteral("414243444546"));
        QCOMPARE(EncodeName(QString::fromUtf8("A\xC3\xA9\tB")), QStringLiteral("412020420000"));
    }

    void optionByteFollowsModel() {
        ds->MemData[0][Col::Freq] = 145.0;
        const auto optionByte = [&] { return EncodeMem(*ds, 0).mid(22, 2); };
        ds->MemData[0][Col::Option] = 4;
        QCOMPARE(optionByte(), QStringLiteral("00"));
        ds->ModelIndex = Model::MTZ40E;
        QCOMPARE(optionByte(), QStringLiteral("04"));
        ds->MemData[0][Col::Option] = 1;
        QCOMPARE(optionByte(), QStringLiteral("00"));
        ds->ModelIndex = Model::MTZ4J;
        QCOMPARE(optionByte(), QStringLiteral("01"));
        ds->ModelIndex = Model::MTZ40T;
        QCOMPARE(optionByte(), QStringLiteral("00"));
        ds->MemData[0][Col::Option] = 2;
        QCOMPARE(optionByte(), QStringLiteral("02"));
        QCOMPARE(ds->MemData[0][Col::Option], 2.0); // the table keeps its code
    }

    void encodedWidthsAreFixed() {
        QCOMPARE(EncodeVFO(*ds, 0).size(), 30);
        QCOMPARE(EncodeMem(*ds, 0).size(), 64);
        // Out-of-range table values (as an import may leave them) never
        // widen the line.
        auto& d = ds->MemData[7];
        d = {1e12, -1, 300, 7.4, 512, 1000, 256.6, -3, -5e9, 0, 0, 99};
        ds->MemText[7][Col::Name] = QStringLiteral("far too long a name");
        const QString line = EncodeMem(*ds, 7);
        QCOMPARE(line.size(), 64);
        QCOMPARE(line.mid(8, 4), QStringLiteral("FF2C"));
        ds->VfoData[2].fill(0.0);
        ds->VfoData[2][Col::Freq] = -1e15;
        ds->VfoData[2][Col::Step] = 300;
        QCOMPARE(EncodeVFO(*ds, 2).size(), 30);
    }

    void randomRecordsRoundTrip() {
        QRandomGenerator rng(20261208);
        for (int model = 0; model < ModelCount; ++model) {
            ds->ModelIndex = model;
            for (int i = 0; i < 300; ++i) {
                // A valid record: any non-zero frequency below 2^31 Hz, every
                // field in range, an option the model keeps, a printable name.
                QString line;
                line += FrequencyToHex(double(rng.bounded(1, 0x7FFFFFFF)) / 1e6);
                line += QStringLiteral("%1").arg(rng.bounded(3), 2, 16, QLatin1Char('0'));
                line += QStringLiteral("%1").arg(rng.bounded(19), 2, 16, QLatin1Char('0'));
                line += FrequencyToHex(double(rng.bounded(0, 0x7FFFFFFF)) / 1e6);
                line += QStringLiteral("%1").arg(rng.bounded(3), 2, 16, QLatin1Char('0'));
                int option = rng.bounded(5);
                if ((option == 4 && model != 1) || (option == 1 && model != 0))
                    option = 0;
                line += QStringLiteral("%1").arg(option, 2, 16, QLatin1Char('0'));
                line += QStringLiteral("%1").arg(rng.bounded(39), 2, 16, QLatin1Char('0'));
                line += QStringLiteral("%1").arg(rng.bounded(29), 2, 16, QLatin1Char('0'));
                line += QStringLiteral("%1").arg(rng.bounded(29), 2, 16, QLatin1Char('0'));
                const QString vfoLine = line.toUpper();
                line += QStringLiteral("0000%1").arg(rng.bounded(2), 2, 10, QLatin1Char('0'));
                line += QString(16, QLatin1Char('0'));
                for (int c = 0; c < 6; ++c)
                    line += QString::number(rng.bounded(32, 127), 16);
                line = line.toUpper();

                const int n = rng.bounded(EntryCount);
                QVERIFY(DecodeMem(*ds, Reply(line), n));
                QCOMPARE(EncodeMem(*ds, n), line);
                const auto data = ds->MemData[n];
                const auto text = ds->MemText[n];
                QVERIFY(DecodeMem(*ds, Reply(EncodeMem(*ds, n)), n));
                QCOMPARE(ds->MemData[n], data);
                QCOMPARE(ds->MemText[n], text);

                const int b = rng.bounded(BandCount);
                QVERIFY(DecodeVFO(*ds, Reply(vfoLine), b));
                QCOMPARE(EncodeVFO(*ds, b), vfoLine);
                const auto vfo = ds->VfoData[b];
                QVERIFY(DecodeVFO(*ds, Reply(EncodeVFO(*ds, b)), b));
                QCOMPARE(ds->VfoData[b], vfo);
            }
        }
    }
};

QTEST_APPLESS_MAIN(RecordCodecTest)
#include "RecordCodec_test.moc"
