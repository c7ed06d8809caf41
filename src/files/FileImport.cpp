#include "files/FileImport.h"

#include "files/ChirpCsv.h"
#include "files/CsvFile.h"
#include "files/FileBytes.h"
#include "files/ImportComparison.h"
#include "model/BankCodec.h"
#include "model/TextLanguage.h"

namespace mtz4 {

namespace {

FileImport failed(FileImportOutcome outcome, CsvFileFormat format) {
    FileImport import;
    import.outcome = outcome;
    import.format = format;
    return import;
}

} // namespace

FileImport ImportCsvFileOfAnyFormat(const DataSet& ds, const QString& path,
                                    std::optional<CsvFileFormat> format,
                                    const ImportProgress& progress) {
    QString reason;
    const std::optional<QByteArray> bytes = ReadFileBytes(path, &reason);
    if (!bytes) {
        FileImport unreadable =
            failed(FileImportOutcome::Unreadable, format.value_or(CsvFileFormat::Neither));
        unreadable.reason = reason;
        return unreadable;
    }
    const CsvFileFormat looks = DetectCsvFormat(*bytes);
    if (format && looks != CsvFileFormat::Neither && looks != *format)
        return failed(FileImportOutcome::FormatMismatch, looks);
    if (!format && looks == CsvFileFormat::Neither) {
        FileImport neither = failed(FileImportOutcome::NotRecognised, looks);
        neither.looks = DescribeCsvStart(*bytes);
        return neither;
    }

    FileImport import;
    import.format = format.value_or(looks);
    import.data = std::make_unique<DataSet>(ds);
    bool stopped = false;
    if (import.format == CsvFileFormat::Chirp) {
        ChirpImport chirp = ImportChirpCsvText(*import.data, *bytes, progress);
        if (!chirp.readable)
            return failed(FileImportOutcome::Unreadable, import.format);
        import.report = std::move(chirp);
    } else {
        const CsvFileStatus status = ImportCsvText(*import.data, *bytes, &import.report, progress);
        stopped = status == CsvFileStatus::FileOpenError;
        import.bankSizeNote = BankSizeNote(*import.data);
    }
    if (!import.report.cancelled && import.report.imported > 0)
        import.replacesInUse = CompareWithBefore(import.report, ds, *import.data);
    if (import.report.cancelled) {
        import.data.reset();
        import.outcome = FileImportOutcome::Cancelled;
    } else if (import.report.imported == 0) {
        import.data.reset();
        import.outcome =
            stopped ? FileImportOutcome::StoppedEarly : FileImportOutcome::NothingImported;
    } else {
        import.outcome = stopped ? FileImportOutcome::StoppedEarly : FileImportOutcome::Imported;
    }
    return import;
}

QString FileImportMessage(const FileImport& import, const QString& fileName) {
    switch (import.outcome) {
    case FileImportOutcome::StoppedEarly:
    case FileImportOutcome::Unreadable:
        return CsvFileMessage(CsvFileStatus::FileOpenError);
    case FileImportOutcome::NotRecognised:
        return InLanguage("%1 is %2: nothing was imported.",
                          "%1 は%2: 何もインポートしていません。")
                   .arg(fileName, CsvFormatDescription(import.format)) +
               (import.looks.isEmpty() ? QString() : QLatin1Char(' ') + import.looks);
    case FileImportOutcome::FormatMismatch:
        return InLanguage("%1 looks like %2.", "%1 は%2のようです。")
            .arg(fileName, CsvFormatDescription(import.format));
    case FileImportOutcome::NothingImported:
        return InLanguage("No line of %1 could be imported.",
                          "%1 からは 1 行もインポートできませんでした。")
            .arg(fileName);
    case FileImportOutcome::Imported:
    case FileImportOutcome::Cancelled:
        break;
    }
    return {};
}

QString ReplacesInUseText(int count) {
    return InLanguage("The import replaces %1 entries in use.",
                      "インポートで使用中のエントリー %1 件が置き換わります。")
        .arg(count);
}

QString BankSizeNote(const DataSet& ds) {
    int total = 0;
    for (int b = 0; b < BankCount; ++b)
        total += SizeBoxValue(ds.BankText[b]);
    if (total == ChannelCount)
        return {};
    const QList<BankCut> cuts = BankCutsOfEncode(ds);
    if (cuts.isEmpty())
        return InLanguage(
                   "The bank sizes add up to %1, not 1000: %2 channels belong to no bank.",
                   "バンクサイズの合計は 1000 ではなく %1 です: %2 チャンネルはどのバンクにも"
                   "属しません。")
            .arg(total)
            .arg(ChannelCount - total);
    QStringList each;
    for (const BankCut& cut : cuts)
        each << InLanguage("bank %1 from %2 to %3", "バンク %1 を %2 から %3 に")
                    .arg(cut.bank)
                    .arg(cut.from)
                    .arg(cut.to);
    return InLanguage("The bank sizes add up to %1, not 1000: a save cuts %2.",
                      "バンクサイズの合計は 1000 ではなく %1 です: 保存で%2切り詰めます。")
        .arg(total)
        .arg(each.join(QStringLiteral(", ")));
}

} // namespace mtz4
