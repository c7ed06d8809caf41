// The per-user settings file: what it writes QSettings reads back as it was
// given, what QSettings wrote it reads and keeps, and two writers keep each
// other's settings. (A pipe in its place: the fault matrix and the window's
// start.)
#include "files/SettingsFile.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace mtz4;

class SettingsFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void readBackByQSettings_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("plain") << "Port/Device" << QVariant(QStringLiteral("/dev/ttyUSB0"));
        QTest::newRow("separators") << "a/b" << QVariant(QStringLiteral("x, y; z = 1"));
        QTest::newRow("blanks at the ends") << "a/c" << QVariant(QStringLiteral("  x  "));
        QTest::newRow("at sign") << "a/d" << QVariant(QStringLiteral("@Invalid()"));
        QTest::newRow("quotes and backslash")
            << "a/e" << QVariant(QStringLiteral("C:\\radio\\\"new\".MZ4"));
        QTest::newRow("controls before hex digits") << "a/f"
                                                    << QVariant(QStringLiteral("\x1b"
                                                                               "beef\t\n\r"
                                                                               "0"));
        QTest::newRow("not ASCII") << "a/g" << QVariant(QStringLiteral("Åse ラジオ 📻"));
        QTest::newRow("empty") << "a/h" << QVariant(QString());
        QTest::newRow("truth value") << "View/HideEmptyEntries" << QVariant(true);
        QTest::newRow("no list") << "Recent/Files" << QVariant(QStringList());
        QTest::newRow("one item") << "Recent/Files" << QVariant(QStringList{"/x/a,b.MZ4"});
        QTest::newRow("items") << "Recent/Files"
                               << QVariant(QStringList{"/x/a.MZ4", "@b", " c", ""});
        QTest::newRow("key outside groups") << "Top" << QVariant(QStringLiteral("1"));
        QTest::newRow("group General") << "General/x" << QVariant(QStringLiteral("2"));
        QTest::newRow("key of other characters")
            << "Tool/Note Code Page%é" << QVariant(QStringLiteral("3"));
        QTest::newRow("nested groups") << "a/b/c" << QVariant(QStringLiteral("4"));
    }
    void readBackByQSettings() {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        const QString path = dir.filePath(QStringLiteral("roundtrip.conf"));
        QFile::remove(path);
        {
            SettingsFile file(path);
            file.setValue(key, value);
            file.setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("1500"));
            QVERIFY(file.sync());
        }
        const QSettings qt(path, QSettings::IniFormat);
        QCOMPARE(qt.status(), QSettings::NoError);
        QCOMPARE(qt.value(QStringLiteral("Settings/MainLeft")).toString(), QStringLiteral("1500"));
        if (value.metaType().id() == QMetaType::QStringList)
            QCOMPARE(qt.value(key).toStringList(), value.toStringList());
        else
            QCOMPARE(qt.value(key).toString(), value.toString());
        // And the file's own reader.
        const QVariant ours = SettingsFile(path).value(key);
        if (value.metaType().id() == QMetaType::QStringList)
            QCOMPARE(ours.toStringList(), value.toStringList());
        else
            QCOMPARE(ours.toString(), value.toString());
    }

    // A file QSettings wrote reads as QSettings reads it, and keeps every
    // setting through a change of one.
    void keepsWhatQSettingsWrote() {
        const QString path = dir.filePath(QStringLiteral("old.conf"));
        const QString odd = QStringLiteral(" \"C:\\x\"; a=b,\x1b"
                                           "1\tÅ📻 ");
        {
            QSettings qt(path, QSettings::IniFormat);
            qt.setValue(QStringLiteral("Recent/Files"), QStringList{"/a b/x.MZ4", "/c,d/y.MZ4"});
            qt.setValue(QStringLiteral("Tool/QuickRead"), true);
            qt.setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("-15"));
            qt.setValue(QStringLiteral("Port/Device"), odd);
            qt.setValue(QStringLiteral("General/Top"), QStringLiteral("@x"));
        }
        {
            SettingsFile file(path);
            QVERIFY(file.problem().isEmpty());
            QCOMPARE(file.value(QStringLiteral("Port/Device")).toString(), odd);
            QCOMPARE(file.value(QStringLiteral("General/Top")).toString(), QStringLiteral("@x"));
            QCOMPARE(file.value(QStringLiteral("Recent/Files")).toStringList(),
                     (QStringList{"/a b/x.MZ4", "/c,d/y.MZ4"}));
            QCOMPARE(file.childGroups(),
                     (QStringList{QStringLiteral("General"), QStringLiteral("Port"),
                                  QStringLiteral("Recent"), QStringLiteral("Settings"),
                                  QStringLiteral("Tool")}));
            file.remove(QStringLiteral("Settings"));
            file.setValue(QStringLiteral("Port/Device"), QStringLiteral("/dev/ttyS1"));
        }
        const QSettings qt(path, QSettings::IniFormat);
        QCOMPARE(qt.value(QStringLiteral("Recent/Files")).toStringList(),
                 (QStringList{"/a b/x.MZ4", "/c,d/y.MZ4"}));
        QVERIFY(qt.value(QStringLiteral("Tool/QuickRead")).toBool());
        QVERIFY(!qt.contains(QStringLiteral("Settings/MainTop")));
        QCOMPARE(qt.value(QStringLiteral("Port/Device")).toString(), QStringLiteral("/dev/ttyS1"));
    }

    // Two windows storing settings side by side: neither loses the other's.
    void twoWritersKeepEachOthersSettings() {
        const QString path = dir.filePath(QStringLiteral("shared.conf"));
        SettingsFile first(path);
        SettingsFile second(path);
        first.setValue(QStringLiteral("View/HideEmptyEntries"), true);
        second.setValue(QStringLiteral("Tool/QuickRead"), true);
        QVERIFY(first.sync());
        QVERIFY(second.sync());
        const SettingsFile after(path);
        QVERIFY(after.value(QStringLiteral("View/HideEmptyEntries")).toBool());
        QVERIFY(after.value(QStringLiteral("Tool/QuickRead")).toBool());
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFile_test.moc"
