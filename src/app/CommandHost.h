#pragma once

#include <QString>

class QWidget;

namespace mtz4 {

// What the window's command classes (the file, clone, print and help
// commands, the file drop) need of the window, and no more: where their
// dialogs go, the caption, the status bar's text, the memory grid's place,
// and the switching of every other command while a clone command runs. The
// main window is one.
class CommandHost {
public:
    virtual ~CommandHost() = default;

    virtual QWidget* dialogParent() = 0;
    // The caption: the application title, or the file it names. The window
    // adds a mark while the data are partly read from the receiver.
    virtual void setCaption(const QString& caption) = 0;
    virtual QString statusText() const = 0;
    virtual void showStatusText(const QString& text) = 0;
    // After notes came in (Open, Import, a read): adds to the status text
    // the hint that they read better in another code page, if they do.
    virtual void showNoteCodePageHint() = 0;
    // Data that came in whole (Open, Import): the memory grid's first row.
    virtual void showFirstMemoryRow() = 0;
    // New data (New, a model change): the memory list "All".
    virtual void showWholeMemoryList() = 0;
    // The memory grid's current row's entry (0..1299), -1 for none; and the
    // row of an entry made current (where an import into it began).
    virtual int currentMemoryEntry() const = 0;
    virtual void showMemoryEntry(int entry) = 0;
    // A clone command starts or has ended: every other command that touches
    // the data or the port off, or on again.
    virtual void setTransferRunning(bool running, bool reading) = 0;
};

} // namespace mtz4
