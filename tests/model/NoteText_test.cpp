#include "model/CodePage.h"
#include "model/NoteBytes.h"
#include "model/TextFit.h"

#include <QTest>

#include <memory>

using namespace mtz4;

Q_DECLARE_METATYPE(mtz4::CodePage)

class NoteTextTest : public QObject {
    Q_OBJECT

private slots:
    void codePagesReadAndWriteTheirCharacters_data() {
        QTest::addColumn<CodePage>("page");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("western") << CodePage::Western << QByteArray("Caf\xE9 \x80 \x9F")
                                 << QStringLiteral("Café € Ÿ");
        QTest::newRow("japanese") << CodePage::Japanese
                                  << QByteArray("\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B")
                                  << QStringLiteral("東京タワー");
        QTest::newRow("central european")
            << CodePage::CentralEuropean << QByteArray("\xB3\xEA\x9C") << QStringLiteral("łęś");
        QTest::newRow("cyrillic") << CodePage::Cyrillic << QByteArray("\xCC\xEE\xF1\xEA\xE2\xE0")
                                  << QStringLiteral("Москва");
        QTest::newRow("greek") << CodePage::Greek << QByteArray("\xC1\xE8\xDE\xED\xE1")
                               << QStringLiteral("Αθήνα");
        QTest::newRow("turkish") << CodePage::Turkish << QByteArray("\xDD\xFEk\xFDr")
                                 << QStringLiteral("İşkır");
    }
    void codePagesReadAndWriteTheirCharacters() {
        QFETCH(CodePage, page);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeText(bytes, page), text);
        QCOMPARE(EncodeText(text, page), bytes);
        QVERIFY(CodePageOfName(CodePageName(page)) == page);
        QVERIFY(CodePageOfName(QString::number(int(page))) == page);
    }

    void unknownBytesAndCharactersAreMarked() {
        // A lead byte at the end and a byte Shift-JIS has no character for.
        QCOMPARE(DecodeText("A\xA0"
                            "B\x93",
                            CodePage::Japanese),
                 QStringLiteral("A\uFFFDB\uFFFD"));
        QCOMPARE(EncodeText(QStringLiteral("a東ł"), CodePage::Western), QByteArray("a??"));
        QVERIFY(!CanHold(U'東', CodePage::Western));
        QVERIFY(CanHold(U'\u301C', CodePage::Japanese)); // a wave dash, kept as the page's own
        QVERIFY(CodePageOfName(QStringLiteral("SJIS")) == CodePage::Japanese);
        QVERIFY(CodePageOfName(QStringLiteral("cp1250")) == CodePage::CentralEuropean);
        QVERIFY(CodePageOfName(QStringLiteral("utf-8")) == std::nullopt);
        QCOMPARE(DefaultCodePage(TextLanguage::Japanese), CodePage::Japanese);
        QCOMPARE(DefaultCodePage(TextLanguage::English), CodePage::Western);
    }

    void notesAndNamesAreFittedAndEveryChangeNamed_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<CodePage>("page");
        QTest::addColumn<bool>("isName");
        QTest::addColumn<QString>("fitted");
        QTest::addColumn<int>("changes");
        QTest::newRow("fits") << "Café crème" << CodePage::Western << false << "Café crème" << 0;
        QTest::newRow("polish in western")
            << "Wywołanie ę" << CodePage::Western << false << "Wywo?anie e" << 2;
        QTest::newRow("polish in central european")
            << "Wywołanie ę" << CodePage::CentralEuropean << false << "Wywołanie ę" << 0;
        QTest::newRow("tab and line breaks")
            << "a\tb\r\nc\nd" << CodePage::Western << false << "a b c d" << 2;
        QTest::newRow("japanese in western") << "東京" << CodePage::Western << false << "??" << 2;
        QTest::newRow("look-alike taken in the page's form")
            << "10\u301C12" << CodePage::Japanese << false << "10\uFF5E12" << 0;
        QTest::newRow("control character") << "a\x01" << CodePage::Western << false << "a?" << 1;
        QTest::newRow("emoji") << "a\U0001F600b" << CodePage::Japanese << false << "a?b" << 1;
        QTest::newRow("name base letters")
            << "Zürich" << CodePage::Western << true << "Zurich" << 1;
        QTest::newRow("name cut, tab") << "AB\tCDEFG" << CodePage::Western << true << "AB CDE" << 2;
        QTest::newRow("name japanese") << "東A" << CodePage::Japanese << true << "?A" << 1;
    }
    void notesAndNamesAreFittedAndEveryChangeNamed() {
        QFETCH(QString, text);
        QFETCH(CodePage, page);
        QFETCH(bool, isName);
        QFETCH(QString, fitted);
        QFETCH(int, changes);
        const FittedText out = isName ? FitName(text) : FitNote(text, page);
        QCOMPARE(out.text, fitted);
        QCOMPARE(out.changes.size(), changes);
    }

    void longNotesAreCutAndSaySo() {
        const FittedText out = FitNote(QString(300, QLatin1Char('x')), CodePage::Western);
        QCOMPARE(out.text.size(), NoteLengthLimit);
        QCOMPARE(out.changes, QStringList{QStringLiteral("cut to 255 characters")});
        QCOMPARE(UpperCaseAscii(QStringLiteral("café ÿ µ ß")),
                 QStringLiteral("CAFé ÿ µ ß")); // ASCII letters only
    }

    // Any bytes, those that read as no character among them, come back from
    // the text of a file in the code page exactly.
    void everyByteIsKept_data() {
        QTest::addColumn<CodePage>("page");
        for (const CodePage page : NoteCodePages())
            QTest::newRow(qPrintable(CodePageName(page))) << page;
    }
    void everyByteIsKept() {
        QFETCH(CodePage, page);
        QByteArray bytes;
        for (int lead = 0; lead <= 0xFF; ++lead) {
            for (int trail = 0; trail <= 0xFF; ++trail)
                bytes += char(lead) + QByteArray(1, char(trail));
        }
        const QString text = DecodeTextKeepingBytes(bytes, page);
        QCOMPARE(EncodeTextKeepingBytes(text, page), bytes);
        // Shown, a raw byte is the character it is not.
        QVERIFY(!HasRawBytes(WithoutRawBytes(text)));
        QCOMPARE(DecodeTextKeepingBytes("Caf\xE9", CodePage::Western), QStringLiteral("Café"));
    }

    // Switching the code page shows the same bytes anew; switching back shows
    // the notes as they were, typed ones included.
    void switchingTheCodePageKeepsEveryNotesBytes() {
        auto ds = std::make_unique<DataSet>();
        const QByteArray tokyo("\x93\x8C\x8B\x9E");
        ds->MemNoteBytes[0] = tokyo;
        ds->MemText[0][Col::Note] = DecodeText(tokyo, CodePage::Western);
        ds->MemText[1][Col::Note] = QStringLiteral("Café");
        ds->VfoText[2][Col::Note] = QStringLiteral("band");
        ChangeNoteCodePage(*ds, CodePage::Japanese);
        QCOMPARE(ds->MemText[0][Col::Note], QStringLiteral("東京"));
        QCOMPARE(ds->MemNoteBytes[0], tokyo);
        QCOMPARE(ds->MemNoteBytes[1], QByteArray("Caf\xE9"));
        ChangeNoteCodePage(*ds, CodePage::Western);
        QCOMPARE(ds->MemText[1][Col::Note], QStringLiteral("Café"));
        QCOMPARE(ds->VfoText[2][Col::Note], QStringLiteral("band"));
        // An edited note is written from its text, an unchanged one as kept.
        QCOMPARE(NoteFileBytes(ds->MemText[0][Col::Note], tokyo, CodePage::Western), tokyo);
        QCOMPARE(NoteFileBytes(QStringLiteral("new"), tokyo, CodePage::Western), QByteArray("new"));
    }
};

QTEST_APPLESS_MAIN(NoteTextTest)
#include "NoteText_test.moc"
