#include "model/SettingsCodec.h"

#include <QRandomGenerator>
#include <QTest>
#include <memory>

using namespace mtz4;

namespace {
const QString Z4JLine1 =
    QStringLiteral("A5000000000100000000000100000000010200010C0401010208000100141403");
const QString OtherLine1 =
    QStringLiteral("A5000000000100000000000100000000010200000C0401020208000100141403");
const QString Z4JLine2 =
    QStringLiteral("0B0600010202000100000000000000001400000000000000FFFFFFFFFFFFFFFF");
const QString Z40ELine2 =
    QStringLiteral("0B060001020200010000000000000000140000000000000000FFFFFFFFFFFFFF");
const QString OtherLine2 =
    QStringLiteral("0B040001020200010000000000000000140000000000000000FFFFFFFFFFFFFF");

QString Byte(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

class SettingsCodecTest : public QObject {
    Q_OBJECT
    std::unique_ptr<DataSet> ds;

private slots:
    void init() {
        ds = std::make_unique<DataSet>();
        InitTables(*ds);
    }

    void defaultLines() {
        QCOMPARE(DefaultSetLine1(0), Z4JLine1);
        QCOMPARE(DefaultSetLine1(1), OtherLine1);
        QCOMPARE(DefaultSetLine1(3), OtherLine1);
        QCOMPARE(DefaultSetLine2(0), Z4JLine2);
        QCOMPARE(DefaultSetLine2(1), Z40ELine2);
        QCOMPARE(DefaultSetLine2(2), OtherLine2);
        QCOMPARE(DefaultSetLine2(3), OtherLine2);
    }

    void missingMarkerInstallsModelDefaults() {
        ds->ModelIndex = Model::MTZ40E;
        DecodeSettings(*ds);
        QCOMPARE(ds->SetLine1, OtherLine1);
        QCOMPARE(ds->SetLine2, Z40ELine2);
        QCOMPARE(ds->settings.chkCharge, 0);
        QCOMPARE(ds->settings.cbbWildKey, 1);

        ds->ModelIndex = Model::MTZ4J;
        ds->SetLine1 = QStringLiteral("5A") + Z4JLine1.mid(2);
        DecodeSettings(*ds);
        QCOMPARE(ds->SetLine1, Z4JLine1);
        const SettingsRecord& s = ds->settings;
        QCOMPARE(s.chkATT, 0);
        QCOMPARE(s.chkBarAM, 1);
        QCOMPARE(s.chkBarSW, 1);
        QCOMPARE(s.optLamp, 1);
        QCOMPARE(s.cbbScan, 0);
        QCOMPARE(s.chkBS, 1);
        QCOMPARE(s.chkBeep, 1);
        QCOMPARE(s.optLockBug, 1);
        QCOMPARE(s.opbBug, 2);
        QCOMPARE(s.chkCharge, 1);
        QCOMPARE(s.cbbChargeTime, 11);
        QCOMPARE(s.cbbSetMode, 0);
        QCOMPARE(s.optSkip, 1);
        QCOMPARE(s.cbbWildKey, 0);
        QCOMPARE(s.cbbRemocon, (std::array<int, 4>{2, 8, 0, 1}));
        QCOMPARE(s.Slider1, 20);
        QCOMPARE(s.Slider2, 3);
        QCOMPARE(s.optRecRate, 1);
        QCOMPARE(s.optVscanSpeed, 2);
        QCOMPARE(s.chkAutoWave, 1);
        QCOMPARE(s.chkAutoStep, 1);
        QCOMPARE(s.opbOpMode, 0);
        QCOMPARE(s.cbbTimeSp, 0);
    }

    void optionBytesAreRepairedInPlace() {
        ds->SetLine1 = PutByte(Z4JLine1, QStringLiteral("07"), 5);
        ds->SetLine2 = PutByte(Z4JLine2, QStringLiteral("09"), 4);
        DecodeSettings(*ds);
        QCOMPARE(ds->settings.optLamp, 1);
        QCOMPARE(ds->SetLine1, PutByte(Z4JLine1, QStringLiteral("01"), 5));
        QCOMPARE(ds->settings.optVscanSpeed, 2);
        QCOMPARE(ds->SetLine2, PutByte(Z4JLine2, QStringLiteral("02"), 4));

        QCOMPARE(PutByte(QStringLiteral("AABBCC"), QStringLiteral("12"), 1),
                 QStringLiteral("AA12CC"));
        QCOMPARE(PutByte(QStringLiteral("AABBC"), QStringLiteral("12"), 2),
                 QStringLiteral("AABB1"));
        QCOMPARE(PutByte(QStringLiteral("AA"), QStringLiteral("12"), 4), QStringLiteral("AA"));
    }

    void encodeAfterDecode() {
        for (int model = 0; model < ModelCount; ++model) {
            ds->ModelIndex = model;
            ds->SetLine1.clear();
            DecodeSettings(*ds);
            EncodeSettings(*ds);
            QCOMPARE(ds->SetLine1, DefaultSetLine1(model));
            // Byte 0 becomes the operating mode and byte 1 is always written as 06.
            QCOMPARE(ds->SetLine2, DefaultSetLine2(model).left(46).replace(0, 4, "0006"));
        }
        ds->ModelIndex = 0;
        ds->SetLine1.clear();
        DecodeSettings(*ds);
        EncodeSettings(*ds);
        QCOMPARE(ds->SetLine2, QStringLiteral("0006000102020001000000000000000014000000000000"));

        ds->settings.Slider1 = 30;
        ds->settings.opbOpMode = 1;
        ds->settings.chkBarAM = 0;
        EncodeSettings(*ds);
        QCOMPARE(ds->SetLine1.mid(58, 4), QStringLiteral("1E1E"));
        QCOMPARE(ds->SetLine1.mid(6, 2), QStringLiteral("01"));
        QCOMPARE(ds->SetLine2.mid(32, 2), QStringLiteral("1E"));
        QCOMPARE(ds->SetLine2.left(2), QStringLiteral("01"));
        QCOMPARE(ds->SetLine2.mid(38, 2), QStringLiteral("01"));
    }

    void outOfRangeBytesComeBackUnchanged() {
        // Check bytes other than 00/01, list bytes outside their lists and
        // slider bytes outside the sliders survive a decode and encode.
        QString line1 = Z4JLine1;
        for (auto [k, v] : {std::pair{1, 0x05},
                            {3, 0x07},
                            {12, 0xFF},
                            {6, 0x40},
                            {20, 0x00},
                            {21, 0x02},
                            {23, 0xFF},
                            {27, 0x99},
                            {29, 0x50},
                            {30, 0x50},
                            {31, 0xFE}})
            line1 = PutByte(line1, Byte(v), k);
        QString line2 = Z4JLine2.left(46);
        for (auto [k, v] : {std::pair{13, 0x02}, {14, 0x80}, {16, 0x50}, {22, 0x20}})
            line2 = PutByte(line2, Byte(v), k);
        line2 = line2.replace(0, 2, "00");
        ds->SetLine1 = line1;
        ds->SetLine2 = line2;
        DecodeSettings(*ds);
        QCOMPARE(ds->settings.chkATT, 5);
        QCOMPARE(ds->settings.chkBarAM, -6);
        QCOMPARE(ds->settings.cbbChargeTime, -1);
        QCOMPARE(ds->settings.cbbSetMode, -2);
        EncodeSettings(*ds);
        QCOMPARE(ds->SetLine1, line1);
        QCOMPARE(ds->SetLine2, line2);
    }

    void randomRecordsRoundTrip() {
        QRandomGenerator rng(1208);
        const int optionLast1[] = {-1, -1, 1, -1, -1, 3,  -1, -1, -1, 1,  3,  -1, -1, -1, 1,  1,
                                   1,  4,  1, -1, -1, -1, 1,  -1, -1, -1, -1, -1, -1, -1, -1, -1};
        for (int round = 0; round < 200; ++round) {
            QString line1 = QStringLiteral("A5");
            for (int k = 1; k < 32; ++k) {
                int v = optionLast1[k] >= 0 ? rng.bounded(optionLast1[k] + 1) : rng.bounded(256);
                if (k == 7 || k == 28)
                    v = 0;
                if (k == 30)
                    v = HexByteValue(line1, 29);
                line1 += Byte(v);
            }
            QString line2;
            const int opMode = rng.bounded(3);
            for (int k = 0; k < 23; ++k) {
                static const int fixed[] = {-1, 6,  0,  -1, -1, -1, 0, 1,  -1, 0, 0, 0,
                                            0,  -1, -1, -1, -1, 0,  0, -1, 0,  0, -1};
                int v = fixed[k] >= 0 ? fixed[k] : rng.bounded(256);
                if (k == 3)
                    v = rng.bounded(4);
                else if (k == 4 || k == 5)
                    v = rng.bounded(5);
                else if (k == 8)
                    v = rng.bounded(3);
                else if (k == 15)
                    v = rng.bounded(2);
                else if (k == 0 || k == 19)
                    v = opMode;
                else if (k == 16)
                    v = HexByteValue(line1, 29);
                line2 += Byte(v);
            }
            ds->SetLine1 = line1;
            ds->SetLine2 = line2;
            DecodeSettings(*ds);
            const SettingsRecord decoded = ds->settings;
            EncodeSettings(*ds);
            QCOMPARE(ds->SetLine1, line1);
            QCOMPARE(ds->SetLine2, line2);
            DecodeSettings(*ds);
            QVERIFY(ds->settings == decoded);
        }
    }

    void changeMarkingControls() {
        ds->SetLine1 = Z4JLine1;
        ds->SetLine2 = Z4JLine2;
        QVERIFY(DecodeSettings(*ds));
        QVERIFY(ds->DataChanged);

        ds->DataChanged = false;
        QVERIFY(!DecodeSettings(*ds)); // nothing new
        QVERIFY(!ds->DataChanged);

        // The scan list and the antenna alone do not mark the data as changed.
        ds->SetLine1 = PutByte(PutByte(Z4JLine1, "05", 6), "01", 2);
        QVERIFY(!DecodeSettings(*ds));
        QCOMPARE(ds->settings.cbbScan, 5);
        QVERIFY(!ds->DataChanged);

        ds->SetLine1 = PutByte(Z4JLine1, "09", 31);
        QVERIFY(DecodeSettings(*ds));
        QVERIFY(ds->DataChanged);
    }

private:
    static int HexByteValue(const QString& line, int k) {
        return line.mid(2 * k, 2).toInt(nullptr, 16);
    }
};

QTEST_APPLESS_MAIN(SettingsCodecTest)
#include "SettingsCodec_test.moc"
