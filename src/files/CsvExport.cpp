#include "files/CheckedFileWriter.h"
#include "files/CloneFile.h"
#include "files/CsvFields.h"
#include "files/CsvFile.h"
#include "files/CsvRecord.h"
#include "files/CsvWords.h"
#include "files/ImportReport.h"
#include "model/NoteBytes.h"
#include "model/ReferenceTables.h"
#include "model/RowLabels.h"

#include <QCoreApplication>
#include <QStringList>

namespace mtz4 {

namespace {

class CsvWriter {
public:
    // A full data set makes some 160 kB.
    CsvWriter() { text_.reserve(256 * 1024); }

    // One line: the fields quoted, then the unquoted ones as they are, all
    // separated by commas.
    void line(const QStringList& fields, const QStringList& unquoted = {}) {
        line_.clear(); // keeps its room for the next line
        bool first = true;
        const auto separate = [&] {
            if (!first)
                line_ += QLatin1Char(',');
            first = false;
        };
        for (const QString& field : fields) {
            separate();
            AppendQuotedCsvField(line_, field);
        }
        for (const QString& field : unquoted) {
            separate();
            line_ += field;
        }
        text_ += line_;
        text_ += QLatin1String("\r\n");
    }

    const QString& text() const { return text_; }

private:
    QString line_;
    QString text_;
};

// The note as the file holds it: in the code page, its bytes exactly
// (NoteFileText); as UTF-8, its text.
QString noteField(const DataSet& ds, const QString& note, const QByteArray& kept,
                  TextFileEncoding encoding) {
    return encoding == TextFileEncoding::CodePage ? NoteFileText(note, kept, ds.NoteCodePage)
                                                  : note;
}

template <std::size_t N> QStringList firstTexts(const std::array<QString, N>& texts) {
    QStringList out;
    for (int c = 0; c <= Col::Name; ++c)
        out.append(texts[c]);
    return out;
}

// An entry's line: every field quoted but ENABLE, a truth value.
void writeEntry(CsvWriter& out, const DataSet& ds, int entry, TextFileEncoding encoding) {
    QStringList fields = CsvEntryFields(ds, entry);
    constexpr int NoteField = 3 + Col::Note; // after "MT-Z4", the section and the channel
    fields[NoteField] =
        noteField(ds, ds.MemText[entry][Col::Note], ds.MemNoteBytes[entry], encoding);
    out.line(fields.mid(0, fields.size() - 1), {fields.last()});
}

} // namespace

QString CsvFileMessage(CsvFileStatus status) {
    return status == CsvFileStatus::FileOpenError ? CloneFileMessage(CloneFileStatus::FileOpenError)
                                                  : QString();
}

QByteArray CsvFileText(const DataSet& ds, TextFileEncoding encoding) {
    CsvWriter out;
    out.line({QStringLiteral("MODEL"), QStringLiteral("BANK"), QStringLiteral("CHANNEL"),
              QStringLiteral("FREQUENCY"), QStringLiteral("MODE"), QStringLiteral("STEP"),
              QStringLiteral("OPTION"), QStringLiteral("SECRET"), QStringLiteral("TRAIN"),
              QStringLiteral("TONE"), QStringLiteral("SHIFT"), QStringLiteral("SHIFT FREQUENCY"),
              QStringLiteral("NOTES"), QStringLiteral("NAME"), QStringLiteral("SKIP"),
              QStringLiteral("ENABLE")});

    for (int b = 0; b < BandCount; ++b) {
        QStringList texts = firstTexts(ds.VfoText[b]);
        texts[Col::Note] = noteField(ds, ds.VfoText[b][Col::Note], ds.VfoNoteBytes[b], encoding);
        out.line(QStringList{CsvWord::Model, CsvWord::Vfo, QString::number(b)}
                 << texts << CsvWord::FalseFlag << CsvWord::TrueFlag);
    }

    for (int e = 0; e < EntryCount; ++e)
        writeEntry(out, ds, e, encoding);

    for (int b = 0; b < BankCount; ++b)
        out.line({CsvWord::Model, CsvWord::BankAmount, QString::number(b), ds.bank.txtBank[b]});
    for (int i = 0; i < GroupBoxCount; ++i)
        out.line({CsvWord::Model, CsvWord::Group, QString::number(i)},
                 {QString::number(ds.bank.chkGrp[i])});
    return TextFileBytes(out.text(), encoding, ds.NoteCodePage);
}

QStringList CsvExportLosses(const DataSet& ds, TextFileEncoding encoding) {
    QStringList losses;
    if (encoding == TextFileEncoding::CodePage)
        return losses;
    const auto lost = [&](const QString& where, const QString& note, const QByteArray& kept) {
        if (kept.isEmpty() || !HasRawBytes(NoteFileText(note, kept, ds.NoteCodePage)))
            return;
        losses << QCoreApplication::translate(
                      "CsvExport", "%1: note bytes %2 read as no character in the note code page: "
                                   "UTF-8 cannot hold them, a file in the code page does")
                      .arg(where,
                           QString::fromLatin1(
                               NoteFileBytes(note, kept, ds.NoteCodePage).toHex(' ').toUpper()));
    };
    const QStringList labels = BuildRowLabels(ds.bank);
    for (int e = 0; e < EntryCount; ++e)
        lost(labels.value(e).isEmpty() ? QString::number(e) : labels[e], ds.MemText[e][Col::Note],
             ds.MemNoteBytes[e]);
    for (int b = 0; b < BandCount; ++b)
        lost(QCoreApplication::translate("CsvExport", "Band %1").arg(b), ds.VfoText[b][Col::Note],
             ds.VfoNoteBytes[b]);
    return losses;
}

QString CsvExportLossesText(const QStringList& losses, int most) {
    return ListedUnder(
        QCoreApplication::translate("CsvExport",
                                    "The UTF-8 file has no room for what follows; it was written "
                                    "without it:"),
        losses, most);
}

CsvFileStatus ExportCsvFile(const DataSet& ds, const QString& path, TextFileEncoding encoding,
                            QString* reason) {
    return WriteFileChecked(path, CsvFileText(ds, encoding), reason) ? CsvFileStatus::Ok
                                                                     : CsvFileStatus::FileOpenError;
}

bool ExportCsvFile(const DataSet& ds, const QString& path, Prompter& prompter,
                   TextFileEncoding encoding) {
    QString reason;
    const CsvFileStatus status = ExportCsvFile(ds, path, encoding, &reason);
    if (status != CsvFileStatus::Ok) {
        prompter.error(CsvFileMessage(status), reason);
    }
    return status == CsvFileStatus::Ok;
}

} // namespace mtz4
