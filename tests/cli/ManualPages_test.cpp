// The manual pages describe every subcommand and option that the programs'
// --help names.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// What a program prints for these arguments on standard output.
QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Every option a help text names: "--name" and "-x".
QStringList OptionsOf(const QString& help) {
    QStringList options;
    static const QRegularExpression pattern(QStringLiteral("(?<![\\w-])(--?[a-zA-Z][\\w-]*)"));
    for (auto it = pattern.globalMatch(help); it.hasNext();) {
        const QString option = it.next().captured(1);
        if (!options.contains(option))
            options << option;
    }
    return options;
}

// The manual page's source as it reads: troff's "\-" is a "-".
QString ManualPage(const char* name) {
    QFile file(QStringLiteral(MTZ4_SOURCE_DIR "/data/man/%1.1").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll())
        .replace(QStringLiteral("\\-"), QStringLiteral("-"))
        .remove(QStringLiteral("\\fB"))
        .remove(QStringLiteral("\\fI"))
        .remove(QStringLiteral("\\fR"))
        .remove(QStringLiteral("\\fP"));
}

} // namespace

class ManualPagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyOptionOfTheHelpIsInTheManualPage_data();
    void everyOptionOfTheHelpIsInTheManualPage();
};

void ManualPagesTest::everyOptionOfTheHelpIsInTheManualPage_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("page");
    const QString ctl = QStringLiteral(MTZ4_BINARY_DIR "/src/mtz4ctl");
    QTest::newRow("mtz4clone") << QStringLiteral(MTZ4_BINARY_DIR "/src/mtz4clone")
                               << QStringList{QStringLiteral("--help")}
                               << QStringLiteral("mtz4clone");
    QTest::newRow("mtz4sim") << QStringLiteral(MTZ4_BINARY_DIR "/tools/sim/mtz4sim")
                             << QStringList{QStringLiteral("--help")} << QStringLiteral("mtz4sim");
    QTest::newRow("mtz4ctl") << ctl << QStringList{QStringLiteral("--help")}
                             << QStringLiteral("mtz4ctl");
    // Each subcommand the tool's help lists, with its own help.
    static const QRegularExpression subcommand(QStringLiteral("^  ([a-z]+)  +\\S"),
                                               QRegularExpression::MultilineOption);
    const QString help = Output(ctl, {QStringLiteral("--help")});
    for (auto it = subcommand.globalMatch(help); it.hasNext();) {
        const QString name = it.next().captured(1);
        QTest::newRow(qPrintable(QStringLiteral("mtz4ctl ") + name))
            << ctl << QStringList{name, QStringLiteral("--help")} << QStringLiteral("mtz4ctl");
    }
}

void ManualPagesTest::everyOptionOfTheHelpIsInTheManualPage() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, page);
    const QString help = Output(program, arguments);
    QVERIFY2(!help.isEmpty(), qPrintable(program));
    const QString manual = ManualPage(qPrintable(page));
    QVERIFY(!manual.isEmpty());
    QStringList missing;
    for (const QString& option : OptionsOf(help)) {
        if (!manual.contains(option))
            missing << option;
    }
    // A subcommand's name is described in the manual page as well.
    if (arguments.size() == 2 && !manual.contains(QStringLiteral(".B ") + arguments.first()))
        missing << arguments.first();
    QVERIFY2(missing.isEmpty(),
             qPrintable(page + QStringLiteral(".1 lacks ") + missing.join(QStringLiteral(", "))));
}

QTEST_GUILESS_MAIN(ManualPagesTest)
#include "ManualPages_test.moc"
