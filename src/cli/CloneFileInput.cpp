#include "cli/CloneFileInput.h"

#include "cli/CliArguments.h"
#include "cli/StderrPrompter.h"

#include "files/CloneFile.h"
#include "model/ReferenceTables.h"
#include "reference/FactoryData.h"

#include <QCoreApplication>

namespace mtz4::cli {

int modelFor(const CliArguments& args, StderrPrompter& prompter) {
    if (args.model >= 0)
        return args.model;
    if (!args.quiet)
        prompter.note(QCoreApplication::translate("CloneFileInput", "no --model given: %1 used")
                          .arg(ModelName(Model::MTZ4J)));
    return Model::MTZ4J;
}

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
