// The simulator's memory image as a clone file, and its agreement with the
// clone program's own clone file.

#include "CloneFile.h"
#include "Hex.h"
#include "MemoryImage.h"

#include "files/CloneFile.h"
#include "model/RecordCodec.h"
#include "support/RandomData.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

using namespace mtz4::sim;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const char* ending = "\r\n") {
    std::string text;
    for (const auto& line : lines)
        text += line + ending;
    return text;
}

// An image whose every byte is random.
MemoryImage randomImage(QRandomGenerator& rng) {
    MemoryImage image;
    for (auto& b : image.bytes())
        b = static_cast<std::uint8_t>(rng.bounded(256));
    return image;
}

std::string hexOf(const MemoryImage& image, std::uint32_t address, std::size_t count) {
    return toHex(image.read(address, count));
}

} // namespace

class SimCloneFileTest : public QObject {
    Q_OBJECT

private slots:
    void factoryImageAsACloneFile() {
        const std::vector<std::string> lines = linesOf(cloneText(MemoryImage()));
        QCOMPARE(lines.size(), std::size_t(CloneFileLines));
        QCOMPARE(lines.front(), std::string("Orlenk  MT-Z4  Clone  File Start"));
        QCOMPARE(lines.back(), std::string("Orlenk  MT-Z4  Clone  File   End"));
        QCOMPARE(lines[1], std::string(64, '0'));
        QCOMPARE(lines[2], std::string(64, '0'));
        QCOMPARE(lines[3], std::string(30, 'F')); // VFO records: 15 bytes
        QCOMPARE(lines[16], std::string(30, 'F'));
        QCOMPARE(lines[17], std::string(64, 'F'));
        QCOMPARE(lines[1316], std::string(64, 'F'));
        QCOMPARE(lines[1317], std::string(64, '0'));
        QCOMPARE(lines[1322], std::string("00000")); // enable slot 5: entries 1280..1299
        for (int i = 1323; i < 2637; ++i)
            QVERIFY(lines[i].empty());
        std::string bank0;
        for (int i = 0; i < 10; ++i)
            bank0 += "6400";
        QCOMPARE(lines[2637], bank0 + std::string(24, '0'));
        QCOMPARE(lines[2638], std::string(64, '0'));
        QCOMPARE(lines[2639], std::string(64, '0'));
        QCOMPARE(lines[2640], "00000000" + std::string("6400640064001400"));
        QCOMPARE(lines[2641], std::string(160, '0') + "0000000000000400");
    }

    void dumpAndLoadKeepEveryDumpedByte() {
        QRandomGenerator rng(20240601);
        const MemoryImage original = randomImage(rng);
        const std::string text = cloneText(original);
        MemoryImage loaded;
        std::string error;
        QVERIFY2(applyCloneText(text, loaded, error), error.c_str());
        QCOMPARE(cloneText(loaded), text);

        QCOMPARE(hexOf(loaded, 0, 64), hexOf(original, 0, 64));
        for (int band = 0; band < BandCount; ++band)
            QCOMPARE(hexOf(loaded, MemoryImage::vfoAddress(band), VfoRecordSize),
                     hexOf(original, MemoryImage::vfoAddress(band), VfoRecordSize));
        for (int entry = 0; entry < EntryCount; ++entry) {
            QCOMPARE(hexOf(loaded, MemoryImage::entryAddress(entry), RecordSize),
                     hexOf(original, MemoryImage::entryAddress(entry), RecordSize));
            QCOMPARE(loaded.entryEnabled(entry), original.entryEnabled(entry));
        }
        for (int bank = 0; bank < BankCount; ++bank)
            QCOMPARE(loaded.bankSize(bank), original.bankSize(bank));
        QCOMPARE(hexOf(loaded, Addr::BankTable, BankTableSize),
                 hexOf(original, Addr::BankTable, BankTableSize));
        QCOMPARE(hexOf(loaded, Addr::GroupBitmap, GroupBitmapSize),
                 hexOf(original, Addr::GroupBitmap, GroupBitmapSize));
        // What the file does not hold stays as the image had it.
        QCOMPARE(loaded.byte(MemoryImage::vfoAddress(0) + VfoRecordSize), 0xFF);
        QCOMPARE(loaded.byte(Addr::EnableBitmap + 162) & 0x0F, 0);
    }

    void linesShorterThanTheirAreaLeaveTheRest() {
        std::vector<std::string> lines = linesOf(cloneText(MemoryImage()));
        lines[17] = "00A0";    // entry 0: two bytes only
        lines[1322] = "FFFFF"; // enable slot 5: entries 1280..1299
        lines[2637] = "0A00";  // bank 0 only, ten channels
        lines[2638] = lines[2639] = lines[2640] = "";
        lines[2641] = "8"; // odd digit: high half of the first byte
        lines[1400] = "any note, \"quoted\" ; or not hex";
        MemoryImage image;
        std::string error;
        QVERIFY2(applyCloneText(joinLines(lines), image, error), error.c_str());
        QCOMPARE(hexOf(image, MemoryImage::entryAddress(0), 4), std::string("00A0FFFF"));
        QCOMPARE(image.bankSize(0), 10);
        QCOMPARE(image.bankSize(1), 0); // the rest of a short bank line reads as 0

        // Each bank line is a block of its own, as the clone program reads
        // it: a short one does not move the banks of the next.
        lines[2638] = "0500";
        MemoryImage banks;
        QVERIFY2(applyCloneText(joinLines(lines), banks, error), error.c_str());
        auto ds = std::make_unique<mtz4::DataSet>();
        QCOMPARE(mtz4::ParseCloneFileText(*ds, QByteArray::fromStdString(joinLines(lines))),
                 mtz4::CloneFileStatus::Ok);
        for (int bank = 0; bank < BankCount; ++bank)
            QCOMPARE(banks.bankSize(bank), ds->BankSize[bank]);
        QCOMPARE(banks.bankSize(16), 5);
        lines[2638] = "";
        QCOMPARE(image.byte(Addr::GroupBitmap), 0x80);
        QVERIFY(!image.entryEnabled(1279));
        for (int entry = 1280; entry < EntryCount; ++entry)
            QVERIFY(image.entryEnabled(entry));

        // The enable lines are read as one text, so a short slot moves the
        // bits after it, as the clone program reads them too.
        lines[1318] = "";
        MemoryImage shifted;
        QVERIFY2(applyCloneText(joinLines(lines), shifted, error), error.c_str());
        QVERIFY(shifted.entryEnabled(1024) && shifted.entryEnabled(1043));
        QVERIFY(!shifted.entryEnabled(1280));
    }

    void extraLinesAndBareLineFeedsAreAccepted() {
        std::vector<std::string> lines = linesOf(cloneText(MemoryImage()));
        lines[17] = std::string(64, '1');
        lines.push_back("after the trailer");
        MemoryImage image;
        std::string error;
        QVERIFY2(applyCloneText(joinLines(lines, "\n"), image, error), error.c_str());
        QCOMPARE(hexOf(image, MemoryImage::entryAddress(0), RecordSize), std::string(64, '1'));
    }

    void badFilesAreRefusedAndChangeNothing_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("header one space short") << 0 << "Orlenk MT-Z4  Clone  File Start"
                                                << "line 1 is not";
        QTest::newRow("trailer wrong") << 2642 << "Orlenk  MT-Z4  Clone  File End"
                                       << "line 2643";
        QTest::newRow("cut short") << -1 << ""
                                   << "ends after 2642 lines";
        QTest::newRow("record not hex") << 20 << "XYZ"
                                        << "line 21";
        QTest::newRow("bank line not hex") << 2640 << "6400 6400"
                                           << "line 2641";
    }
    void badFilesAreRefusedAndChangeNothing() {
        QFETCH(int, line);
        QFETCH(QString, content);
        QFETCH(QString, message);
        std::vector<std::string> lines = linesOf(cloneText(MemoryImage()));
        for (auto& l : lines)
            if (l.size() == 64 && l == std::string(64, 'F'))
                l = std::string(64, '0');
        if (line < 0)
            lines.pop_back();
        else
            lines[line] = content.toStdString();
        MemoryImage image;
        const MemoryImage before = image;
        std::string error;
        QVERIFY(!applyCloneText(joinLines(lines), image, error));
        QVERIFY2(error.find(message.toStdString()) != std::string::npos, error.c_str());
        QVERIFY(image.bytes() == before.bytes());
    }

    void filesOnDisk() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("a.MZ4").toStdString();
        MemoryImage image;
        image.setBankSize(3, 7);
        std::string error;
        QVERIFY2(saveCloneFile(path, image, error), error.c_str());
        QVERIFY(!QFile::exists(QString::fromStdString(path + ".part")));
        MemoryImage loaded;
        QVERIFY2(loadCloneFile(path, loaded, error), error.c_str());
        QCOMPARE(loaded.bankSize(3), 7);

        QVERIFY(!loadCloneFile(dir.filePath("missing.MZ4").toStdString(), loaded, error));
        QVERIFY2(error.find("missing.MZ4") != std::string::npos, error.c_str());
        QVERIFY(!saveCloneFile(dir.filePath("no/such/dir.MZ4").toStdString(), image, error));

        // A directory, or a file far larger than any clone file, is refused
        // and leaves the image as it was.
        QFile huge(dir.filePath("huge.MZ4"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(mtz4::CloneFileMaxBytes + 1));
        huge.close();
        for (const QString& bad : {dir.path(), huge.fileName()}) {
            QVERIFY(!loadCloneFile(bad.toStdString(), loaded, error));
            QVERIFY2(error.find(bad.toStdString()) != std::string::npos, error.c_str());
            QCOMPARE(loaded.bankSize(3), 7);
        }

        const std::string raw = dir.filePath("image.bin").toStdString();
        QVERIFY2(saveRawImage(raw, image, error), error.c_str());
        QFile file(QString::fromStdString(raw));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), qsizetype(ImageSize));
        QCOMPARE(static_cast<std::uint8_t>(bytes[Addr::BankTable + 6]), 7);
    }

    // The clone program's file and the simulator's image agree byte for byte.
    void agreesWithTheCloneProgramsFile() {
        QRandomGenerator rng(77);
        auto ds = std::make_unique<mtz4::DataSet>();
        mtz4::test::FillRandomDataSet(*ds, rng, 0);
        const QByteArray text = mtz4::CloneFileText(*ds);

        MemoryImage image;
        std::string error;
        QVERIFY2(applyCloneText(text.toStdString(), image, error), error.c_str());
        for (int entry = 0; entry < EntryCount; ++entry) {
            QCOMPARE(image.entryEnabled(entry), ds->MemEnable[entry]);
            if (ds->MemEnable[entry])
                QCOMPARE(QString::fromStdString(
                             hexOf(image, MemoryImage::entryAddress(entry), RecordSize)),
                         mtz4::EncodeMem(*ds, entry));
        }
        for (int bank = 0; bank < BankCount; ++bank)
            QCOMPARE(image.bankSize(bank), ds->BankSize[bank]);
        QCOMPARE(QString::fromStdString(hexOf(image, Addr::GroupBitmap, GroupBitmapSize)),
                 ds->GroupLine);

        // And the program reads the simulator's dump back to the same data.
        auto back = std::make_unique<mtz4::DataSet>();
        mtz4::test::FillRandomDataSet(*back, rng, 0);
        QCOMPARE(mtz4::ParseCloneFileText(*back, QByteArray::fromStdString(cloneText(image))),
                 mtz4::CloneFileStatus::Ok);
        QCOMPARE(back->MemEnable, ds->MemEnable);
        QCOMPARE(back->BankSize, ds->BankSize);
        QCOMPARE(back->GroupFlag, ds->GroupFlag);
        for (int entry = 0; entry < EntryCount; ++entry)
            QCOMPARE(mtz4::EncodeMem(*back, entry), mtz4::EncodeMem(*ds, entry));
        for (int band = 0; band < BandCount; ++band)
            QCOMPARE(mtz4::EncodeVFO(*back, band), mtz4::EncodeVFO(*ds, band));
    }
};

QTEST_GUILESS_MAIN(SimCloneFileTest)
#include "SimCloneFile_test.moc"
