#pragma once

// Data sets and dialog driving shared by the editing tests.
#include "editing/EditDialog.h"
#include "model/DataSet.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace mtz4::test {

struct EntryValues {
    double mhz = 145.0;
    int mode = 0;
    int step = 6;
    int option = 0;
    int secret = 11;
    int carrier = 28;
    int tone = 8;
    int shiftDir = 0;
    double shift = 0.6;
    QString note;
    QString name;
    int skip = 0;
    bool enabled = true;
};

// Writes an entry as the decoders would leave it (numbers and texts).
inline void setEntry(DataSet& ds, int e, const EntryValues& v) {
    auto& d = ds.MemData[e];
    auto& t = ds.MemText[e];
    PutRecordFields(
        d, t, {v.mhz, v.mode, v.step, v.option, v.secret, v.carrier, v.tone, v.shiftDir, v.shift});
    t[Col::Note] = v.note;
    t[Col::Name] = v.name;
    d[Col::Skip] = v.skip;
    ds.MemEnable[e] = v.enabled;
}

// Runs `user` once the dialog is up and active (as a modal exec() shows it),
// then cancels the dialog if `user` left it open, so that a failed check
// inside `user` cannot hang the test.
inline void whenShown(dlgModify& dialog, std::function<void()> user) {
    QTimer::singleShot(0, &dialog, [&dialog, user] {
        if (QTest::qWaitForWindowActive(&dialog))
            user();
        else
            QTest::qFail("dialog not active", __FILE__, __LINE__);
        if (dialog.isVisible())
            dialog.reject();
    });
}

// Clicks a radio button or check box on its indicator, as a user does (a
// click on the empty space right of its caption does nothing).
inline void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

// Types `text` key by key; characters beyond ASCII come as keys of a
// keyboard layout that has them.
inline void typeKeys(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, char(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &release);
    }
}

// Types `text` into `box` as a user would: focus, select all, type.
inline void typeInto(QWidget* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    typeKeys(box, text);
}

// Index of the checked button of an option group, -1 when none is.
inline int checkedIndex(const auto& group) {
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (group[i]->isChecked())
            return int(i);
    }
    return -1;
}

// A factory data set of `model` with the edit dialog on it. open() shows the
// dialog for a memory grid row, openBand() for a VFO grid row; `user` runs on
// the shown dialog.
struct DialogFixture {
    explicit DialogFixture(int model = 0)
        : ds(FactoryDataSet(model)), editor(*ds), dialog(editor, prompter) {}
    std::unique_ptr<DataSet> ds;
    DataEditor editor;
    ScriptedPrompter prompter;
    dlgModify dialog;

    bool open(int row, std::function<void()> user, const QString& label = {}) {
        whenShown(dialog, std::move(user));
        return dialog.MSFlexGrid1_DblClick(row, label);
    }
    bool openBand(int row, std::function<void()> user) {
        whenShown(dialog, std::move(user));
        return dialog.MSFlexGrid2_DblClick(row);
    }
};

} // namespace mtz4::test
