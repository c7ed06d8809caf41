// The two settings pages: controls driven as a user drives them, through the
// settings codec and back, the change flag, values the controls cannot show,
// the model selector and the MT-Z4J-only groups.
#include "EditingFixtures.h"
#include "editing/Settings1Page.h"
#include "editing/Settings2Page.h"
#include "files/CloneFile.h"
#include "model/SettingControls.h"
#include "model/SettingsCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>

using namespace mtz4;
using namespace mtz4::test;

class SettingsPagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlSurvivesTheCodec();
    void changeFlagFollowsTheControl();
    void sliderCountsAtTheEndOfADrag();
    void showingKeepsWhatTheControlsCannotShow();
    void modelSelectorOnlyAsks();
    void firstModelGroupsFollowTheModel();
};

namespace {

// Both pages on a data set (factory data of model 0 unless given), shown.
struct Pages {
    explicit Pages(std::unique_ptr<DataSet> data = FactoryDataSet(0))
        : ds(std::move(data)), editor(*ds), one(editor), two(editor) {
        one.show();
        two.show();
    }
    std::unique_ptr<DataSet> ds;
    DataEditor editor;
    Settings1Page one;
    Settings2Page two;

    template <typename W> W* find(const SettingControl& c, const QString& suffix = {}) {
        QWidget* page = c.page == SettingsPage::One ? static_cast<QWidget*>(&one) : &two;
        return page->findChild<W*>(c.name + suffix);
    }

    // Puts `value` into the control as a user does: a click on the option or
    // the check box, keys on a pick list or slider.
    void choose(const SettingControl& c, int value) {
        switch (c.kind) {
        case SettingKind::Options:
        case SettingKind::CheckOptions:
            click(find<QAbstractButton>(c, QString::number(value)));
            break;
        case SettingKind::Check:
            if (shown(c) != value)
                click(find<QCheckBox>(c));
            break;
        case SettingKind::PickList:
        case SettingKind::Slider: {
            QWidget* w = c.kind == SettingKind::Slider ? static_cast<QWidget*>(find<QSlider>(c))
                                                       : find<QComboBox>(c);
            QTest::keyClick(w, Qt::Key_Home);
            for (int i = 0; i < value; ++i)
                QTest::keyClick(w, c.kind == SettingKind::Slider ? Qt::Key_Right : Qt::Key_Down);
            break;
        }
        }
    }

    // The value the control shows; a partially checked box shows 2.
    int shown(const SettingControl& c) {
        switch (c.kind) {
        case SettingKind::Options:
        case SettingKind::CheckOptions:
            for (int i = 0; i < c.choices.size(); ++i)
                if (find<QAbstractButton>(c, QString::number(i))->isChecked())
                    return i;
            return -1;
        case SettingKind::Check: {
            const Qt::CheckState state = find<QCheckBox>(c)->checkState();
            return state == Qt::PartiallyChecked ? 2 : state == Qt::Checked;
        }
        case SettingKind::PickList:
            return find<QComboBox>(c)->currentIndex();
        case SettingKind::Slider:
            return find<QSlider>(c)->value();
        }
        return -1;
    }
};

// A value other than the factory one: the next choice, the other check state,
// the last list item, the top slider position.
int OtherValue(const SettingControl& c, int current) {
    switch (c.kind) {
    case SettingKind::Options:
    case SettingKind::CheckOptions:
        return (current + 1) % int(c.choices.size());
    case SettingKind::Check:
        return 1 - current;
    case SettingKind::PickList:
        return int(c.choices.size()) - 1;
    case SettingKind::Slider:
        return c.maximum;
    }
    return 0;
}

std::vector<const SettingControl*> OfferedControls() {
    std::vector<const SettingControl*> offered;
    for (const SettingControl& c : SettingControls())
        if (c.offered)
            offered.push_back(&c);
    return offered;
}

} // namespace

void SettingsPagesTest::everyControlSurvivesTheCodec() {
    Pages pages;
    std::map<QString, int> chosen;
    for (const SettingControl* c : OfferedControls()) {
        const int value = OtherValue(*c, SettingValue(*c, pages.ds->settings));
        pages.choose(*c, value);
        QVERIFY2(SettingValue(*c, pages.ds->settings) == value, qPrintable(c->name));
        chosen[c->name] = value;
    }

    // Saved and loaded again as a clone file.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.MZ4"));
    QCOMPARE(SaveCloneFile(*pages.ds, path), CloneFileStatus::Ok);
    auto decoded = FactoryDataSet(0);
    QCOMPARE(ReadCloneFile(*decoded, path), CloneFileStatus::Ok);
    Pages fresh(std::move(decoded));
    fresh.one.showSettings();
    fresh.two.showSettings();
    for (const SettingControl* c : OfferedControls())
        QVERIFY2(fresh.shown(*c) == chosen[c->name], qPrintable(c->name));
}

void SettingsPagesTest::changeFlagFollowsTheControl() {
    const QSet<QString> marking = {"chkATT",     "chkAutoStep", "chkBarAM",  "chkBarSW", "chkBeep",
                                   "chkBell",    "chkBS",       "optLamp",   "opbAPO",   "opbBug",
                                   "opbKeyFunc", "opbMONI",     "opbOpMode", "Slider1",  "Slider2"};
    for (const SettingControl* c : OfferedControls()) {
        Pages pages;
        QSignalSpy steps(&pages.editor, &DataEditor::changed);
        const int before = SettingValue(*c, pages.ds->settings);
        // Clicking the option that is selected already is no change.
        if (c->kind == SettingKind::Options)
            pages.choose(*c, before);
        QVERIFY2(steps.isEmpty(), qPrintable(c->name));

        pages.choose(*c, OtherValue(*c, before));
        QVERIFY2(pages.ds->DataChanged == marking.contains(c->name), qPrintable(c->name));
        QVERIFY2(!steps.isEmpty(), qPrintable(c->name));
        QCOMPARE(steps.last().at(0).toString(), c->caption);
        QCOMPARE(steps.last().at(1).value<DataParts>(), DataParts(DataPart::Settings));
    }
}

void SettingsPagesTest::sliderCountsAtTheEndOfADrag() {
    Pages pages;
    QSlider* volume = pages.one.Slider1();
    QCOMPARE(pages.one.lblVol()->text(), QStringLiteral("20"));

    // A drag as the mouse makes it: press on the handle, move, release.
    volume->setSliderDown(true);
    volume->setSliderPosition(25);
    QCOMPARE(pages.one.lblVol()->text(), QStringLiteral("25"));
    volume->setSliderPosition(27);
    QCOMPARE(pages.one.lblVol()->text(), QStringLiteral("27"));
    QCOMPARE(pages.ds->settings.Slider1, 20);
    QVERIFY(!pages.ds->DataChanged);
    volume->setSliderDown(false);
    QCOMPARE(pages.ds->settings.Slider1, 27);
    QVERIFY(pages.ds->DataChanged);

    // A key counts at once.
    pages.ds->DataChanged = false;
    QTest::keyClick(pages.one.Slider2(), Qt::Key_Left);
    QCOMPARE(pages.ds->settings.Slider2, 2);
    QCOMPARE(pages.one.lblSql()->text(), QStringLiteral("2"));
    QVERIFY(pages.ds->DataChanged);
}

void SettingsPagesTest::showingKeepsWhatTheControlsCannotShow() {
    Pages pages;
    SettingsRecord& s = pages.ds->settings;
    s.chkBeep = 5;
    s.cbbChargeTime = 30;
    s.cbbSetMode = -3;
    s.Slider1 = 40;
    s.optLamp = -1;
    const SettingsRecord stored = s;
    QSignalSpy before(&pages.editor, &DataEditor::aboutToChange);

    pages.one.showSettings();
    pages.two.showSettings();
    QVERIFY(before.isEmpty());
    QVERIFY(!pages.ds->DataChanged);
    QVERIFY(s == stored);
    auto shown = [&pages](const char* name) { return pages.shown(*FindSettingControl(name)); };
    QCOMPARE(shown("chkBeep"), 2);
    QCOMPARE(shown("cbbChargeTime"), -1);
    QCOMPARE(shown("cbbSetMode"), -1);
    QCOMPARE(shown("Slider1"), 30);
    QCOMPARE(pages.one.lblVol()->text(), QStringLiteral("30"));
    QCOMPARE(shown("optLamp"), -1);

    // A change of another control leaves them as they are.
    pages.choose(*FindSettingControl("chkATT"), 1);
    QCOMPARE(s.chkATT, 1);
    s.chkATT = stored.chkATT;
    QVERIFY(s == stored);
    QCOMPARE(shown("chkBeep"), 2);

    // Clicking the partially checked box checks it; it has two states again.
    pages.choose(*FindSettingControl("chkBeep"), 1);
    QCOMPARE(s.chkBeep, 1);
    pages.choose(*FindSettingControl("chkBeep"), 0);
    QCOMPARE(s.chkBeep, 0);
    QCOMPARE(shown("chkBeep"), 0);
}

void SettingsPagesTest::modelSelectorOnlyAsks() {
    Pages pages;
    QSignalSpy chosen(&pages.one, &Settings1Page::modelChosen);
    QSignalSpy steps(&pages.editor, &DataEditor::aboutToChange);
    QVERIFY(pages.one.opbModel(0)->isChecked());
    QVERIFY(pages.one.opbModel(4)->isHidden());
    QVERIFY(pages.one.opbModel(5)->isHidden());

    click(pages.one.opbModel(1));
    click(pages.one.opbModel(1)); // the selected one again asks again
    QCOMPARE(chosen.size(), 2);
    QCOMPARE(chosen.at(0).at(0).toInt(), 1);
    QVERIFY(steps.isEmpty());
    QCOMPARE(pages.ds->ModelIndex, 0);
    QVERIFY(!pages.ds->DataChanged);

    // The model change was cancelled: the previous model shows again.
    pages.one.showModel(0);
    QCOMPARE(chosen.size(), 2);
    QVERIFY(pages.one.opbModel(0)->isChecked());
    QVERIFY(!pages.one.opbModel(1)->isChecked());

    // A new model in the data shows after the step.
    pages.editor.apply("Model", DataPart::Model, [](DataSet& ds) { ds.ModelIndex = 3; });
    QVERIFY(pages.one.opbModel(3)->isChecked());
    QCOMPARE(chosen.size(), 2);
}

void SettingsPagesTest::firstModelGroupsFollowTheModel() {
    Pages pages;
    const QStringList groups = {"optRecRate", "opbBug", "optLockBug", "optBugType"};
    auto hidden = [&pages](const QString& name) {
        return pages.two.findChild<QGroupBox*>(name + "Group")->isHidden();
    };
    for (const QString& name : groups)
        QVERIFY(!hidden(name));
    QVERIFY(hidden("opbBurst"));
    QVERIFY(pages.two.findChild<QCheckBox*>("chkWP")->isHidden());

    pages.two.showModelGroups(1);
    for (const QString& name : groups)
        QVERIFY(hidden(name));
    QVERIFY(!hidden("optVscanSpeed"));

    pages.editor.apply("Model", DataPart::Model, [](DataSet& ds) { ds.ModelIndex = 0; });
    for (const QString& name : groups)
        QVERIFY(!hidden(name));
}

QTEST_MAIN(SettingsPagesTest)
#include "SettingsPages_test.moc"
