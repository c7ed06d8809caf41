#include "report/ChannelList.h"

#include "model/BankCodec.h"
#include "model/EntryCodes.h"
#include "model/ReferenceTables.h"
#include "model/RowLabels.h"
#include "model/ShownOption.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace mtz4 {

namespace {

QString ToneOrOption(const DataSet& ds, int entry, int model) {
    const auto& text = ds.MemText[entry];
    const QString option = text[Col::Option];
    if (ShownOptionText(option, model) != option)
        return {}; // an option the model does not offer
    const QString with = option + QLatin1Char(' ');
    switch (int(ds.MemData[entry][Col::Option])) {
    case OptionToneCode:
    case OptionReverseCode:
        return with + text[Col::Tone];
    case OptionTrainCode:
        return with + text[Col::Carrier];
    case OptionSecretCode:
        return with + text[Col::Secret];
    default:
        return {};
    }
}

QString Shift(const DataSet& ds, int entry) {
    switch (int(ds.MemData[entry][Col::ShiftDir])) {
    case ShiftPlusCode:
        return QStringLiteral("+") + ds.MemText[entry][Col::Shift];
    case ShiftMinusCode:
        return QStringLiteral("-") + ds.MemText[entry][Col::Shift];
    default:
        return {};
    }
}

ChannelRow RowOf(const DataSet& ds, int entry, int model, const QString& label) {
    const auto& text = ds.MemText[entry];
    ChannelRow row;
    row.label = label;
    row.frequency = text[Col::Freq];
    row.mode = text[Col::Mode];
    row.step = text[Col::Step];
    row.toneOrOption = ToneOrOption(ds, entry, model);
    row.shift = Shift(ds, entry);
    row.skip = ds.MemData[entry][Col::Skip] != 0.0 ? QStringLiteral("*") : QString();
    row.name = text[Col::Name];
    row.note = text[Col::Note];
    return row;
}

// The entries in use among `first`..`last` as a section; none when empty.
void AddSection(ChannelList& list, const QString& title, const DataSet& ds, int model,
                const QStringList& labels, int first, int last) {
    ChannelSection section{title, {}};
    for (int entry = first; entry < last; ++entry) {
        if (ds.MemEnable[entry])
            section.rows.append(RowOf(ds, entry, model, labels.value(entry)));
    }
    if (!section.rows.isEmpty())
        list.sections.append(section);
}

} // namespace

int ChannelList::rowCount() const {
    int count = 0;
    for (const ChannelSection& section : sections)
        count += int(section.rows.size());
    return count;
}

QString ChannelList::headerLine() const {
    return fileName + QStringLiteral(" - ") + model + QStringLiteral(" - ") +
           date.toString(Qt::ISODate);
}

ChannelList MakeChannelList(const DataSet& ds, int model, const QString& filePath,
                            const QDate& date) {
    ChannelList list;
    list.fileName = filePath.isEmpty() ? QCoreApplication::translate("ChannelList", "(no file)")
                                       : QFileInfo(filePath).fileName();
    list.model = ModelName(model);
    list.date = date;

    // The memory channels lie bank after bank as the size boxes give them.
    const QStringList labels = BuildRowLabels(ds.bank);
    int first = 0;
    for (int bank = 0; bank < BankCount && first < ChannelCount; ++bank) {
        const int size = std::min(SizeBoxValue(ds.bank.txtBank[bank]), ChannelCount - first);
        AddSection(list, QCoreApplication::translate("ChannelList", "Bank %1").arg(bank), ds, model,
                   labels, first, first + std::max(size, 0));
        first += std::max(size, 0);
    }
    // Channels beyond the last bank (sizes adding up to less than 1000).
    AddSection(list, QCoreApplication::translate("ChannelList", "Beyond the banks"), ds, model,
               labels, first, ChannelCount);
    AddSection(list, QCoreApplication::translate("ChannelList", "Program Scan"), ds, model, labels,
               FirstProgramScanEntry, FirstSearchPassEntry);
    AddSection(list, QCoreApplication::translate("ChannelList", "Search Pass"), ds, model, labels,
               FirstSearchPassEntry, FirstPriorityEntry);
    AddSection(list, QCoreApplication::translate("ChannelList", "Priority"), ds, model, labels,
               FirstPriorityEntry, EntryCount);
    return list;
}

QStringList ChannelListColumns() {
    return {QCoreApplication::translate("ChannelList", "Channel"),
            QCoreApplication::translate("ChannelList", "Frequency"),
            QCoreApplication::translate("ChannelList", "Mode"),
            QCoreApplication::translate("ChannelList", "Step"),
            QCoreApplication::translate("ChannelList", "Tone/Option"),
            QCoreApplication::translate("ChannelList", "Shift"),
            QCoreApplication::translate("ChannelList", "Skip"),
            QCoreApplication::translate("ChannelList", "Name"),
            QCoreApplication::translate("ChannelList", "Note")};
}

QStringList ChannelRowCells(const ChannelRow& row) {
    return {row.label, row.frequency, row.mode, row.step, row.toneOrOption,
            row.shift, row.skip,      row.name, row.note};
}

} // namespace mtz4
