// mtz4ctl report: a clone file's channel list as a PDF or HTML file.
#include <QDate>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString errors;
};

Run Ctl(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(MTZ4_BINARY_DIR "/src/mtz4ctl"), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QString FileText(const QString& path) {
    if (path.endsWith(QLatin1String(".pdf"))) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT

private slots:
    void reportOfTheSample_data();
    void reportOfTheSample();
};

void ReportTest::reportOfTheSample_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says"); // on standard error, or in the file written
    // MT-Z4J by default, which --quiet does not say.
    QTest::newRow("PDF") << "list.pdf" << QStringList{"--quiet"} << 0 << "MT-Z4J";
    QTest::newRow("HTML, another model")
        << "list.HTML" << QStringList{"--model", "MT-Z40E"} << 0 << "MT-Z40E";
    QTest::newRow("neither") << "list.txt" << QStringList{} << 2
                             << "-o LIST.pdf or -o LIST.html is required";
    QTest::newRow("a folder that is not there")
        << "missing/list.pdf" << QStringList{} << 1 << "mtz4ctl: ERROR: File Open Error";
}

void ReportTest::reportOfTheSample() {
    QFETCH(QString, output);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, says);
    if (output.endsWith(QLatin1String(".pdf")) && status == 0 &&
        QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(output);
    const Run run = Ctl(QStringList{QStringLiteral("report")}
                        << options << QStringLiteral(MTZ4_SOURCE_DIR "/docs/sample.MZ4")
                        << QStringLiteral("-o") << path);
    QCOMPARE(run.status, status);
    if (status != 0) {
        QVERIFY2(run.errors.contains(says), qPrintable(run.errors));
        QVERIFY(!QFile::exists(path));
        return;
    }
    QCOMPARE(run.errors, QString()); // nothing but the file
    const QString text = FileText(path);
    for (const QString& expected :
         {QStringLiteral("sample.MZ4"), says, QDate::currentDate().toString(Qt::ISODate),
          QStringLiteral("Bank 0"), QStringLiteral("Program Scan"), QStringLiteral("Search Pass"),
          QStringLiteral("Priority"), QStringLiteral("118.100000"),
          QStringLiteral("Tower, main runway"), QStringLiteral("Pr1")})
        QVERIFY2(text.contains(expected), qPrintable(expected));
}

QTEST_GUILESS_MAIN(ReportTest)
#include "Report_test.moc"
