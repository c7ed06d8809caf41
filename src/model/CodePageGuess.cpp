#include "model/CodePageGuess.h"

#include "model/DataSet.h"
#include "model/NoteBytes.h"

#include <QString>
#include <algorithm>

namespace mtz4 {

namespace {

bool isLatinPage(CodePage page) {
    return page == CodePage::Western || page == CodePage::CentralEuropean ||
           page == CodePage::Turkish;
}

bool isJapaneseCharacter(char16_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || // punctuation, hiragana, katakana
           (c >= 0x3400 && c <= 0x4DBF) || // rare kanji
           (c >= 0x4E00 && c <= 0x9FFF) || // kanji
           (c >= 0xFF01 && c <= 0xFF9F);   // full-width forms, half-width kana
}

// A letter of the script the page is for.
bool isOwnLetter(QChar c, CodePage page) {
    switch (page) {
    case CodePage::Japanese:
        return isJapaneseCharacter(c.unicode());
    case CodePage::Cyrillic:
        return c.isLetter() && c.script() == QChar::Script_Cyrillic;
    case CodePage::Greek:
        return c.isLetter() && c.script() == QChar::Script_Greek;
    case CodePage::Western:
    case CodePage::CentralEuropean:
    case CodePage::Turkish:
        break;
    }
    return c.isLetter() && c.script() == QChar::Script_Latin;
}

// The letters most text of the script is made of: other bytes read in the
// page give far fewer of them. Latin pages and Japanese count every letter
// of theirs (their runs and symbols tell already).
bool isCommonLetter(QChar c, CodePage page) {
    static const QString cyrillic = QStringLiteral("оеаинтсрвлкмдпуяыз");
    static const QString greek = QStringLiteral("αοιετσνηυρπκμλωάέίόήύώςθγδ");
    switch (page) {
    case CodePage::Cyrillic:
        return cyrillic.contains(c.toLower());
    case CodePage::Greek:
        return greek.contains(c.toLower());
    default:
        return isOwnLetter(c, page);
    }
}

// How a note reads in a code page.
struct Reading {
    bool invalid = false;      // an unknown byte, a control code, a private character
    int nonAscii = 0;          // characters beyond ASCII
    int foreign = 0;           // ... that are not letters of the page's script
    int common = 0;            // ... that are its common letters
    int longestRun = 0;        // the most characters beyond ASCII in a row
    bool foreignInRun = false; // a foreign character among three or more beyond ASCII
    bool mixedWord = false;    // a word of ASCII letters and letters beyond ASCII
};

Reading readingOf(const QByteArray& bytes, CodePage page) {
    Reading r;
    const QString text = DecodeText(bytes, page);
    int run = 0;
    bool runForeign = false;
    bool wordAscii = false;
    bool wordOther = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0xFFFD || u < 0x20 || (u >= 0x7F && u <= 0x9F) || c.isSurrogate() ||
            c.category() == QChar::Other_PrivateUse) {
            r.invalid = true;
            return r;
        }
        if (u < 0x80) {
            run = 0;
            runForeign = false;
            if (c.isLetter()) {
                wordAscii = true;
            } else {
                wordAscii = false;
                wordOther = false;
            }
        } else {
            ++r.nonAscii;
            const bool own = isOwnLetter(c, page);
            if (!own)
                ++r.foreign;
            else if (isCommonLetter(c, page))
                ++r.common;
            ++run;
            runForeign = runForeign || !own;
            r.longestRun = std::max(r.longestRun, run);
            r.foreignInRun = r.foreignInRun || (run >= 3 && runForeign);
            if (c.isLetter()) {
                wordOther = true;
            } else {
                wordAscii = false;
                wordOther = false;
            }
        }
        r.mixedWord = r.mixedWord || (wordAscii && wordOther);
    }
    return r;
}

// The note does not read well: what a note read in the wrong page looks like.
bool isDoubtful(const Reading& r, CodePage page) {
    if (r.invalid)
        return true;
    if (isLatinPage(page))
        // Latin text has a letter beyond ASCII now and then, two at most
        // in a row ("Größe"); runs of them are another script's bytes.
        return r.longestRun >= 3;
    if (page == CodePage::Japanese)
        return r.foreign > 0;
    return r.foreignInRun || r.mixedWord;
}

// The note reads as clean text of the page's script.
bool isClean(const Reading& r, CodePage page) {
    return !r.invalid && r.foreign == 0 && !isDoubtful(r, page);
}

} // namespace

std::optional<CodePage> BetterCodePage(const QList<QByteArray>& notes, CodePage current) {
    QList<QByteArray> telling; // the notes with bytes beyond ASCII
    for (const QByteArray& note : notes) {
        if (std::any_of(note.begin(), note.end(), [](char b) { return (b & 0x80) != 0; }))
            telling << note;
    }
    if (telling.isEmpty())
        return std::nullopt;
    const bool doubtful =
        std::any_of(telling.begin(), telling.end(), [current](const QByteArray& n) {
            return isDoubtful(readingOf(n, current), current);
        });
    if (!doubtful)
        return std::nullopt;

    // Each page that reads every note cleanly, by the share of its common
    // letters among the characters beyond ASCII.
    struct Candidate {
        CodePage page;
        double share;
    };
    QList<Candidate> clean;
    for (const CodePage page : NoteCodePages()) {
        if (page == current)
            continue;
        int nonAscii = 0;
        int common = 0;
        bool allClean = true;
        for (const QByteArray& note : telling) {
            const Reading r = readingOf(note, page);
            if (!isClean(r, page)) {
                allClean = false;
                break;
            }
            nonAscii += r.nonAscii;
            common += r.common;
        }
        if (allClean && nonAscii > 0)
            clean.append({page, double(common) / nonAscii});
    }
    if (clean.isEmpty())
        return std::nullopt;
    std::sort(clean.begin(), clean.end(),
              [](const Candidate& a, const Candidate& b) { return a.share > b.share; });
    // One page clearly ahead of any other, with mostly common letters.
    constexpr double Enough = 0.5;
    constexpr double Ahead = 0.25;
    if (clean[0].share < Enough || (clean.size() > 1 && clean[0].share - clean[1].share < Ahead))
        return std::nullopt;
    return clean[0].page;
}

std::optional<CodePage> BetterNoteCodePage(const DataSet& ds) {
    QList<QByteArray> notes;
    const auto add = [&](const QString& note, const QByteArray& kept) {
        if (!note.isEmpty() || !kept.isEmpty())
            notes << NoteFileBytes(note, kept, ds.NoteCodePage);
    };
    for (int e = 0; e < EntryCount; ++e)
        add(ds.MemText[e][Col::Note], ds.MemNoteBytes[e]);
    for (int b = 0; b < BandCount; ++b)
        add(ds.VfoText[b][Col::Note], ds.VfoNoteBytes[b]);
    return BetterCodePage(notes, ds.NoteCodePage);
}

} // namespace mtz4
