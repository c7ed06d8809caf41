#include "model/ReceiverImage.h"

#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/EnableCodec.h"
#include "model/EntryOps.h"
#include "model/GroupCodec.h"
#include "model/RecordCodec.h"
#include "model/SettingsCodec.h"

#include <vector>

namespace mtz4 {

namespace {

// A record as the decoders take it: behind the CR LF that a receiver reply
// starts with.
QString reply(const QString& record) {
    return QStringLiteral("\r\n") + record;
}

} // namespace

std::unique_ptr<DataSet> AsTheReceiverHoldsIt(const DataSet& ds) {
    // Everything is encoded first, as a write does, from a copy of its own:
    // the encoders fit and take over values as they go.
    const auto sent = std::make_unique<DataSet>(ds);
    EncodeSettings(*sent);
    std::vector<QString> vfo(BandCount);
    for (int b = 0; b < BandCount; ++b)
        vfo[b] = EncodeVFO(*sent, b);
    std::vector<QString> entries(EntryCount);
    for (int e = 0; e < EntryCount; ++e)
        entries[e] = EncodeMem(*sent, e);
    EncodeEnable(*sent);
    EncodeBanks(*sent);
    ReadGroupChecks(*sent);
    EncodeGroups(*sent);

    // Then decoded into the data as they were, as a read does; the notes
    // stay in the program.
    auto held = std::make_unique<DataSet>(ds);
    held->SetLine1 = sent->SetLine1;
    held->SetLine2 = sent->SetLine2;
    DecodeSettings(*held);
    for (int b = 0; b < BandCount; ++b) {
        const QString note = held->VfoText[b][Col::Note];
        DecodeVFO(*held, reply(vfo[b]), b);
        held->VfoText[b][Col::Note] = note;
    }
    for (int e = 0; e < EntryCount; ++e) {
        const QString note = held->MemText[e][Col::Note];
        DecodeMem(*held, reply(entries[e]), e);
        held->MemText[e][Col::Note] = note;
    }
    held->EnableLines = sent->EnableLines;
    DecodeEnable(*held);
    held->BankLines = sent->BankLines;
    DecodeBanks(*held);
    ShowBanks(*held);
    held->GroupLine = sent->GroupLine;
    DecodeGroups(*held);
    ShowGroups(*held);
    ClearDisabledEntries(*held);
    return held;
}

} // namespace mtz4
