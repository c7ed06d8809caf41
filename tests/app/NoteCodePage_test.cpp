// Tool > Note Code Page: a file from a Japanese system opened on a Western
// one, read anew in the Japanese code page, undone, remembered for the next
// start, and saved byte for byte; Export's UTF-8 choice.
#include "app/MainWindow.h"
#include "app/NoteCodePageMenu.h"
#include "editing/UndoHistory.h"
#include "model/CodePage.h"
#include "reference/FactoryData.h"
#include "support/Shell.h"
#include "support/TestFiles.h"
#include "support/WindowActions.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

class NoteCodePageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void japaneseFileOnAWesternSystem();
    void exportOffersUtf8();
};

namespace {

QAction* item(frmMain& w, CodePage page) {
    return w.findChild<QAction*>(QStringLiteral("mnuNoteCodePage%1").arg(int(page)));
}

} // namespace

void NoteCodePageTest::japaneseFileOnAWesternSystem() {
    OpenPlacementStore()->remove(QStringLiteral("Tool/NoteCodePage"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tokyo.MZ4"));
    {
        auto ds = std::make_unique<DataSet>();
        MakeFactoryDataSet(*ds, 0);
        ds->NoteCodePage = CodePage::Japanese;
        ds->MemData[0][Col::Freq] = 145.5;
        ds->MemEnable[0] = true;
        ds->MemText[0][Col::Note] = QStringLiteral("東京タワー");
        QCOMPARE(SaveCloneFile(*ds, file), CloneFileStatus::Ok);
    }
    const QByteArray original = ReadFile(file);
    {
        Shell shell({QStringLiteral("mtz4clone"), file});
        frmMain& w = shell.window();
        QVERIFY(item(w, CodePage::Western)->isChecked()); // English texts: Western
        QVERIFY(shell.ds().MemText[0][Col::Note] != QStringLiteral("東京タワー"));
        // The status bar names the item that shows the notes right, until it is chosen.
        const QString hint = QStringLiteral("Tool > Note Code Page > Japanese (Shift-JIS, 932)");
        QVERIFY2(w.statusPanel(0)->text().contains(hint), qPrintable(w.statusPanel(0)->text()));

        item(w, CodePage::Japanese)->trigger();
        QCOMPARE(shell.ds().MemText[0][Col::Note], QStringLiteral("東京タワー"));
        QVERIFY(!w.statusPanel(0)->text().contains(hint));
        QVERIFY(!shell.ds().DataChanged); // the file's bytes are what they were
        QVERIFY(ReadNoteCodePage() == CodePage::Japanese);

        action(w, "mnuUndo")->trigger();
        QVERIFY(item(w, CodePage::Western)->isChecked());
        QVERIFY(shell.ds().MemText[0][Col::Note] != QStringLiteral("東京タワー"));
        action(w, "mnuRedo")->trigger();
        QVERIFY(item(w, CodePage::Japanese)->isChecked());

        // Saved under either code page, the notes are what they were.
        const QString again = dir.filePath(QStringLiteral("again.MZ4"));
        QCOMPARE(SaveCloneFile(shell.ds(), again), CloneFileStatus::Ok);
        const auto notes = [](const QByteArray& text) {
            return text.split('\n').mid(CloneFileLine::FirstBandNote, BandCount + EntryCount);
        };
        QCOMPARE(notes(ReadFile(again)), notes(original));
    }
    // The next start reads in the remembered code page.
    Shell shell({QStringLiteral("mtz4clone"), file});
    QVERIFY(item(shell.window(), CodePage::Japanese)->isChecked());
    QCOMPARE(shell.ds().MemText[0][Col::Note], QStringLiteral("東京タワー"));
}

void NoteCodePageTest::exportOffersUtf8() {
    Shell shell;
    shell.ds().MemText[0][Col::Note] = QStringLiteral("Café");
    const QString csv = shell.path(QStringLiteral("utf8.csv"));
    shell.dialogs.savePaths << csv;
    shell.dialogs.chosen = FileKind::CsvUtf8;
    action(shell.window(), "mnuExport")->trigger();
    const QByteArray text = ReadFile(csv);
    QVERIFY(text.startsWith("\xEF\xBB\xBF"));
    QVERIFY(text.contains("\"Caf\xC3\xA9\""));
    QVERIFY(FileFilter(FileKind::Csv, true).contains(QStringLiteral("UTF-8")));
}

QTEST_MAIN(NoteCodePageTest)
#include "NoteCodePage_test.moc"
