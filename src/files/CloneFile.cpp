#include "files/CloneFile.h"

#include "files/CheckedFileWriter.h"
#include "files/FileAccess.h"
#include "model/BankCodec.h"
#include "model/EnableCodec.h"
#include "model/EntryOps.h"
#include "model/GroupCodec.h"
#include "model/NoteBytes.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "model/SettingsCodec.h"

#include <QByteArrayView>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <QCoreApplication>
#include <new>

namespace mtz4 {

namespace {

void appendLine(QByteArray& out, const QString& line) {
    out += line.toLatin1();
    out += "\r\n";
}

// A note is one line of the file in the data set's code page, as its kept
// bytes while it is unchanged. A line break inside it would shift every
// later line, so it is written as a space.
void appendNote(QByteArray& out, const DataSet& ds, const QString& note, const QByteArray& kept) {
    QByteArray bytes = NoteFileBytes(note, kept, ds.NoteCodePage);
    bytes.replace('\r', ' ').replace('\n', ' ');
    out += bytes;
    out += "\r\n";
}

// Splits the text into lines at CR LF (a bare LF is accepted as well). The
// lines are views into the text: loading makes no copy of a line it reads.
QList<QByteArrayView> splitLines(const QByteArray& text, int wanted) {
    QList<QByteArrayView> lines;
    lines.reserve(wanted);
    const QByteArrayView all(text);
    qsizetype start = 0;
    while (start < all.size() && lines.size() < wanted) {
        const qsizetype end = all.indexOf('\n', start);
        // The last line may lack its line end, or have its CR without the LF.
        const qsizetype stop = end < 0 ? all.size() : end;
        qsizetype len = stop - start;
        if (len > 0 && all.at(stop - 1) == '\r')
            --len;
        lines.append(all.sliced(start, len));
        if (end < 0)
            break;
        start = end + 1;
    }
    return lines;
}

bool isDataLine(int line) {
    using namespace CloneFileLine;
    return (line >= SetLine1 && line < FirstEnable + EnableCount) ||
           (line >= FirstBank && line <= Group);
}

bool isHexText(QByteArrayView line) {
    for (const char c : line) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// What a data line of the file holds, for the user: "line 18 (memory entry 0)".
QString describeLine(int line) {
    using namespace CloneFileLine;
    QString what;
    if (line == SetLine1 || line == SetLine2)
        what =
            QCoreApplication::translate("CloneFile", "settings line %1").arg(line - SetLine1 + 1);
    else if (line < FirstEntry)
        what =
            QCoreApplication::translate("CloneFile", "VFO record of band %1").arg(line - FirstVfo);
    else if (line < FirstEnable)
        what = QCoreApplication::translate("CloneFile", "memory entry %1").arg(line - FirstEntry);
    else if (line < FirstEnable + EnableCount)
        what =
            QCoreApplication::translate("CloneFile", "enable bits %1").arg(line - FirstEnable + 1);
    else if (line < Group)
        what = QCoreApplication::translate("CloneFile", "bank sizes %1").arg(line - FirstBank + 1);
    else
        what = QCoreApplication::translate("CloneFile", "group membership");
    return QCoreApplication::translate("CloneFile", "line %1 (%2)").arg(line + 1).arg(what);
}

void setReason(QString* reason, const QString& text) {
    if (reason)
        *reason = text;
}

QByteArray digestOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// Reads a note line into a note and its kept bytes. A CR inside it (the LF
// ends the line) reads as the space that saving would write for it.
void readNote(QByteArrayView line, CodePage page, QString& note, QByteArray& kept) {
    kept = line.toByteArray();
    kept.replace('\r', ' ');
    note = DecodeText(kept, page);
}

// Appends a data line as the decoders and the receiver take it: hex digits
// in upper case (the line was checked to hold nothing else).
void appendHex(QString& text, QByteArrayView line) {
    const qsizetype start = text.size();
    text += QLatin1String(line);
    for (qsizetype i = start; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= u'a' && c <= u'f')
            text[i] = QChar(c - u'a' + u'A');
    }
}

QString hexLine(QByteArrayView line) {
    QString text;
    appendHex(text, line);
    return text;
}

// An entry or VFO line as the record decoder takes it: behind the CR LF
// that a receiver reply starts with.
QString record(QByteArrayView line) {
    QString text;
    text.reserve(2 + line.size());
    text += QLatin1String("\r\n");
    appendHex(text, line);
    return text;
}

} // namespace

QString CloneFileMessage(CloneFileStatus status) {
    switch (status) {
    case CloneFileStatus::Ok:
        return {};
    case CloneFileStatus::DataError:
        return QCoreApplication::translate("CloneFile", "Data Error");
    case CloneFileStatus::FileOpenError:
        break;
    }
    return QCoreApplication::translate("CloneFile", "File Open Error");
}

QByteArray CloneFileText(DataSet& ds) {
    const ReferenceTables& ref = Ref();
    QByteArray out;
    out.reserve(200000);

    appendLine(out, ref.CloneHeader);
    EncodeSettings(ds);
    appendLine(out, ds.SetLine1);
    appendLine(out, ds.SetLine2);
    for (int b = 0; b < BandCount; ++b)
        appendLine(out, EncodeVFO(ds, b));
    for (int e = 0; e < EntryCount; ++e)
        appendLine(out, EncodeMem(ds, e));
    EncodeEnable(ds);
    for (int i = 0; i < CloneFileLine::EnableCount; ++i)
        appendLine(out, ds.EnableLines[i]);
    for (int b = 0; b < BandCount; ++b)
        appendNote(out, ds, ds.VfoText[b][Col::Note], ds.VfoNoteBytes[b]);
    for (int e = 0; e < EntryCount; ++e)
        appendNote(out, ds, ds.MemText[e][Col::Note], ds.MemNoteBytes[e]);
    EncodeBanks(ds);
    for (int i = 0; i < CloneFileLine::BankCount; ++i)
        appendLine(out, ds.BankLines[i]);
    ReadGroupChecks(ds);
    EncodeGroups(ds);
    appendLine(out, ds.GroupLine);
    appendLine(out, ref.CloneTrailer);
    return out;
}

CloneFileStatus ParseCloneFileText(DataSet& ds, const QByteArray& text, QString* reason) {
    const QList<QByteArrayView> lines = splitLines(text, CloneFileLineCount);
    if (lines.size() < CloneFileLineCount) {
        setReason(reason, QCoreApplication::translate(
                              "CloneFile", "the file ends after %n lines; a clone file has %1",
                              nullptr, int(lines.size()))
                              .arg(CloneFileLineCount));
        return CloneFileStatus::FileOpenError;
    }
    const ReferenceTables& ref = Ref();
    if (QString::fromLatin1(lines[0]) != ref.CloneHeader) {
        setReason(reason, QCoreApplication::translate("CloneFile",
                                                      "line 1 is not the clone file header \"%1\"")
                              .arg(ref.CloneHeader));
        return CloneFileStatus::DataError;
    }
    if (QString::fromLatin1(lines[CloneFileLine::Trailer]) != ref.CloneTrailer) {
        setReason(reason, QCoreApplication::translate(
                              "CloneFile", "line %1 is not the clone file trailer \"%2\"")
                              .arg(CloneFileLine::Trailer + 1)
                              .arg(ref.CloneTrailer));
        return CloneFileStatus::DataError;
    }
    // A damaged data line is refused before anything is decoded: its bytes
    // would otherwise reach the tables and, by a clone write, the receiver.
    for (int i = 0; i < CloneFileLineCount; ++i) {
        if (!isDataLine(i))
            continue;
        if (!isHexText(lines[i])) {
            setReason(reason, QCoreApplication::translate(
                                  "CloneFile", "%1 holds characters other than hex digits")
                                  .arg(describeLine(i)));
            return CloneFileStatus::DataError;
        }
    }

    ds.SetLine1 = hexLine(lines[CloneFileLine::SetLine1]);
    ds.SetLine2 = hexLine(lines[CloneFileLine::SetLine2]);
    DecodeSettings(ds);

    for (int b = 0; b < BandCount; ++b) {
        DecodeVFO(ds, record(lines[CloneFileLine::FirstVfo + b]), b);
        readNote(lines[CloneFileLine::FirstBandNote + b], ds.NoteCodePage, ds.VfoText[b][Col::Note],
                 ds.VfoNoteBytes[b]);
    }
    for (int e = 0; e < EntryCount; ++e) {
        DecodeMem(ds, record(lines[CloneFileLine::FirstEntry + e]), e);
        readNote(lines[CloneFileLine::FirstEntryNote + e], ds.NoteCodePage,
                 ds.MemText[e][Col::Note], ds.MemNoteBytes[e]);
    }
    for (int i = 0; i < CloneFileLine::EnableCount; ++i)
        ds.EnableLines[i] = hexLine(lines[CloneFileLine::FirstEnable + i]);
    DecodeEnable(ds);

    for (int i = 0; i < CloneFileLine::BankCount; ++i)
        ds.BankLines[i] = hexLine(lines[CloneFileLine::FirstBank + i]);
    DecodeBanks(ds);
    ShowBanks(ds);

    ds.GroupLine = hexLine(lines[CloneFileLine::Group]);
    DecodeGroups(ds);
    ShowGroups(ds);

    ClearDisabledEntries(ds);
    return CloneFileStatus::Ok;
}

CloneFileStatus CheckCloneFileSize(qint64 size, const QString& path, QString* reason) {
    if (size <= CloneFileMaxBytes)
        return CloneFileStatus::Ok;
    setReason(reason, QCoreApplication::translate(
                          "CloneFile",
                          "%1 was not written: with its notes it would come to %2 MiB, and a clone "
                          "file above %3 MiB cannot be opened again; shorten the longest notes")
                          .arg(DisplayPath(path))
                          .arg(size / (1024 * 1024))
                          .arg(CloneFileMaxBytes / (1024 * 1024)));
    return CloneFileStatus::FileOpenError;
}

CloneFileStatus SaveCloneFile(DataSet& ds, const QString& path, QString* reason) {
    try {
        const QByteArray text = CloneFileText(ds);
        // Nothing is replaced by a file that Open would refuse.
        if (const CloneFileStatus size = CheckCloneFileSize(text.size(), path, reason);
            size != CloneFileStatus::Ok)
            return size;
        if (!WriteFileChecked(path, text, reason))
            return CloneFileStatus::FileOpenError;
        ds.CurrentFile = path;
        ds.CurrentFileDigest = digestOf(text);
        ds.DataChanged = false;
        ds.PartlyRead = false;
        ds.PartlyImported = 0;
        return CloneFileStatus::Ok;
    } catch (const std::bad_alloc&) {
        setReason(reason,
                  QCoreApplication::translate("CloneFile", "cannot write %1: not enough memory")
                      .arg(DisplayPath(path)));
        return CloneFileStatus::FileOpenError;
    }
}

CloneFileStatus SaveCurrentCloneFile(DataSet& ds, QString* reason) {
    const QString path = ds.CurrentFile;
    if (!ds.CurrentFileDigest.isEmpty()) {
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            setReason(reason, QCoreApplication::translate(
                                  "CloneFile", "%1 is gone: it was moved or removed since it was "
                                               "opened or saved; use Save As to write it again")
                                  .arg(DisplayPath(path)));
            return CloneFileStatus::FileOpenError;
        }
        const QByteArray now = file.read(CloneFileMaxBytes + 1);
        if (digestOf(now) != ds.CurrentFileDigest) {
            setReason(reason, QCoreApplication::translate(
                                  "CloneFile", "%1 was changed by another program since it was "
                                               "opened or saved; use Save As to replace it")
                                  .arg(DisplayPath(path)));
            return CloneFileStatus::FileOpenError;
        }
    }
    return SaveCloneFile(ds, path, reason);
}

CloneFileStatus ReadCloneFile(DataSet& ds, const QString& path, QString* reason) {
    try {
        QFile file(path);
        const QFileInfo info(path);
        if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
            setReason(reason, ReadFailureReason(path, file.errorString()));
            return CloneFileStatus::FileOpenError;
        }
        const auto tooLarge = [&] {
            setReason(reason, QCoreApplication::translate(
                                  "CloneFile", "%1 is too large for a clone file (%2 MiB; a clone "
                                               "file is far below %3 MiB)")
                                  .arg(DisplayPath(path))
                                  .arg(info.size() / (1024 * 1024))
                                  .arg(CloneFileMaxBytes / (1024 * 1024)));
            return CloneFileStatus::FileOpenError;
        };
        if (info.size() > CloneFileMaxBytes)
            return tooLarge();
        // At most one byte past the limit, in case the file grows meanwhile.
        const QByteArray text = file.read(CloneFileMaxBytes + 1);
        if (file.error() != QFileDevice::NoError) {
            setReason(reason, ReadFailureReason(path, file.errorString()));
            return CloneFileStatus::FileOpenError;
        }
        if (text.size() > CloneFileMaxBytes)
            return tooLarge();
        file.close();
        QString why;
        const CloneFileStatus status = ParseCloneFileText(ds, text, &why);
        if (status != CloneFileStatus::Ok) {
            setReason(reason, DisplayPath(path) + QStringLiteral(": ") + why);
            return status;
        }
        ds.CurrentFile = path;
        ds.CurrentFileDigest = digestOf(text);
        ds.DataChanged = false;
        ds.PartlyRead = false;
        ds.PartlyImported = 0;
        return status;
    } catch (const std::bad_alloc&) {
        setReason(reason,
                  QCoreApplication::translate("CloneFile", "cannot read %1: not enough memory")
                      .arg(DisplayPath(path)));
        return CloneFileStatus::FileOpenError;
    }
}

namespace {

bool reported(CloneFileStatus status, const QString& reason, Prompter& prompter) {
    if (status == CloneFileStatus::Ok)
        return true;
    prompter.error(CloneFileMessage(status), reason);
    return false;
}

} // namespace

bool SaveCloneFile(DataSet& ds, const QString& path, Prompter& prompter) {
    QString reason;
    const CloneFileStatus status = SaveCloneFile(ds, path, &reason);
    return reported(status, reason, prompter);
}

bool SaveCurrentCloneFile(DataSet& ds, Prompter& prompter) {
    QString reason;
    const CloneFileStatus status = SaveCurrentCloneFile(ds, &reason);
    return reported(status, reason, prompter);
}

bool LoadCloneFile(DataSet& ds, const QString& path, Prompter& prompter) {
    QString reason;
    const CloneFileStatus status = ReadCloneFile(ds, path, &reason);
    return reported(status, reason, prompter);
}

QString FileCaption(const QString& path) {
    return QFileInfo(path).fileName() + QStringLiteral(" - ") + Ref().AppTitle;
}

} // namespace mtz4
