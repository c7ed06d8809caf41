#include "link/VerifyWrite.h"

#include "link/CloneRead.h"
#include "model/DataSet.h"
#include "model/ReceiverImage.h"

#include <QCoreApplication>
#include <memory>

namespace mtz4 {

namespace {

constexpr int ListedDifferences = 10;

} // namespace

VerifyOutcome VerifyWrite(Link& link, const DataSet& written, CloneProgress& progress,
                          bool settings) {
    const std::unique_ptr<DataSet> expected = AsTheReceiverHoldsIt(written);

    // The read-back starts from the same data, so that what a read does not
    // carry (notes, the receiver's missing enable bits) is alike in both.
    auto readBack = std::make_unique<DataSet>(*expected);
    VerifyOutcome outcome;
    outcome.read = settings ? ReadSettings(link, *readBack).result : LinkResult::Success;
    if (outcome.read == LinkResult::Success)
        outcome.read = ReadMemory(link, *readBack, progress, MemoryRead::Quick).result;
    if (outcome.read == LinkResult::Success)
        outcome.differences = CompareData(*expected, *readBack);
    return outcome;
}

Prompt VerifyFailedPrompt(const QList<DataDifference>& differences) {
    QStringList lines;
    for (int i = 0; i < differences.size() && i < ListedDifferences; ++i)
        lines << differences[i].text();
    if (differences.size() > ListedDifferences)
        lines << QCoreApplication::translate("VerifyWrite", "and %n more", nullptr,
                                             int(differences.size() - ListedDifferences));
    return {QCoreApplication::translate("VerifyWrite",
                                        "The receiver holds something else than was written "
                                        "(written -> read back):") +
                QStringLiteral("\r\n") + lines.join(QStringLiteral("\r\n")),
            ErrorText(), PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok};
}

} // namespace mtz4
