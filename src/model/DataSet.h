#pragma once

#include "model/BankControls.h"
#include "model/CodePage.h"
#include "model/Limits.h"
#include "model/SettingsRecord.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace mtz4 {

// One complete data set of the receiver: the memory image lines, the tables
// decoded from them, and the state of the controls that hold settings, bank
// sizes and group membership. The program holds exactly one at a time; it is
// large, so keep it on the heap.
struct DataSet {
    // Memory entries 0..1299 (see Limits.h for the ranges and columns).
    std::array<std::array<double, MemColumns>, EntryCount> MemData{};
    std::array<std::array<QString, MemColumns>, EntryCount> MemText;
    std::array<bool, EntryCount> MemEnable{};

    // Band VFO records 0..13.
    std::array<std::array<double, VfoColumns>, BandCount> VfoData{};
    std::array<std::array<QString, VfoColumns>, BandCount> VfoText;

    // The notes' bytes as read from a clone file (or from a CSV file in the
    // code page, when they read as no character: StoreNote), kept so that a
    // note the user has not changed is written back exactly as it came
    // (NoteBytes.h); empty for a note that came from elsewhere. Stale bytes do no harm: a
    // note that no longer reads as its kept bytes is written from its text.
    std::array<QByteArray, EntryCount> MemNoteBytes;
    std::array<QByteArray, BandCount> VfoNoteBytes;
    // The code page the notes are read and written in. InitTables leaves it.
    CodePage NoteCodePage = CodePage::Western;

    // Banks: elements 0..49 the bank sizes, element 50 the unassigned channels.
    std::array<int, BankCount + 1> BankSize{};
    std::array<QString, BankCount + 1> BankText;
    // GroupFlag[r][b]: bank b belongs to group row r (row 0 always clear).
    std::array<std::array<bool, BankCount>, GroupRows> GroupFlag{};

    // Image lines, hex text as exchanged with the receiver and kept in files.
    QString SetLine1;                   // 0000-001F
    QString SetLine2;                   // 0020-003F
    QString GroupLine;                  // 0080-00DF
    std::array<QString, 7> BankLines;   // 0100-017F, slots 0..3 used
    std::array<QString, 6> EnableLines; // 0200-029F (+ slot 5)

    // The selected receiver model (0..3), the one place the model is kept:
    // the model selector's buttons on Settings 1 show it, and only its
    // buttons 0..3 set it (SelectModelButton).
    int ModelIndex = 0;

    // Controls that hold data of their own.
    SettingsRecord settings;
    BankControls bank;

    // True when the data differ from what was last loaded, saved or created.
    bool DataChanged = false;
    // True when a read from the receiver stopped part-way after it had
    // replaced some of the data: they are then partly the receiver's and
    // partly what was there before, a mixture that no file holds. Loading,
    // saving and New clear it, and so does a complete Read ALL.
    bool PartlyRead = false;
    // The line of a CSV file at which an import stopped part-way after it had
    // merged the lines before it (0: none): the data are then partly the
    // file's and partly what was there before. Cleared like PartlyRead, but
    // not by a read.
    int PartlyImported = 0;
    // Full path of the clone file last loaded or saved; empty when none.
    QString CurrentFile;
    // Digest of that file's bytes as loaded or saved, to see whether another
    // program has replaced it since; empty when not known.
    QByteArray CurrentFileDigest;
};

// The initial state: every entry and band empty, no groups, the initial
// GroupLine, banks 0..9 of 100 channels and 40 empty banks.
void InitTables(DataSet& ds);

// The model selector's button `button` chosen: models 0..3 become the
// selected model; its other buttons ("MT-K2 T", "MT-K2 E"), never shown,
// leave the model as it was.
void SelectModelButton(DataSet& ds, int button);

} // namespace mtz4
