#pragma once

#include <QString>

namespace mtz4 {

// The receiver model kept with the user (section "Model" of the per-user
// settings store, beside the recent files): the model last selected, which
// the next start selects, and the model each clone file was last opened,
// saved, read or written with, by the file's full path, which opening that
// file selects. The clone file itself does not carry it.
inline constexpr int FileModelsKept = 200;

// The model last selected: 0..3, 0 (MT-Z4J) when none is stored.
int ReadLastModel();
void WriteLastModel(int model);

// The model remembered for the file at `path`; -1 when none.
int RememberedFileModel(const QString& path);
// Remembers `model` for the file at `path`, the newest first; the oldest
// beyond FileModelsKept are forgotten.
void RememberFileModel(const QString& path, int model);

// The file at `path` opened or saved with `model`: at the top of Open Recent,
// and its model remembered.
void RememberRecentFile(const QString& path, int model);

} // namespace mtz4
