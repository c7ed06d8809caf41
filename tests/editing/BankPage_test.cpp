// The "Bank" page: taking over a typed size (accepted, out of range, total
// above 1000), the keys of the size boxes, and the group boxes through a
// saved and loaded clone file.
#include "EditingFixtures.h"
#include "editing/BankPage.h"
#include "editing/DataEditor.h"
#include "files/CloneFile.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace mtz4;
using namespace mtz4::test;

class BankPageTest : public QObject {
    Q_OBJECT

private slots:
    void takingOverASize();
    void keysOfTheSizeBoxes();
    void groupBoxesThroughSaveAndLoad();
};

namespace {

struct PageFixture {
    PageFixture() : ds(FactoryDataSet(0)), editor(*ds), page(editor, prompter) {
        page.resize(660, 520);
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
    }
    std::unique_ptr<DataSet> ds;
    DataEditor editor;
    ScriptedPrompter prompter;
    BankPage page;
};

} // namespace

void BankPageTest::takingOverASize() {
    struct Case {
        int bank;
        const char* typed;
        const char* box;      // what the box shows afterwards
        const char* bankText; // BankText of the bank afterwards
        const char* total;
        bool message;
        const char* reason; // said in the status bar
    };
    const Case cases[] = {
        {10, "1", "0", "0", "1000", true, nullptr},   // the total would exceed 1000
        {0, "50", "50", "50", "950", false, nullptr}, // a total below 1000 is allowed here
        {3, "1500", "100", "100", "1000", false,      // above 1000: put back, saying why
         "Bank 3 size: \"1500\" was not taken: a bank holds at most 1000 channels"},
        {0, "0050", "0050", "50", "950", false, nullptr}, // taken as 50, shown as typed
        {0, "", "", "0", "900", false, nullptr},          // an empty box is 0
    };
    for (const Case& c : cases) {
        PageFixture f;
        typeInto(f.page.txtBank[c.bank], QString::fromLatin1(c.typed));
        if (!*c.typed)
            QTest::keyClick(f.page.txtBank[c.bank], Qt::Key_Backspace);
        QTest::keyClick(f.page.txtBank[c.bank], Qt::Key_Tab);
        QCOMPARE(f.page.txtBank[c.bank]->text(), QString::fromLatin1(c.box));
        QCOMPARE(f.ds->BankText[c.bank], QString::fromLatin1(c.bankText));
        QCOMPARE(f.page.lblAll->text(), QString::fromLatin1(c.total));
        QCOMPARE(f.ds->BankSize[BankCount], 1000 - f.page.lblAll->text().toInt());
        QVERIFY(f.ds->DataChanged);
        QCOMPARE(f.prompter.prompts.size(), c.message ? 1 : 0);
        QCOMPARE(f.prompter.reasons,
                 c.reason ? QStringList{QString::fromUtf8(c.reason)} : QStringList{});
        if (c.message) {
            QCOMPARE(f.prompter.prompts.at(0).text,
                     QStringLiteral("The total of the number of channels exceeds 1000.\r\n"
                                    "Please set for the total of the channel to become 1000 "
                                    "or less."));
            QCOMPARE(f.prompter.prompts.at(0).title, QStringLiteral("ERROR"));
        }
    }
}

void BankPageTest::keysOfTheSizeBoxes() {
    PageFixture f;
    auto& box = f.page.txtBank;
    const auto focused = [&]() -> int {
        for (int b = 0; b < BankCount; ++b) {
            if (box[b]->hasFocus())
                return b;
        }
        return -1;
    };
    box[49]->setFocus();
    QTest::keyClick(box[49], Qt::Key_Return);
    QCOMPARE(focused(), 0);
    QTest::keyClick(box[0], Qt::Key_Up);
    QCOMPARE(focused(), 49);
    QTest::keyClick(box[49], Qt::Key_Down);
    QCOMPARE(focused(), 0);
    QTest::keyClick(box[0], Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(focused(), 0);

    box[7]->setFocus();
    box[7]->clear();
    QTest::keyClicks(box[7], QStringLiteral("1a-2.3 45"));
    QCOMPARE(box[7]->text(), QStringLiteral("1234"));
    QTest::keyClick(box[7], Qt::Key_Backspace);
    QCOMPARE(box[7]->text(), QStringLiteral("123"));
}

void BankPageTest::groupBoxesThroughSaveAndLoad() {
    PageFixture f;
    const int grp3bank12 = 3 * BankCount + 12;
    const int grpBbank49 = 10 * BankCount + 49;
    click(f.page.chkGrp[grp3bank12]);
    click(f.page.chkGrp[grpBbank49]);
    QCOMPARE(f.ds->bank.chkGrp[grp3bank12], 1);
    QVERIFY(f.ds->DataChanged);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("groups.MZ4"));
    QCOMPARE(SaveCloneFile(*f.ds, path), CloneFileStatus::Ok);
    PageFixture loaded;
    QCOMPARE(ReadCloneFile(*loaded.ds, path), CloneFileStatus::Ok);
    loaded.page.showGroups();
    for (int i = BankCount; i < GroupBoxCount; ++i)
        QCOMPARE(loaded.page.chkGrp[i]->isChecked(), i == grp3bank12 || i == grpBbank49);
    QVERIFY(loaded.ds->GroupFlag[10][49]);
}

QTEST_MAIN(BankPageTest)
#include "BankPage_test.moc"
