#include "model/CodePageGuess.h"

#include <QTest>

using namespace mtz4;

Q_DECLARE_METATYPE(mtz4::CodePage)
Q_DECLARE_METATYPE(std::optional<mtz4::CodePage>)

class CodePageGuessTest : public QObject {
    Q_OBJECT

private slots:
    void notesInAnotherCodePage_data() {
        QTest::addColumn<QList<QByteArray>>("notes");
        QTest::addColumn<CodePage>("current");
        QTest::addColumn<std::optional<CodePage>>("guess");
        const std::optional<CodePage> none;
        const QByteArray tokyoTower("\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B"); // 東京タワー
        const QByteArray airBand("\xB4\xB1\xB0\xCA\xDE\xDD\xC4\xDE"); // ｴｱｰﾊﾞﾝﾄﾞ
        const QByteArray moscow("\xCC\xEE\xF1\xEA\xE2\xE0");          // Москва
        const QByteArray athens("\xC1\xE8\xDE\xED\xE1");              // Αθήνα
        QTest::newRow("kanji as western") << QList{tokyoTower, QByteArray("FM 80.0")}
                                          << CodePage::Western << std::optional(CodePage::Japanese);
        QTest::newRow("half-width kana as western")
            << QList{airBand} << CodePage::Western << std::optional(CodePage::Japanese);
        QTest::newRow("cyrillic as western")
            << QList{moscow, QByteArray("\xD0\xE0\xE4\xE8\xEE 1")} << CodePage::Western
            << std::optional(CodePage::Cyrillic);
        QTest::newRow("greek as western")
            << QList{athens, QByteArray("\xD1\xE1\xE4\xE9\xFC\xF6\xF9\xED\xEF")}
            << CodePage::Western << std::optional(CodePage::Greek);
        // Five Greek bytes read as cleanly in Shift-JIS: no page is clearly
        // ahead, so no hint rather than a wrong one.
        QTest::newRow("greek or japanese: a tie") << QList{athens} << CodePage::Western << none;
        QTest::newRow("kanji as cyrillic")
            << QList{tokyoTower} << CodePage::Cyrillic << std::optional(CodePage::Japanese);
        QTest::newRow("western as western") << QList{QByteArray("Caf\xE9"), QByteArray("Gr\xF6\xDF"
                                                                                       "e 25\xB0")}
                                            << CodePage::Western << none;
        QTest::newRow("japanese as japanese")
            << QList{tokyoTower, airBand} << CodePage::Japanese << none;
        QTest::newRow("ascii") << QList{QByteArray("AIRBAND"), QByteArray()} << CodePage::Western
                               << none;
        QTest::newRow("random bytes")
            << QList{QByteArray("\x8F\x1B\xE3\x07\xA9\x55\xFE\x90\x3C\xD1\x02\x99"),
                     QByteArray("\xF3\x9A\xC8\x8D\xE1\x7E\x5C\xB2\xEE\xA0")}
            << CodePage::Western << none;
    }
    void notesInAnotherCodePage() {
        QFETCH(QList<QByteArray>, notes);
        QFETCH(CodePage, current);
        QFETCH(std::optional<CodePage>, guess);
        QCOMPARE(BetterCodePage(notes, current), guess);
    }
};

QTEST_GUILESS_MAIN(CodePageGuessTest)
#include "CodePageGuess_test.moc"
