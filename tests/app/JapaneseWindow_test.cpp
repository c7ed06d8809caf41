// The window started under a Japanese locale: every text it shows, in every
// window, dialog and menu, is Japanese but for the words that stay as they
// are in every language.
#include "WindowTexts.h"
#include "app/MainWindow.h"
#include "support/Shell.h"

#include "app/LanguageMenu.h"
#include "app/ResourceTexts.h"
#include "files/ImportReport.h"
#include "model/ProgramTranslations.h"
#include "model/ReferenceTables.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace mtz4;
using namespace mtz4::test;

class JapaneseWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void menusAndTipsAreJapanese();
    void toolkitButtonsAreJapanese();
    void noEnglishLeftInAnyWindow();
    void languageChoiceTakesEffectAtTheNextStart();
};

namespace {

// What may stay in Latin letters: the model names, the receiver's own
// display words (key functions, option and setting values, as the receiver
// shows them), units, keys, file words, paths and the names of standards,
// file types, code pages and languages (each in its own language).
const QRegularExpression AllowedLatin(QStringLiteral(
    R"((Orlenk MT-Z4/Z40 Clone Utility|MT-Z4\w*|MT-K2 [A-Z]|mtz4ctl|mtz4sim|mtz4-?clone|\.MZ4|\*\.\w+|)"
    R"(/[\w./-]+|\w*\d\w*|MHz|KHz|kHz|Hz|sec|COM|USB|CSV|HTML|PDF|UTF-8|Shift-JIS|JIS|Windows|CHIRP|)"
    R"(ID|Qt|BANK|GRP[-\w]*|AM|FM|WFM|LSB|CW|CTCSS|DCS|VFO|ALL|AUTO|OK|)"
    R"(ON|OFF|LONG|NORMAL|CLEAR|HIGH-Q|SILENT|SOUND|ENABLE|DISABLE|MEMORY|BUSY|MANUAL|QUICK|NON|)"
    R"(No SKIP|SKIP|SMA|EAR|SW|AF|TX|Pr|Sp|SBAR|ABAR|PRIO|BELL|BEEP|BAND|ATT|ANTENA|UP|DOWN|)"
    R"(TRAIN|TONE|SPEED|REVTON|REC|PLAY|MONI|AUX IN|AFTONE|JR|BS|WILDKY|TIMESP|TIMEPR|SETMOD|)"
    R"(SCANTP|RMCN-[A-D]|PROTCT|MONTYP|MONFNC|LOCBUG|LAMP|CHGTIM|CHARGE|BUGTYP|BUGSNS|APO|)"
    R"(Train|Tone|Rev\.|Shift[+-]|None|English|Deutsch|Enter|Esc|Shift|)"
    R"(&[A-Za-z]|\b[A-Z]\b))"));

QStringList LatinTexts(const QStringList& texts) {
    QStringList latin;
    for (const QString& text : texts) {
        QString rest = text.section(QStringLiteral(": "), 1);
        rest.remove(AllowedLatin);
        if (rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            latin << text;
    }
    return latin;
}

} // namespace

void JapaneseWindowTest::menusAndTipsAreJapanese() {
    QCOMPARE(ProgramTextLanguage(), TextLanguage::Japanese);
    Shell shell;
    frmMain& w = shell.window();

    QStringList titles;
    for (QAction* a : w.menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ﾂｰﾙ(&T)", "ﾍﾙﾌﾟ(&H)"}));
    const auto item = [&](const char* name) {
        const QAction* a = w.findChild<QAction*>(QLatin1String(name));
        return a ? a->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    };
    QCOMPARE(item("mnuFileNew"), QStringLiteral("新規作成(&N)"));
    QCOMPARE(item("mnuFileExit"), QStringLiteral("終了(&X)"));
    QCOMPARE(item("mnuWrAll"), QStringLiteral("すべて(&A)"));
    QCOMPARE(item("mnuToolsOptions"), QStringLiteral("COM ポートセットアップ(&C)"));

    // Every item of every menu got its text: none is left as a text number
    // or in English.
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                continue;
            bool isNumber = false;
            a->text().toInt(&isNumber);
            QVERIFY2(!isNumber, qPrintable(a->text()));
            QVERIFY2(a->text() != QStringLiteral("New(&N)") &&
                         !a->text().startsWith(QLatin1String("ALL")),
                     qPrintable(a->text()));
        }
    }
    QStringList tips;
    for (QAction* a : w.tbToolBar()->actions())
        if (!a->isSeparator())
            tips << a->toolTip();
    QCOMPARE(tips, (QStringList{"新規作成", "開く", "上書き保存", "ﾍﾙﾌﾟ"}));

    QCOMPARE(w.TabStrip1()->tabText(0), QStringLiteral("設定 1"));
    QCOMPARE(w.windowTitle(), Ref().AppTitle);

    // An import's or a paste's report is in Japanese too.
    ImportReport report;
    report.imported = 3;
    report.skipped << QStringLiteral("row 4");
    QCOMPARE(ImportSummary(report, QStringLiteral("pasted")),
             QStringLiteral("3 行を貼り付け、1 行を飛ばしました:\nrow 4"));
}

void JapaneseWindowTest::toolkitButtonsAreJapanese() {
    // The standard buttons of every question and dialog come from the
    // toolkit's own Japanese translation.
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Yes);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text(), QStringLiteral("はい(&Y)"));
}

// Every window and dialog of every command, every menu, tip and question:
// Japanese throughout.
void JapaneseWindowTest::noEnglishLeftInAnyWindow() {
    Shell shell;
    frmMain& w = shell.window();
    w.TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
    QStringList texts = ShownTexts(&w);
    // The dialogs made when their command runs.
    for (const char* name :
         {"mnuEditUndo", "mnuGoTo", "mnuProperties", "mnuFillFrequencies", "mnuFind", "mnuFilter",
          "mnuBackups", "mnuImportStock", "mnuToolsOptions", "mnuHelpAbout", "mnuUserGuide"}) {
        QAction* action = w.findChild<QAction*>(QLatin1String(name));
        QVERIFY2(action, name);
        QTimer::singleShot(0, [&texts] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                texts << ShownTexts(modal);
                modal->close();
            }
        });
        action->trigger();
        QCoreApplication::processEvents();
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            texts << ShownTexts(window);
    }
    for (const Prompt& p : shell.prompter.prompts) {
        for (const QString& text : {p.text, p.title, p.reason, p.yesText, p.noText})
            AddShownText(texts, QStringLiteral("question"), text);
    }
    texts.removeDuplicates();
    const QStringList latin = LatinTexts(texts);
    for (const QString& text : latin)
        qInfo("English: %s", qPrintable(text));
    QVERIFY2(
        latin.isEmpty(),
        qPrintable(
            QStringLiteral("%1 of %2 texts in English:\n").arg(latin.size()).arg(texts.size()) +
            latin.join(QLatin1Char('\n'))));
}

void JapaneseWindowTest::languageChoiceTakesEffectAtTheNextStart() {
    QCOMPARE(ProgramLanguage(), QStringLiteral("ja"));
    Shell shell;
    frmMain& w = shell.window();
    const QMenu* menu = w.findChild<QMenu*>(QStringLiteral("mnuLanguage"));
    QVERIFY(menu);
    QStringList items;
    for (const QAction* a : menu->actions())
        items << a->objectName();
    QStringList expected{QStringLiteral("mnuLanguage_System")};
    for (const QString& code : AvailableLanguages())
        expected << QStringLiteral("mnuLanguage_") + code;
    QCOMPARE(items, expected);
    QVERIFY(expected.contains(QStringLiteral("mnuLanguage_ja")));

    w.findChild<QAction*>(QStringLiteral("mnuLanguage_en"))->trigger();
    QCOMPARE(ReadLanguageChoice(), QStringLiteral("en"));
    QVERIFY2(w.statusPanel(0)->text().contains(QStringLiteral("次回の起動")),
             qPrintable(w.statusPanel(0)->text()));
    QCOMPARE(ProgramLanguage(), QStringLiteral("ja")); // until the next start
    QCOMPARE(StartLanguage(ReadLanguageChoice()), QStringLiteral("en"));
    // A choice no longer installed, and the system's: the system's language.
    QCOMPARE(StartLanguage(QStringLiteral("xx")), QStringLiteral("ja"));
    WriteLanguageChoice(QString());
    QCOMPARE(StartLanguage(ReadLanguageChoice()), QStringLiteral("ja"));
}

int main(int argc, char* argv[]) {
    // The user's language comes from the environment when the program starts.
    qputenv("LC_ALL", "ja_JP.UTF-8");
    qputenv("LANG", "ja_JP.UTF-8");
    qunsetenv("LANGUAGE");
    QApplication app(argc, argv);
    InstallTranslations(app, QString());
    JapaneseWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "JapaneseWindow_test.moc"
