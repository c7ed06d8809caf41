// What a desktop program is expected to do beside the specified commands:
// standard shortcuts, files dropped on the window, a window that fits its
// screen, the user guide and the sample, the printable channel list, second
// windows, and tips for the settings.
#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "reference/FactoryData.h"
#include "support/Shell.h"
#include "support/WindowActions.h"

#include "app/FileDrop.h"
#include "app/HelpCommands.h"
#include "app/HelpWindow.h"
#include "app/MessageBoxPrompter.h"
#include "app/NewWindowCommand.h"
#include "app/PrintCommands.h"
#include "app/WindowFit.h"
#include "editing/SettingBinding.h"
#include "editing/Settings1Page.h"
#include "editing/Settings2Page.h"
#include "files/CsvFile.h"
#include "model/RecordCodec.h"
#include "model/SettingControls.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

using namespace mtz4;
using namespace mtz4::test;

namespace {

// Drops files on the window as a file manager would.
void dropFiles(QWidget& window, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPointF at(window.width() / 2, window.height() / 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

QString pdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A screen of 1366 x 768 at 125 %: 1093 x 614 in the desktop's pixels, less
// a task bar of 30 at the top.
QRect smallScreen(const QPoint&) {
    return QRect(0, 30, 1093, 584);
}

// The same with a bigger monitor on its right.
QRect twoScreens(const QPoint& at) {
    return at.x() < 1093 ? smallScreen(at) : QRect(1093, 0, 2560, 1440);
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { OpenPlacementStore()->clear(); }

    void standardShortcuts_data();
    void standardShortcuts();
    void droppedFiles_data();
    void droppedFiles();
    void fitToArea_data();
    void fitToArea();
    void windowFitsASmallScreen_data();
    void windowFitsASmallScreen();
    void userGuideAndSample();
    void userGuideInTheProgramsLanguage_data();
    void userGuideInTheProgramsLanguage();
    void messageBoxesHaveRoomForTheirTitle();
    void channelListAsPdfAndPrinted();
    void newWindowStartsTheProgramBesideThisOne();
    void everySettingHasATip();
};

void DesktopTest::standardShortcuts_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("opens");     // open dialogs shown
    QTest::addColumn<int>("saves");     // save dialogs shown
    QTest::addColumn<QString>("asked"); // the question asked, if any
    // Open asks first about the unsaved change; Cancel there shows no dialog.
    QTest::newRow("Ctrl+O Open") << QKeySequence(Qt::CTRL | Qt::Key_O) << "mnuFileOpen" << 0 << 0
                                 << "Save changes to settings?";
    QTest::newRow("Ctrl+S Save") << QKeySequence(Qt::CTRL | Qt::Key_S) << "mnuFileSave" << 0 << 1
                                 << "";
    QTest::newRow("Ctrl+Shift+S Save As")
        << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << "mnuFileSaveAs" << 0 << 1 << "";
    QTest::newRow("Ctrl+Q Exit") << QKeySequence(Qt::CTRL | Qt::Key_Q) << "mnuFileExit" << 0 << 0
                                 << "Save changes to settings?";
}

// The keys run the commands in both languages, the menu texts stay as they
// are, and Exit asks the closing question (here answered Cancel).
void DesktopTest::standardShortcuts() {
    QFETCH(QKeySequence, keys);
    QFETCH(QString, item);
    QFETCH(int, opens);
    QFETCH(int, saves);
    QFETCH(QString, asked);
    Shell shell;
    frmMain& w = shell.window();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QString text = action(w, qPrintable(item))->text();
    QCOMPARE(action(w, qPrintable(item))->shortcut(), keys);
    shell.ds().DataChanged = true;
    shell.prompter.script({PromptAnswer::Cancel});
    QTest::keySequence(&w, keys);
    QCOMPARE(shell.dialogs.openCalls, opens);
    QCOMPARE(shell.dialogs.saveCalls, saves);
    QCOMPARE(shell.prompter.texts(), asked.isEmpty() ? QStringList() : QStringList{asked});
    QVERIFY(w.isVisible()); // Cancel keeps the window open
    QCOMPARE(action(w, qPrintable(item))->text(), text);
}

void DesktopTest::droppedFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<double>("entry7"); // MHz of entry 7 afterwards; 0: unchanged
    QTest::addColumn<QString>("status");
    QTest::newRow("clone file") << "Radio.mz4"
                                << "" << QStringList{"Save changes to settings?"} << 118.1 << "";
    // Every line of the exported file comes back: bands, banks, groups, entries.
    QTest::newRow("our CSV file") << "list.CSV"
                                  << "ours" << QStringList{"615 lines imported, 0 skipped"} << 145.0
                                  << "";
    QTest::newRow("CHIRP's CSV file")
        << "chirp.csv"
        << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
           "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
           "7,NEW,146.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,,,,,,\r\n"
        << QStringList{"1 rows imported, 0 skipped"} << 146.5 << "";
    QTest::newRow("anything else")
        << "notes.txt"
        << "text" << QStringList{} << 0.0 << "only clone files (.MZ4) and CSV files (.csv)";
    QTest::newRow("two files") << ""
                               << "" << QStringList{} << 0.0 << "one file at a time";
}

void DesktopTest::droppedFiles() {
    QFETCH(QString, file);
    QFETCH(QString, content);
    QFETCH(QStringList, asked);
    QFETCH(double, entry7);
    QFETCH(QString, status);
    Shell shell;
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    QStringList paths;
    if (file.isEmpty()) {
        paths << shell.path(QStringLiteral("a.MZ4")) << shell.path(QStringLiteral("b.MZ4"));
    } else {
        paths << shell.path(file);
        if (content.isEmpty()) {
            auto other = std::make_unique<DataSet>();
            MakeFactoryDataSet(*other, 0);
            other->MemData[7][Col::Freq] = 118.1;
            other->MemEnable[7] = true;
            QVERIFY(SaveCloneFile(*other, paths.first()) == CloneFileStatus::Ok);
        } else if (content == QLatin1String("ours")) {
            // Our own CSV of a data set whose entry 7 is at 145 MHz.
            auto other = std::make_unique<DataSet>();
            MakeFactoryDataSet(*other, 0);
            PutRecordFields(other->MemData[7], other->MemText[7], RecordFields{145.0, 0, 4});
            other->MemEnable[7] = true;
            QVERIFY(ExportCsvFile(*other, paths.first(), shell.prompter));
        } else {
            QFile out(paths.first());
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content.toUtf8());
        }
    }
    ds.DataChanged = true; // an unsaved change: only Open asks about it
    shell.prompter.clear();
    shell.prompter.script({PromptAnswer::No});
    dropFiles(w, paths);

    QStringList texts = shell.prompter.texts();
    for (QString& text : texts)
        text = text.section(QLatin1Char(':'), 0, 0);
    QCOMPARE(texts, asked);
    QCOMPARE(ds.MemData[7][Col::Freq], entry7);
    QCOMPARE(ds.MemEnable[7], entry7 != 0.0);
    if (status.isEmpty())
        QVERIFY(!w.statusPanel(0)->text().contains(QStringLiteral("not opened")));
    else
        QVERIFY2(w.statusPanel(0)->text().contains(status), qPrintable(w.statusPanel(0)->text()));
    if (file.endsWith(QLatin1String(".mz4")))
        QCOMPARE(ds.CurrentFile, paths.first());
}

void DesktopTest::fitToArea_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("fitted");
    const QRect area(0, 30, 1093, 584);
    QTest::newRow("fits: stays") << QRect(100, 50, 667, 500) << area << QRect(100, 50, 667, 500);
    QTest::newRow("too tall: as tall as the area, moved up")
        << QRect(0, 0, 667, 667) << area << QRect(0, 30, 667, 584);
    QTest::newRow("off the right edge: moved in")
        << QRect(900, 100, 667, 400) << area << QRect(426, 100, 667, 400);
    QTest::newRow("above and left of the area")
        << QRect(-50, -20, 300, 200) << area << QRect(0, 30, 300, 200);
    QTest::newRow("stored on a bigger monitor")
        << QRect(200, 100, 2400, 1400) << area << QRect(0, 30, 1093, 584);
    QTest::newRow("on a second screen")
        << QRect(2000, 300, 667, 667) << QRect(1093, 0, 2560, 1440) << QRect(2000, 300, 667, 667);
}

void DesktopTest::fitToArea() {
    QFETCH(QRect, frame);
    QFETCH(QRect, area);
    QFETCH(QRect, fitted);
    QCOMPARE(FitToArea(frame, area), fitted);
    QCOMPARE(PlacementOfText(PlacementText(frame)), frame);
}

void DesktopTest::windowFitsASmallScreen_data() {
    QTest::addColumn<QRect>("placement");
    QTest::addColumn<bool>("bigMonitor");
    QTest::addColumn<QRect>("expected"); // empty: as tall as the small screen, on it
    QTest::newRow("start size on 1366x768 at 125 %") << QRect() << false << QRect();
    QTest::newRow("a placement stored on a bigger monitor, now gone")
        << QRect(300, 200, 2400, 1400) << false << QRect();
    QTest::newRow("a placement that fits stays")
        << QRect(100, 60, 600, 400) << false << QRect(100, 60, 600, 400);
    QTest::newRow("on the bigger monitor, where it fits")
        << QRect(1200, 100, 2400, 1400) << true << QRect(1200, 40, 2400, 1400);
}

// The window, status bar and buttons included, lies within the screen's
// available area, also with a placement from a bigger monitor.
void DesktopTest::windowFitsASmallScreen() {
    QFETCH(QRect, placement);
    QFETCH(bool, bigMonitor);
    QFETCH(QRect, expected);
    Shell shell({QStringLiteral("mtz4clone")}, {}, [&](StartupOptions& options) {
        options.screenArea = bigMonitor ? twoScreens : smallScreen;
        options.placement = placement;
    });
    frmMain& w = shell.window();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect frame = w.frameGeometry();
    if (!expected.isEmpty()) {
        QCOMPARE(frame, expected);
        return;
    }
    const QRect area = smallScreen(frame.center());
    QVERIFY2(area.contains(frame), qPrintable(PlacementText(frame)));
    QCOMPARE(frame.height(), area.height());
    // Everything in it can be reached: the status bar and the last page's
    // buttons lie within the window.
    QVERIFY(w.statusBar()->isVisible());
    QVERIFY(w.rect().contains(w.statusBar()->geometry()));
}

void DesktopTest::userGuideAndSample() {
    Shell shell;
    frmMain& w = shell.window();
    HelpCommands& help = w.helpCommands();
    QList<QUrl> shown;
    help.openUrl = [&shown](const QUrl& url) {
        shown << url;
        return true;
    };
    // The built guide, found beside the build's programs.
    QVERIFY(QFile::exists(QStringLiteral(MTZ4_BINARY_DIR "/doc/guide.html")));
    help.guidePath = QStringLiteral(MTZ4_BINARY_DIR "/doc/guide.html");
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // F1 shows the guide in the program's help window, at the section for
    // the page in view, searchable; the web browser is one click away.
    w.TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
    QTest::keyClick(&w, Qt::Key_F1);
    QVERIFY(shown.isEmpty());
    HelpWindow* window = help.helpWindow();
    QVERIFY(window && window->isVisible());
    QUrl section = QUrl::fromLocalFile(help.guidePath);
    section.setFragment(QStringLiteral("6-editing"));
    QCOMPARE(window->browser()->source(), section);
    QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("Keep these channels")));
    QVERIFY(window->findNext(QStringLiteral("Detect Model")));
    QVERIFY(window->browser()->textCursor().hasSelection());
    QVERIFY(!window->findNext(QStringLiteral("no such words in the guide")));
    window->browserButton()->click();
    QCOMPARE(shown, QList<QUrl>{section});
    window->close();
    help.guidePath.clear();
    QVERIFY(!help.showUserGuide());
    QCOMPARE(shell.prompter.prompts.last().title, QStringLiteral("User Guide"));

    // The sample opens as a copy: Save asks for a name.
    help.samplePath = QStringLiteral(MTZ4_SOURCE_DIR "/docs/sample.MZ4");
    shell.ds().DataChanged = true;
    shell.prompter.script({PromptAnswer::No});
    action(w, "mnuSampleFile")->trigger();
    QVERIFY(shell.ds().MemEnable[0]);
    QVERIFY(shell.ds().CurrentFile.isEmpty());
    QVERIFY(w.windowTitle().startsWith(QStringLiteral("sample.MZ4 (sample) - ")));
}

// The guide in the program's language where it has been translated, the
// English one elsewhere; every language's page has the sections the window
// opens it at.
void DesktopTest::userGuideInTheProgramsLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    QTest::newRow("English") << "en"
                             << "guide.html";
    QTest::newRow("Japanese") << "ja"
                              << "guide.ja.html";
    QTest::newRow("no translation") << "de"
                                    << "guide.html";
    QTest::newRow("none") << ""
                          << "guide.html";
}

void DesktopTest::userGuideInTheProgramsLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, page);
    const QString path = UserGuidePath(language);
    QCOMPARE(QFileInfo(path).fileName(), page);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    for (const char* section : {"2-first-start", "6-editing"})
        QVERIFY2(html.contains(QByteArray("id=\"") + section + '"'), section);
}

// "Successed!!" is shorter than its title "Success" with the frame's buttons.
void DesktopTest::messageBoxesHaveRoomForTheirTitle() {
    MessageBoxPrompter prompter;
    int width = 0;
    int title = 0;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            width = box->sizeHint().width();
            title = box->fontMetrics().horizontalAdvance(QStringLiteral("Success"));
            box->accept();
        }
    });
    prompter.success();
    QVERIFY2(width >= title + 150, qPrintable(QStringLiteral("%1 %2").arg(width).arg(title)));
}

void DesktopTest::channelListAsPdfAndPrinted() {
    Shell shell;
    frmMain& w = shell.window();
    const QString clone = shell.path(QStringLiteral("radio.MZ4"));
    QVERIFY(WriteCloneFile(clone, 145.5));
    QVERIFY(w.fileCommands().LoadCloneFile(clone));

    const QString exported = shell.path(QStringLiteral("list.pdf"));
    shell.dialogs.savePaths << exported;
    action(w, "mnuExportListPdf")->trigger();
    QCOMPARE(shell.dialogs.kinds.last(), FileKind::Pdf);
    QVERIFY(QFile::exists(exported));

    const QString printed = shell.path(QStringLiteral("printed.pdf"));
    w.printCommands().choosePrinter = [&printed](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    };
    action(w, "mnuPrintList")->trigger();
    QVERIFY(QFile::exists(printed));
    QVERIFY(!action(w, "mnuFilePageSetup")->isEnabled()); // Print Setup stays as it is

    for (const QString& pdf : {exported, printed}) {
        const QString text = pdfText(pdf);
        if (text.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(text.contains(QStringLiteral("radio.MZ4")) &&
                     text.contains(QStringLiteral("MT-Z4J")) &&
                     text.contains(QDate::currentDate().toString(Qt::ISODate)) &&
                     text.contains(QStringLiteral("145.500000")),
                 qPrintable(text));
    }
}

void DesktopTest::newWindowStartsTheProgramBesideThisOne() {
    Shell shell;
    frmMain& w = shell.window();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    NewWindowCommand& command = w.newWindowCommand();
    QStringList started;
    QRect placed;
    command.screenArea = [] { return QRect(0, 0, 1920, 1080); };
    command.startProcess = [&](const QString& program, const QStringList& arguments,
                               const QProcessEnvironment& environment) {
        started << program + QLatin1Char('|') + arguments.join(QLatin1Char('|'));
        placed = PlacementOfText(environment.value(QStringLiteral("MTZ4_PLACEMENT")));
        return true;
    };
    action(w, "mnuNewWindow")->trigger();
    const QRect frame = w.frameGeometry();
    QCOMPARE(placed, PlacementBeside(frame, QRect(0, 0, 1920, 1080)));
    QCOMPARE(placed, frame.translated(frame.width(), 0)); // to its right: there is room
    const QString file = shell.path(QStringLiteral("other radio.MZ4"));
    shell.dialogs.openPaths << file;
    action(w, "mnuOpenInNewWindow")->trigger();
    const QString program = QCoreApplication::applicationFilePath();
    QCOMPARE(started, (QStringList{program + QLatin1Char('|'), program + QLatin1Char('|') + file}));
    // No room to the right: a little below and to the right, on the screen.
    QCOMPARE(PlacementBeside(QRect(1500, 100, 667, 667), QRect(0, 0, 1920, 1080)),
             QRect(1253, 140, 667, 667));
}

// Every setting offered on the two pages carries one sentence as tool tip and
// status-bar line.
void DesktopTest::everySettingHasATip() {
    Shell shell;
    frmMain& w = shell.window();
    int offered = 0;
    for (const SettingControl& control : SettingControls()) {
        if (!control.offered)
            continue;
        ++offered;
        QVERIFY2(control.tip && *control.tip, qPrintable(control.name));
        const QString tip = QString::fromUtf8(control.tip);
        QVERIFY2(tip.endsWith(QLatin1Char('.')), qPrintable(tip));
        QWidget* page = control.page == SettingsPage::One
                            ? static_cast<QWidget*>(w.settings1Page())
                            : static_cast<QWidget*>(w.settings2Page());
        QWidget* widget = page->findChild<QWidget*>(control.name);
        if (!widget)
            widget = page->findChild<QWidget*>(control.name + QStringLiteral("0"));
        QVERIFY2(widget, qPrintable(control.name));
        QCOMPARE(widget->toolTip(), tip);
        QCOMPARE(widget->statusTip(), tip);
    }
    QCOMPARE(offered, 37);
    // The status bar shows the line while the pointer rests on the control.
    QWidget* lamp = w.settings2Page()->findChild<QWidget*>(QStringLiteral("optLamp2"));
    QStatusTipEvent tip(lamp->statusTip());
    QApplication::sendEvent(lamp, &tip);
    QCOMPARE(w.statusBar()->currentMessage(), lamp->statusTip());
}

QTEST_MAIN(DesktopTest)
#include "Desktop_test.moc"
