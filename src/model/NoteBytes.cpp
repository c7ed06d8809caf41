#include "model/NoteBytes.h"

namespace mtz4 {

namespace {

void reread(QString& note, QByteArray& kept, CodePage from, CodePage to) {
    if (note.isEmpty() && kept.isEmpty())
        return;
    kept = NoteFileBytes(note, kept, from);
    note = DecodeText(kept, to);
}

} // namespace

QByteArray NoteFileBytes(const QString& note, const QByteArray& kept, CodePage page) {
    if (!kept.isEmpty() && DecodeText(kept, page) == note)
        return kept;
    return EncodeText(note, page);
}

void StoreNote(QString& note, QByteArray& kept, const QString& text, CodePage page) {
    if (!HasRawBytes(text)) {
        note = text;
        kept.clear();
        return;
    }
    kept = EncodeTextKeepingBytes(text, page);
    note = DecodeText(kept, page);
}

QString NoteFileText(const QString& note, const QByteArray& kept, CodePage page) {
    if (kept.isEmpty())
        return note;
    return DecodeTextKeepingBytes(NoteFileBytes(note, kept, page), page);
}

void ChangeNoteCodePage(DataSet& ds, CodePage page) {
    const CodePage from = ds.NoteCodePage;
    if (from == page)
        return;
    for (int e = 0; e < EntryCount; ++e)
        reread(ds.MemText[e][Col::Note], ds.MemNoteBytes[e], from, page);
    for (int b = 0; b < BandCount; ++b)
        reread(ds.VfoText[b][Col::Note], ds.VfoNoteBytes[b], from, page);
    ds.NoteCodePage = page;
}

} // namespace mtz4
