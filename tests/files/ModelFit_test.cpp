// Keeping the data when another model is selected: what each pair of models
// that loses something changes, empties or resets, and that what is left
// passes every rule of the new model.
#include "files/ModelFit.h"
#include "model/EntryCodes.h"
#include "model/ModelRules.h"
#include "model/ReferenceTables.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace mtz4;
using namespace mtz4::test;

class ModelFitTest : public QObject {
    Q_OBJECT
private slots:
    void keptDataFollowTheNewModel_data();
    void keptDataFollowTheNewModel();
};

void ModelFitTest::keptDataFollowTheNewModel_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("option"); // of entry 0
    QTest::addColumn<QStringList>("changed");
    QTest::addColumn<QStringList>("entriesSkipped");
    const QString cellular = QStringLiteral("00-001: a frequency of the cellular phone");
    QTest::newRow("MT-Z4J -> MT-Z40T")
        << int(Model::MTZ4J) << int(Model::MTZ40T) << OptionTrainCode
        << QStringList{QStringLiteral(
               "00-000: option: Train → OFF (the MT-Z40T has no Train option)")}
        << QStringList{cellular};
    QTest::newRow("MT-Z40T -> MT-Z4J") << int(Model::MTZ40T) << int(Model::MTZ4J) << OptionToneCode
                                       << QStringList{} << QStringList{};
    QTest::newRow("MT-Z40E -> MT-Z40K")
        << int(Model::MTZ40E) << int(Model::MTZ40K) << OptionSecretCode
        << QStringList{QStringLiteral("00-000: option: Scr → OFF (the MT-Z40K has no Scr option)")}
        << QStringList{};
}

void ModelFitTest::keptDataFollowTheNewModel() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, option);
    QFETCH(QStringList, changed);
    QFETCH(QStringList, entriesSkipped);
    const auto ds = FactoryDataSet(from);
    const auto put = [&](int entry, double mhz, int code) {
        RecordFields fields{mhz, 0, 0, code};
        PutRecordFields(ds->MemData[entry], ds->MemText[entry], fields);
        ds->MemEnable[entry] = true;
    };
    put(0, 145.5, option);
    // Allowed on every model but the MT-Z40T.
    if (from != Model::MTZ40T)
        put(1, 835.0, OptionOffCode);
    ds->VfoText[12][Col::Note] = QStringLiteral("mine");

    const ImportReport report = FitDataToModel(*ds, to);
    QCOMPARE(ds->ModelIndex, to);
    QVERIFY(ds->DataChanged);
    QCOMPARE(report.changed, changed);
    QStringList entries, bands;
    for (const QString& line : report.skipped)
        (line.startsWith(QLatin1String("Band ")) ? bands : entries) << line;
    QCOMPARE(entries, entriesSkipped);
    const int kept = from != Model::MTZ40T && entriesSkipped.isEmpty() ? 2 : 1;
    QCOMPARE(report.imported, kept + BandCount - int(bands.size()));
    // What is left passes the new model's rules; a reset band keeps its note.
    QCOMPARE(ds->VfoText[12][Col::Note], QStringLiteral("mine"));
    for (int band = 0; band < BandCount; ++band)
        if (ModelHasBand(to, band))
            QVERIFY2(BandRefusal(*ds, band, FieldsOf(ds->VfoData[band])).isEmpty(),
                     qPrintable(QString::number(band)));
    for (int entry = 0; entry < EntryCount; ++entry)
        if (ds->MemEnable[entry])
            QVERIFY(EntryRefusal(*ds, entry, FieldsOf(ds->MemData[entry]), true).isEmpty());
}

QTEST_MAIN(ModelFitTest)
#include "ModelFit_test.moc"
