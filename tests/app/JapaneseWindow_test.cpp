// The window started under a Japanese locale: every text it shows, in every
// window, dialog and menu, is Japanese but for the words that stay as they
// are in every language.
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
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

using namespace mtz4;
using namespace mtz4::test;

class JapaneseWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void menusAndTipsAreJapanese();
    void toolkitButtonsAreJapanese();
    void languageChoiceTakesEffectAtTheNextStart();
};

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
