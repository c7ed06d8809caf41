#pragma once

#include "model/DataSet.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace mtz4::test {

// A data set as `mtz4ctl new` makes it for the model.
std::unique_ptr<DataSet> FactoryDataSet(int model = 0);

// The whole file (empty when it cannot be read), and the file written anew.
QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);

// Runs `write` while every write past `bytes` bytes into a file fails, as on
// a full disk, and returns its result.
bool WithFileSizeLimit(qint64 bytes, const std::function<bool()>& write);

} // namespace mtz4::test
