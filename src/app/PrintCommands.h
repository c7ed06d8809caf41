#pragma once

#include "report/ChannelList.h"

#include <QObject>
#include <functional>

class QPrinter;

namespace mtz4 {

struct DataSet;
class CloneFileDialogs;
class CommandHost;
class Prompter;

// File > Print Channel List and File > Export Channel List as PDF: the
// entries in use of the data set, bank by bank, then Program Scan, Search
// Pass and Priority, with the file name, the model and the date on every
// page.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(const DataSet& ds, Prompter& prompter, CloneFileDialogs& fileDialogs,
                  CommandHost& host, QObject* parent = nullptr);

    // The print dialog: true when the user chose a printer and its settings.
    // Tests put their own in.
    std::function<bool(QPrinter&)> choosePrinter;

    // The list as it stands, printed today.
    ChannelList channelList() const;
    // Prints the list after the print dialog. True when it was printed.
    bool printChannelList();
    // Writes the list as a PDF file chosen in a file dialog. True when written.
    bool exportChannelListPdf();

private:
    const DataSet& ds_;
    Prompter& prompter_;
    CloneFileDialogs& fileDialogs_;
    CommandHost& host_;
};

} // namespace mtz4
