// The group decoder on any line: the membership it decodes encodes to a
// line of 176 digits that decodes to the same membership.
#include "DataSetChecks.h"
#include "FuzzTarget.h"
#include "model/GroupCodec.h"
#include "reference/FactoryData.h"

#include <QRandomGenerator>
#include <memory>

namespace mtz4::fuzz {

// Input: GroupLine.
QList<QByteArray> seeds() {
    QList<QByteArray> inputs;
    QRandomGenerator rng(17);
    for (int i = 0; i < 4; ++i) {
        auto ds = std::make_unique<DataSet>();
        MakeFactoryDataSet(*ds, 0);
        for (int r = 1; r < GroupRows; ++r)
            for (int b = 0; b < BankCount; ++b)
                ds->GroupFlag[r][b] = rng.bounded(3) == 0;
        EncodeGroups(*ds);
        inputs.append(ds->GroupLine.toLatin1());
    }
    return inputs;
}

void fuzzOne(QByteArrayView input) {
    DataSet* const ds = &reusedDataSet();
    ds->GroupLine = QString::fromLatin1(input.toByteArray());
    DecodeGroups(*ds);
    ShowGroups(*ds);
    ReadGroupChecks(*ds);
    EncodeGroups(*ds);
    FUZZ_CHECK(ds->GroupLine.size() == 176);
    const auto flags = ds->GroupFlag;
    const QString line = ds->GroupLine;
    DecodeGroups(*ds);
    FUZZ_CHECK(ds->GroupFlag == flags);
    ShowGroups(*ds);
    ReadGroupChecks(*ds);
    EncodeGroups(*ds);
    FUZZ_CHECK(ds->GroupLine == line);
}

} // namespace mtz4::fuzz
