#pragma once

#include "model/DataSet.h"
#include "model/Prompter.h"

#include <memory>

namespace mtz4::cli {

struct CliArguments;
class StderrPrompter;

// The model of a command that works on files: the one --model names, else
// MT-Z4J, which standard error then names (unless --quiet), so that a
// script's author sees which rules the files were taken by.
int modelFor(const CliArguments& args, StderrPrompter& prompter);

// The data set of the clone file at path, for the receiver model the command
// line names (the clone file does not record it): the model's factory data,
// then the file loaded over it, its notes read in the code page. Null when
// the file could not be loaded; the prompter has said why.
std::unique_ptr<DataSet> loadCloneFileFor(const QString& path, int model, CodePage page,
                                          Prompter& prompter);

} // namespace mtz4::cli
