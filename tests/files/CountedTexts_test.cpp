#include "files/ImportReport.h"
#include "model/ProgramTranslations.h"

#include <QCoreApplication>
#include <QTest>

using namespace mtz4;

// An import's counts in English, as the program says them with its English
// translations installed: one row, two rows.
class CountedTextsTest : public QObject {
    Q_OBJECT
private slots:
    void summarySaysOneRowAndTwoRows_data();
    void summarySaysOneRowAndTwoRows();
};

void CountedTextsTest::summarySaysOneRowAndTwoRows_data() {
    QTest::addColumn<QString>("noun");
    QTest::addColumn<QString>("done");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("changed");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("changedRows");
    QTest::newRow("1 row pasted") << "rows"
                                  << "pasted" << 1 << 1
                                  << "1 row pasted, 0 skipped, 1 changed:\nrow 1: x"
                                  << "1 row changed to fit:\nrow 1: x";
    QTest::newRow("2 rows imported") << "rows"
                                     << "imported" << 2 << 0 << "2 rows imported, 0 skipped"
                                     << "";
    QTest::newRow("1 line imported") << "lines"
                                     << "imported" << 1 << 0 << "1 line imported, 0 skipped"
                                     << "";
    QTest::newRow("kept") << "entries and bands"
                          << "kept" << 1 << 2
                          << "1 entry or band kept, 0 skipped, 2 changed:\nrow 1: x\nrow 1: x"
                          << "2 rows changed to fit:\nrow 1: x\nrow 1: x";
}

void CountedTextsTest::summarySaysOneRowAndTwoRows() {
    QFETCH(QString, noun);
    QFETCH(QString, done);
    QFETCH(int, imported);
    QFETCH(int, changed);
    ImportReport report;
    report.noun = noun;
    report.imported = imported;
    for (int i = 0; i < changed; ++i)
        report.changed << QStringLiteral("row 1: x");
    QTEST(ImportSummary(report, done), "summary");
    QTEST(ChangedRowsSummary(report), "changedRows");
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    InstallTranslations(app, QStringLiteral("en"));
    CountedTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CountedTexts_test.moc"
