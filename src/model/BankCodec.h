#pragma once

#include "model/DataSet.h"

#include <QList>

namespace mtz4 {

// BankLines slots 0..3 to BankSize/BankText 0..49.
void DecodeBanks(DataSet& ds);
// Fits the bank sizes to the 1000-channel limit (the first bank crossing it is
// cut to the remainder, later banks emptied, a negative size becomes 0), runs
// ShowBanks, builds BankLines. The sizes are taken from BankText, the texts the
// size boxes show, so that BankSize and BankText agree with what is written.
void EncodeBanks(DataSet& ds);
// A bank size that the fitting of EncodeBanks changes: bank `bank` from
// `from` channels (the size its text stands for) to `to`.
struct BankCut {
    int bank = 0;
    int from = 0;
    int to = 0;
};
// What EncodeBanks (and so every save) would change of the sizes BankText
// gives, in bank order; none when they fit.
QList<BankCut> BankCutsOfEncode(const DataSet& ds);

// BankText to the size boxes; BankSize 0..49 from the box texts; total label.
void ShowBanks(DataSet& ds);
// Size boxes to BankSize 0..49, element 50 (unassigned) and the total label.
void ReadBankTexts(DataSet& ds);

// Memory entry of channel 0 of bank b: the sum of BankSize 0..b-1.
int BankStart(const DataSet& ds, int bank);

// The bank size a size box text stands for: its leading number, rounded to a
// whole number and limited to the range of the receiver's 16-bit size word.
int SizeBoxValue(const QString& text);

} // namespace mtz4
