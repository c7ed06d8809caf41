#include "editing/DataDelta.h"

namespace mtz4 {

struct DataDelta::Entry {
    int index = 0;
    std::array<double, MemColumns> dataBefore{}, dataAfter{};
    std::array<QString, MemColumns> textBefore, textAfter;
    bool enabledBefore = false, enabledAfter = false;
    QByteArray noteBytesBefore, noteBytesAfter;
};

// Everything but the memory entries, the current file and the change flag.
struct DataDelta::Rest {
    decltype(DataSet::VfoData) VfoData{};
    decltype(DataSet::VfoText) VfoText;
    decltype(DataSet::VfoNoteBytes) VfoNoteBytes;
    CodePage NoteCodePage = CodePage::Western;
    decltype(DataSet::BankSize) BankSize{};
    decltype(DataSet::BankText) BankText;
    decltype(DataSet::GroupFlag) GroupFlag{};
    QString SetLine1, SetLine2, GroupLine;
    decltype(DataSet::BankLines) BankLines;
    decltype(DataSet::EnableLines) EnableLines;
    int ModelIndex = 0;
    SettingsRecord settings;
    BankControls bank;
    bool PartlyRead = false;
    int PartlyImported = 0;

    explicit Rest(const DataSet& ds)
        : VfoData(ds.VfoData), VfoText(ds.VfoText), VfoNoteBytes(ds.VfoNoteBytes),
          NoteCodePage(ds.NoteCodePage), BankSize(ds.BankSize), BankText(ds.BankText),
          GroupFlag(ds.GroupFlag), SetLine1(ds.SetLine1), SetLine2(ds.SetLine2),
          GroupLine(ds.GroupLine), BankLines(ds.BankLines), EnableLines(ds.EnableLines),
          ModelIndex(ds.ModelIndex), settings(ds.settings), bank(ds.bank),
          PartlyRead(ds.PartlyRead), PartlyImported(ds.PartlyImported) {}

    void putInto(DataSet& ds) const {
        ds.VfoData = VfoData;
        ds.VfoText = VfoText;
        ds.VfoNoteBytes = VfoNoteBytes;
        ds.NoteCodePage = NoteCodePage;
        ds.BankSize = BankSize;
        ds.BankText = BankText;
        ds.GroupFlag = GroupFlag;
        ds.SetLine1 = SetLine1;
        ds.SetLine2 = SetLine2;
        ds.GroupLine = GroupLine;
        ds.BankLines = BankLines;
        ds.EnableLines = EnableLines;
        ds.ModelIndex = ModelIndex;
        ds.settings = settings;
        ds.bank = bank;
        ds.PartlyRead = PartlyRead;
        ds.PartlyImported = PartlyImported;
    }

    bool operator==(const Rest&) const = default;
};

DataDelta::DataDelta(const DataSet& before, const DataSet& after) {
    for (int e = 0; e < EntryCount; ++e) {
        if (before.MemEnable[e] == after.MemEnable[e] && before.MemData[e] == after.MemData[e] &&
            before.MemText[e] == after.MemText[e] &&
            before.MemNoteBytes[e] == after.MemNoteBytes[e])
            continue;
        entries_.push_back({e, before.MemData[e], after.MemData[e], before.MemText[e],
                            after.MemText[e], before.MemEnable[e], after.MemEnable[e],
                            before.MemNoteBytes[e], after.MemNoteBytes[e]});
    }
    auto restBefore = std::make_unique<Rest>(before);
    auto restAfter = std::make_unique<Rest>(after);
    if (!(*restBefore == *restAfter)) {
        restBefore_ = std::move(restBefore);
        restAfter_ = std::move(restAfter);
    }
}

DataDelta::~DataDelta() = default;
DataDelta::DataDelta(DataDelta&&) noexcept = default;
DataDelta& DataDelta::operator=(DataDelta&&) noexcept = default;

bool DataDelta::empty() const {
    return entries_.empty() && !restBefore_;
}

void DataDelta::putBefore(DataSet& ds) const {
    for (const Entry& e : entries_) {
        ds.MemData[e.index] = e.dataBefore;
        ds.MemText[e.index] = e.textBefore;
        ds.MemEnable[e.index] = e.enabledBefore;
        ds.MemNoteBytes[e.index] = e.noteBytesBefore;
    }
    if (restBefore_)
        restBefore_->putInto(ds);
}

void DataDelta::putAfter(DataSet& ds) const {
    for (const Entry& e : entries_) {
        ds.MemData[e.index] = e.dataAfter;
        ds.MemText[e.index] = e.textAfter;
        ds.MemEnable[e.index] = e.enabledAfter;
        ds.MemNoteBytes[e.index] = e.noteBytesAfter;
    }
    if (restAfter_)
        restAfter_->putInto(ds);
}

} // namespace mtz4
