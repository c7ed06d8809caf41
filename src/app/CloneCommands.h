#pragma once

#include "link/CloneMode.h"
#include "link/ModelDetection.h"

#include <QObject>
#include <QString>
#include <functional>

namespace mtz4 {

struct DataSet;
class CommandHost;
class DataEditor;
class FileCommands;
class Link;
class WindowCloneView;

// The clone commands of the Read and Write menus and of the pages' buttons,
// and Compare With Receiver: one at a time, every other command off while
// one runs (the transfer guard), a read stopped by Cancel or Esc, the
// backups around each transfer, the question before a read replaces unsaved
// changes, Quick Read and Verify After Write.
class CloneCommands : public QObject {
    Q_OBJECT
public:
    enum class Command {
        ReadAll,
        ReadMemoryMenu,
        ReadSettingsMenu,
        ReadMemory,   // "Read" on the Memory page
        ReadSettings, // "Read Settings" on either settings page
        ReadBank,
        ReadGroup,
        WriteAll,
        WriteMemoryMenu,
        WriteSettingsMenu,
        WriteMemory,
        WriteSettings,
        WriteBank,
        WriteGroup,
    };

    CloneCommands(DataSet& ds, DataEditor& editor, Link& link, FileCommands& files,
                  CommandHost& host, WindowCloneView& view, QObject* parent = nullptr);

    // Runs a clone command as one step of the editor, with every other
    // command disabled until it has ended; a second command while one runs
    // is refused. A read first asks about unsaved changes ("Save changes to
    // settings?"; Cancel reads nothing), every transfer is preceded by a
    // backup, and a read is one step of the undo history whatever its
    // outcome. Memory reads are quick reads while Quick Read is on. Returns
    // the command's outcome. A "Region Error" is followed by the offer to
    // find the receiver's model: Yes runs Detect Model, selects the model
    // found keeping the data (keepModel) and runs the command once more,
    // without asking about unsaved changes again.
    LinkResult runClone(Command command);
    // Selects `model` keeping the data (the window's model commands).
    std::function<void(int model)> keepModel;
    // Tool > Compare With Receiver: reads the receiver into a separate data
    // set (this one untouched) and shows the differences.
    void compareWithReceiver();
    // Tool > Detect Model: finds the model the receiver accepts, says so in
    // the status bar and tells modelDetected().
    void detectModel();
    // Stops a running read after the exchange in progress (Cancel, Esc).
    void cancelRead();

    bool running() const { return running_; }
    bool reading() const { return running_ && reading_; }

    // Tool > Quick Read and Tool > Verify After Write.
    bool quickRead = false;
    bool verifyAfterWrite = false;

    // The start of the status bar's notice after a read that stopped part-way.
    static QString partlyReadNotice();

signals:
    // A clone command has ended and every command is enabled again.
    void ended();
    // Detect Model found the model the receiver accepts.
    void modelDetected(int model);

private:
    // One run of the command; `askFirst`: a read asks about unsaved changes.
    LinkResult runOnce(Command command, bool askFirst);
    // Detect Model as a transfer, the model found in the status bar.
    DetectedModel findModel();
    // Runs `body` as a transfer: every other command disabled, the status
    // text, cancelling.
    LinkResult runTransfer(const QString& name, bool reading,
                           const std::function<LinkResult()>& body);
    // A backup of the data set; a failure is told in the status bar at the end.
    void takeBackup(const QString& occasion);
    // Reads back what a write sent and compares; a difference fails the write
    // with a message listing it. The write's `success` message is shown only
    // after agreement.
    LinkResult verifyWrite(bool settings, const QString& success);

    DataSet& ds_;
    DataEditor& editor_;
    Link& link_;
    FileCommands& files_;
    CommandHost& host_;
    WindowCloneView& view_;
    bool running_ = false;
    bool reading_ = false;
    QString lastName_;          // of the command run last ("Read ALL")
    QString backupProblem_;     // why the last transfer's backup was not written
    bool verified_ = false;     // the last transfer's write was read back and agreed
    bool partlyRead_ = false;   // the last transfer was a read that stopped part-way
    bool readIntoData_ = false; // the last transfer read into the data set
};

} // namespace mtz4
