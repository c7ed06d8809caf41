#include "model/BankSizeEdit.h"

#include "model/BankCodec.h"

#include <QCoreApplication>

namespace mtz4 {

Prompt BankTotalTooLargePrompt() {
    return {QCoreApplication::translate(
                "BankSizeEdit", "The total of the number of channels exceeds 1000.\r\n"
                                "Please set for the total of the channel to become 1000 or less."),
            ErrorText(), PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok};
}

BankSizeOutcome TakeOverBankSize(DataSet& ds, int bank, const QString& typed) {
    BankSizeOutcome outcome = BankSizeOutcome::Accepted;
    const int value = SizeBoxValue(typed);
    if (value > ChannelCount || value < 0) {
        outcome = BankSizeOutcome::OutOfRange;
    } else {
        int total = 0;
        for (int b = 0; b < BankCount; ++b)
            total += b == bank ? value : SizeBoxValue(ds.bank.txtBank[b]);
        outcome =
            total <= ChannelCount ? BankSizeOutcome::Accepted : BankSizeOutcome::TotalTooLarge;
    }

    if (outcome == BankSizeOutcome::Accepted) {
        ds.BankSize[bank] = value;
        ds.BankText[bank] = QString::number(value);
        ds.bank.txtBank[bank] = typed;
    } else {
        ds.bank.txtBank[bank] = ds.BankText[bank];
    }
    ReadBankTexts(ds);
    ds.DataChanged = true;
    return outcome;
}

} // namespace mtz4
