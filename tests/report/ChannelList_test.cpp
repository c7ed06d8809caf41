// The printable channel list: its rows, its pages, and the list as HTML and
// as a PDF document (read back with poppler-utils' pdftotext).
#include "model/RecordCodec.h"
#include "reference/FactoryData.h"
#include "report/ChannelListHtml.h"
#include "report/ChannelListPages.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace mtz4;

namespace {

const QDate Printed(2026, 12, 9);

// Entry `entry` in use with the given fields.
void Put(DataSet& ds, int entry, const RecordFields& f, const QString& name = {},
         const QString& note = {}, bool skip = false) {
    PutRecordFields(ds.MemData[entry], ds.MemText[entry], f);
    ds.MemText[entry][Col::Name] = name;
    ds.MemText[entry][Col::Note] = note;
    ds.MemData[entry][Col::Skip] = skip ? 1 : 0;
    ds.MemEnable[entry] = true;
}

// Banks 0..9 of 100 channels; entries in bank 0, bank 2, Program Scan,
// Search Pass and Priority.
std::unique_ptr<DataSet> Sample(int model = Model::MTZ4J) {
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, model);
    Put(*ds, 0, {145.5, 0, 4, 2, 0, 0, 8, 2, 0.6}, QStringLiteral("RPT1"),
        QStringLiteral("Repeater <north> & \"east\""), true);
    Put(*ds, 1, {118.1, 1, 2, 1, 0, 28}, QStringLiteral("TWR"));
    Put(*ds, 205, {433.5, 0, 4, 4, 12}, {}, QStringLiteral("東京タワー"));
    Put(*ds, 1000, {108.0, 1, 2});
    Put(*ds, 1001, {137.0, 1, 2});
    Put(*ds, 1105, {121.5, 1, 2});
    Put(*ds, 1299, {156.8, 0, 7});
    return ds;
}

QStringList Titles(const ChannelList& list) {
    QStringList titles;
    for (const ChannelSection& s : list.sections)
        titles << s.title;
    return titles;
}

// The text of a PDF document, pages split by form feeds; empty without
// pdftotext.
QString PdfText(const QByteArray& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    QFile file(path);
    if (tool.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                         path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class ChannelListTest : public QObject {
    Q_OBJECT

private slots:
    void rowsShowTheEntriesInUseBankByBank();
    void pagesBreakBetweenSectionsWhereTheyFit_data();
    void pagesBreakBetweenSectionsWhereTheyFit();
    void htmlHasTheHeaderAndEscapedCells();
    void pdfHasTheHeaderOnEveryPageAndEveryRow();
};

void ChannelListTest::rowsShowTheEntriesInUseBankByBank() {
    const auto ds = Sample();
    const ChannelList list =
        MakeChannelList(*ds, Model::MTZ4J, QStringLiteral("/x/radio.MZ4"), Printed);
    QCOMPARE(list.headerLine(), QStringLiteral("radio.MZ4 - MT-Z4J - 2026-12-09"));
    QCOMPARE(Titles(list),
             (QStringList{"Bank 0", "Bank 2", "Program Scan", "Search Pass", "Priority"}));
    QCOMPARE(list.rowCount(), 7);
    QCOMPARE(ChannelRowCells(list.sections[0].rows[0]),
             (QStringList{"00-000", "145.500000", "FM", "12.5KHz", "Tone 88.5Hz", "-0.600000", "*",
                          "RPT1", "Repeater <north> & \"east\""}));
    QCOMPARE(list.sections[0].rows[1].toneOrOption, QStringLiteral("Train JR"));
    QCOMPARE(list.sections[1].rows[0].label, QStringLiteral("02-005"));
    QCOMPARE(list.sections[1].rows[0].toneOrOption, QString()); // "Scr" is not the MT-Z4J's
    QCOMPARE(list.sections[2].rows[1].label, QStringLiteral("0B"));
    QCOMPARE(list.sections[3].rows[0].label, QStringLiteral("S5"));
    QCOMPARE(list.sections[4].rows[0].label, QStringLiteral("Pr99"));

    // The MT-Z40E offers "Scr" but not "Train"; no file has a name of its own.
    const ChannelList other = MakeChannelList(*ds, Model::MTZ40E, {}, Printed);
    QCOMPARE(other.sections[0].rows[1].toneOrOption, QString());
    QCOMPARE(other.sections[1].rows[0].toneOrOption, QStringLiteral("Scr 12"));
    QCOMPARE(other.fileName, QStringLiteral("(no file)"));
}

void ChannelListTest::pagesBreakBetweenSectionsWhereTheyFit_data() {
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<int>("linesPerPage");
    // Per page: the sections it starts or goes on with, "c" marking a
    // continued title.
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("all on one page") << QList<int>{3, 4} << 20 << QStringList{"0 1"};
    QTest::newRow("the next bank on a new page where it fits")
        << QList<int>{8, 10} << 20 << QStringList{"0", "1"};
    QTest::newRow("a bank longer than a page starts where three rows fit")
        << QList<int>{5, 30} << 20 << QStringList{"0 1", "1c", "1c"};
    QTest::newRow("nor when not even three of its rows fit")
        << QList<int>{14, 30} << 20 << QStringList{"0", "1", "1c"};
}

void ChannelListTest::pagesBreakBetweenSectionsWhereTheyFit() {
    QFETCH(QList<int>, sizes);
    QFETCH(int, linesPerPage);
    QFETCH(QStringList, pages);
    ChannelList list;
    for (int size : sizes)
        list.sections.append({QStringLiteral("Bank"), QList<ChannelRow>(size)});
    const QList<PageLines> made = PaginateChannelList(list, linesPerPage);
    QStringList got;
    for (const PageLines& page : made) {
        QStringList titles;
        int lines = 0;
        int rows = 0;
        for (const PageLine& line : page) {
            lines += line.kind == PageLine::Kind::Title ? TitleLines : 1;
            rows += line.kind == PageLine::Kind::Row;
            if (line.kind == PageLine::Kind::Title)
                titles << QString::number(line.section) + (line.continued ? "c" : "");
        }
        QVERIFY(lines <= linesPerPage);
        QVERIFY(rows > 0); // no title without rows at the foot of a page
        got << titles.join(QLatin1Char(' '));
    }
    QCOMPARE(got, pages);
}

void ChannelListTest::htmlHasTheHeaderAndEscapedCells() {
    const auto ds = Sample();
    const QString html = QString::fromUtf8(ChannelListHtml(
        MakeChannelList(*ds, Model::MTZ4J, QStringLiteral("Tom & Jerry <club>.MZ4"), Printed)));
    QVERIFY(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    // Every section's head repeats the header line, for every printed page,
    // escaped as every text is.
    QCOMPARE(
        html.count(QStringLiteral(">Tom &amp; Jerry &lt;club&gt;.MZ4 - MT-Z4J - 2026-12-09</th>")),
        5);
    QVERIFY(html.contains(QStringLiteral("<td>00-000</td><td>145.500000</td><td>FM</td>"
                                         "<td>12.5KHz</td><td>Tone 88.5Hz</td><td>-0.600000</td>"
                                         "<td>*</td><td>RPT1</td><td class=\"note\">Repeater "
                                         "&lt;north&gt; &amp; &quot;east&quot;</td>")));
    QVERIFY(html.contains(QStringLiteral("東京タワー")));
}

void ChannelListTest::pdfHasTheHeaderOnEveryPageAndEveryRow() {
    auto ds = Sample();
    // Enough channels for more than one page.
    for (int entry = 300; entry < 400; ++entry)
        Put(*ds, entry, {150.0 + entry / 1000.0, 0, 4});
    const ChannelList list =
        MakeChannelList(*ds, Model::MTZ4J, QStringLiteral("radio.MZ4"), Printed);
    const QString text = PdfText(ChannelListPdf(list));
    if (text.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 3);
    for (int p = 0; p < pages.size(); ++p) {
        QVERIFY2(
            pages[p].contains(QStringLiteral("radio.MZ4")) &&
                pages[p].contains(QStringLiteral("MT-Z4J")) &&
                pages[p].contains(QStringLiteral("2026-12-09")) &&
                pages[p].contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())),
            qPrintable(pages[p]));
    }
    // Bank 3 goes on over a page break with its title repeated.
    QVERIFY(text.contains(QStringLiteral("Bank 3 (continued)")));
    for (const QString& row :
         {QStringLiteral("00-000 +145.500000 +FM +12.5KHz +Tone 88.5Hz +-0.600000 "
                         "+\\* +RPT1 +Repeater <north> & \"east\""),
          QStringLiteral("03-099 +150.399000"), QStringLiteral("Pr99 +156.800000")})
        QVERIFY2(text.contains(QRegularExpression(row)), qPrintable(row));
    // Notes print in their own characters, Japanese ones with a Japanese font.
    if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
        QSKIP("no Japanese font installed (fonts-ipafont-gothic)");
    QVERIFY(text.contains(QStringLiteral("東京タワー")));
}

QTEST_MAIN(ChannelListTest)
#include "ChannelList_test.moc"
