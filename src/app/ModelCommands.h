#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace mtz4 {

struct DataSet;
class CommandHost;
class DataEditor;
class FileCommands;
class Prompter;

// The model selector's commands: a model chosen on Settings 1 and a model
// found by Detect Model. Either may keep the data ("Keep these channels",
// checked against the new model's rules and reported as an import is, one
// undo step) or start afresh from the new model's factory data, after the
// question about unsaved changes. That question is asked only when the data
// really differ from what was last opened, read, saved or created: the
// data are compared, not the change flag.
class ModelCommands : public QObject {
    Q_OBJECT
public:
    ModelCommands(DataSet& ds, DataEditor& editor, Prompter& prompter, FileCommands& files,
                  CommandHost& host, QObject* parent = nullptr);
    ~ModelCommands() override;

    // The data as they stand are what was opened, read or created (the
    // window's start-up); the editor's loads, reads, New and saves take
    // them by themselves.
    void takeBaseline();
    // Whether the data differ from what was last opened, read, saved or created.
    bool dataDiffer() const;

    // The user selected model option `model` (0..3) on Settings 1. With a
    // clone file open, he chooses between keeping the channels and the
    // factory data; otherwise the factory data come, after "Save changes to
    // settings?" when the data differ. False when the model stayed as it
    // was (Cancel).
    bool chooseModel(int model);
    // Detect Model found `found`: says so, and when it is not the selected
    // model offers to select it, keeping the channels or from its factory
    // data. True when `found` is the selected model afterwards.
    bool offerDetected(int found);
    // `model` selected keeping the data, what does not fit reported: one
    // step of the undo history.
    void keepChannels(int model);

private:
    // The factory data of `model` after the question about unsaved changes
    // (asked only when the data differ); false when cancelled.
    bool resetToModel(int model);

    DataSet& ds_;
    DataEditor& editor_;
    Prompter& prompter_;
    FileCommands& files_;
    CommandHost& host_;
    std::unique_ptr<DataSet> baseline_;
};

} // namespace mtz4
