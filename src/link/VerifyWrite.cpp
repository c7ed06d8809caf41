#include "link/VerifyWrite.h"

#include "files/CloneFile.h"
#include "link/CloneRead.h"
#include "model/DataSet.h"

#include <memory>

namespace mtz4 {

namespace {

constexpr int ListedDifferences = 10;

} // namespace

VerifyOutcome VerifyWrite(Link& link, const DataSet& written, CloneView& view, bool settings) {
    // The data as the receiver can hold them: encoded and decoded again,
    // which a clone file's text does with the same codecs as a write.
    auto expected = std::make_unique<DataSet>(written);
    auto source = std::make_unique<DataSet>(written);
    ParseCloneFileText(*expected, CloneFileText(*source));

    // The read-back starts from the same data, so that what a read does not
    // carry (notes, the receiver's missing enable bits) is alike in both.
    auto readBack = std::make_unique<DataSet>(*expected);
    VerifyOutcome outcome;
    outcome.read = settings ? ReadSettings(link, *readBack, view) : LinkResult::Success;
    if (outcome.read == LinkResult::Success)
        outcome.read = ReadMemory(link, *readBack, view, MemoryRead::Quick);
    if (outcome.read == LinkResult::Success)
        outcome.differences = CompareData(*expected, *readBack);
    return outcome;
}

Prompt VerifyFailedPrompt(const QList<DataDifference>& differences) {
    QStringList lines;
    for (int i = 0; i < differences.size() && i < ListedDifferences; ++i)
        lines << differences[i].text();
    if (differences.size() > ListedDifferences)
        lines << QStringLiteral("and %1 more").arg(differences.size() - ListedDifferences);
    return {QStringLiteral("The receiver holds something else than was written "
                           "(written -> read back):\r\n") +
                lines.join(QStringLiteral("\r\n")),
            QStringLiteral("ERROR"), PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok};
}

} // namespace mtz4
