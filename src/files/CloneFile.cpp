#include "files/CloneFile.h"

#include "files/FileBytes.h"

#include "model/BankCodec.h"
#include "model/EnableCodec.h"
#include "model/EntryOps.h"
#include "model/GroupCodec.h"
#include "model/RecordCodec.h"
#include "model/SettingsCodec.h"
#include "reference/ReferenceTables.h"

#include <QFileInfo>
#include <QList>

namespace mtz4 {

namespace {

void appendLine(QByteArray& out, const QString& line) {
    out += line.toLatin1();
    out += "\r\n";
}

// A note is one line of the file: a line break inside it would shift every
// later line, so it is written as a space.
void appendNote(QByteArray& out, const QString& note) {
    QByteArray bytes = note.toLatin1();
    bytes.replace('\r', ' ').replace('\n', ' ');
    out += bytes;
    out += "\r\n";
}

// Splits the text into lines at CR LF (a bare LF is accepted as well).
QList<QByteArray> splitLines(const QByteArray& text, int wanted) {
    QList<QByteArray> lines;
    lines.reserve(wanted);
    qsizetype start = 0;
    while (start < text.size() && lines.size() < wanted) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            // The last line may lack its line end.
            lines.append(text.mid(start));
            break;
        }
        qsizetype len = end - start;
        if (len > 0 && text.at(end - 1) == '\r')
            --len;
        lines.append(text.mid(start, len));
        start = end + 1;
    }
    return lines;
}

QString record(const QByteArray& line) {
    return QStringLiteral("\r\n") + QString::fromLatin1(line);
}

} // namespace

QString CloneFileMessage(CloneFileStatus status) {
    switch (status) {
    case CloneFileStatus::Ok:
        return {};
    case CloneFileStatus::DataError:
        return QStringLiteral("Data Error");
    case CloneFileStatus::FileOpenError:
        break;
    }
    return QStringLiteral("File Open Error");
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
        appendNote(out, ds.VfoText[b][Col::Note]);
    for (int e = 0; e < EntryCount; ++e)
        appendNote(out, ds.MemText[e][Col::Note]);
    EncodeBanks(ds);
    for (int i = 0; i < CloneFileLine::BankCount; ++i)
        appendLine(out, ds.BankLines[i]);
    ReadGroupChecks(ds);
    EncodeGroups(ds);
    appendLine(out, ds.GroupLine);
    appendLine(out, ref.CloneTrailer);
    return out;
}

CloneFileStatus ParseCloneFileText(DataSet& ds, const QByteArray& text) {
    const QList<QByteArray> lines = splitLines(text, CloneFileLineCount);
    if (lines.size() < CloneFileLineCount)
        return CloneFileStatus::FileOpenError;
    const ReferenceTables& ref = Ref();
    if (QString::fromLatin1(lines[0]) != ref.CloneHeader ||
        QString::fromLatin1(lines[CloneFileLine::Trailer]) != ref.CloneTrailer)
        return CloneFileStatus::DataError;

    ds.SetLine1 = QString::fromLatin1(lines[CloneFileLine::SetLine1]);
    ds.SetLine2 = QString::fromLatin1(lines[CloneFileLine::SetLine2]);
    DecodeSettings(ds);

    for (int b = 0; b < BandCount; ++b) {
        DecodeVFO(ds, record(lines[CloneFileLine::FirstVfo + b]), b);
        ds.VfoText[b][Col::Note] = QString::fromLatin1(lines[CloneFileLine::FirstBandNote + b]);
    }
    for (int e = 0; e < EntryCount; ++e) {
        DecodeMem(ds, record(lines[CloneFileLine::FirstEntry + e]), e);
        ds.MemText[e][Col::Note] = QString::fromLatin1(lines[CloneFileLine::FirstEntryNote + e]);
    }
    for (int i = 0; i < CloneFileLine::EnableCount; ++i)
        ds.EnableLines[i] = QString::fromLatin1(lines[CloneFileLine::FirstEnable + i]);
    DecodeEnable(ds);

    for (int i = 0; i < CloneFileLine::BankCount; ++i)
        ds.BankLines[i] = QString::fromLatin1(lines[CloneFileLine::FirstBank + i]);
    DecodeBanks(ds);
    ShowBanks(ds);

    ds.GroupLine = QString::fromLatin1(lines[CloneFileLine::Group]);
    DecodeGroups(ds);
    ShowGroups(ds);

    ClearDisabledEntries(ds);
    return CloneFileStatus::Ok;
}

CloneFileStatus SaveCloneFile(DataSet& ds, const QString& path) {
    if (!SaveFileBytes(path, CloneFileText(ds)))
        return CloneFileStatus::FileOpenError;
    ds.CurrentFile = path;
    ds.DataChanged = false;
    return CloneFileStatus::Ok;
}

CloneFileStatus ReadCloneFile(DataSet& ds, const QString& path) {
    const std::optional<QByteArray> text = ReadFileBytes(path);
    if (!text)
        return CloneFileStatus::FileOpenError;
    const CloneFileStatus status = ParseCloneFileText(ds, *text);
    if (status == CloneFileStatus::Ok) {
        ds.CurrentFile = path;
        ds.DataChanged = false;
    }
    return status;
}

bool SaveCloneFile(DataSet& ds, const QString& path, Prompter& prompter) {
    const CloneFileStatus status = SaveCloneFile(ds, path);
    if (status != CloneFileStatus::Ok)
        prompter.error(CloneFileMessage(status));
    return status == CloneFileStatus::Ok;
}

bool LoadCloneFile(DataSet& ds, const QString& path, Prompter& prompter) {
    const CloneFileStatus status = ReadCloneFile(ds, path);
    if (status != CloneFileStatus::Ok)
        prompter.error(CloneFileMessage(status));
    return status == CloneFileStatus::Ok;
}

QString FileCaption(const QString& path) {
    return QFileInfo(path).fileName() + QStringLiteral(" - ") + Ref().AppTitle;
}

} // namespace mtz4
