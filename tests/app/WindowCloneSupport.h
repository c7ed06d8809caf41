#pragma once

// Shared by the window's clone tests: the simulator on COM 1, a receiver
// image of random data, and the window's actions by name.

#include "support/RandomData.h"
#include "support/Shell.h"
#include "support/SimRunner.h"
#include "support/WindowActions.h"

#include <QAction>
#include <QRandomGenerator>

namespace mtz4::test {

// A random data set of model 0 saved as the receiver's image.
inline std::unique_ptr<DataSet> receiverImage(const QString& path, quint32 seed) {
    auto ds = FactoryDataSet(Model::MTZ4J);
    QRandomGenerator rng(seed);
    FillRandomDataSet(*ds, rng, Model::MTZ4J);
    ds->settings.optLamp = 2;
    ds->settings.chkATT = 1;
    SaveCloneFile(*ds, path);
    return ds;
}

// Starts the simulator and maps COM 1 (the window's port) to it.
inline bool startSim(SimRunner& sim, const QStringList& args) {
    if (!sim.start(args))
        return false;
    qputenv("MTZ4_COM1", sim.device().toLocal8Bit());
    return true;
}

// The clone file text of a data set, made from a copy (making it runs the
// encoders, which would change the lines of the set itself).
inline QByteArray CloneTextOf(const DataSet& ds) {
    auto copy = std::make_unique<DataSet>(ds);
    return CloneFileText(*copy);
}

} // namespace mtz4::test
