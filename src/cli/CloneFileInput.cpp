#include "cli/CloneFileInput.h"

#include "files/CloneFile.h"
#include "reference/FactoryData.h"

namespace mtz4::cli {

std::unique_ptr<DataSet> loadCloneFileFor(const QString& path, int model, CodePage page,
                                          Prompter& prompter) {
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, model);
    ds->NoteCodePage = page;
    if (!LoadCloneFile(*ds, path, prompter))
        return nullptr;
    ds->ModelIndex = model;
    return ds;
}

} // namespace mtz4::cli
